#pragma once
// A console whose keys are all typed ahead at once: for checking that code
// forgets type-ahead where it must.
#include <chrono>
#include <deque>
#include <thread>

#include "platform/console.hpp"

namespace vx::test {

class QueueConsole final : public platform::Console {
 public:
  explicit QueueConsole(std::deque<platform::KeyEvent> keys) : keys_(std::move(keys)) {}
  void put(int col, int row, platform::Cell c) override {
    if (col >= 1 && col <= 80 && row >= 1 && row <= 25) cells_[(row - 1) * 80 + col - 1] = c;
  }
  platform::Cell get(int col, int row) const override { return cells_[(row - 1) * 80 + col - 1]; }
  void set_cursor(int, int) override {}
  void show_cursor(bool, bool) override {}
  bool key_waiting() override { return !keys_.empty(); }
  platform::KeyEvent read_key() override {
    if (keys_.empty()) throw platform::ScriptStop{3};
    auto k = keys_.front();
    keys_.pop_front();
    return k;
  }
  std::optional<platform::MouseEvent> take_mouse() override { return std::nullopt; }
  void idle(int) override {}
  void beep(int, int) override {}
  void sleep_ms(int ms) override {
    slept_ms += ms;
    if (real_time) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  int seconds_of_day() override { return 0; }
  void write_stdout(std::string_view) override {}
  void finish(int) override {}

  std::size_t keys_left() const { return keys_.size(); }
  int slept_ms = 0;
  bool real_time = false;  // sleeps really wait (for tests with other processes)

 private:
  std::deque<platform::KeyEvent> keys_;
  platform::Cell cells_[80 * 25]{};
};

}  // namespace vx::test
