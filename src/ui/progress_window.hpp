#pragma once
// A small framed window with a title and a bar, for waits and long inserts.
#include <string>
#include <vector>

#include "platform/console.hpp"

namespace vx::ui {

class ProgressWindow {
 public:
  ProgressWindow(platform::Console& console, std::string title, long range);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void advance();
  void reset();

 private:
  void draw_bar();

  platform::Console& console_;
  std::string title_;
  long range_;
  long done_ = 0;
  int drawn_ = -1;
  std::vector<platform::Cell> saved_;
};

}  // namespace vx::ui
