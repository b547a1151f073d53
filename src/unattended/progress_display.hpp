#pragma once
// What an unattended run shows while it works. On a terminal one line,
// drawn again at each company: company n of N, its name, a bar, the time
// gone and the time left; a company that did not go cleanly also gets a
// line of its own above it. Otherwise one plain line per company. A few
// writes a company: the run stays as fast as a copy of its files.
#include <chrono>
#include <string>
#include <string_view>

#include "dialogue/observer.hpp"
#include "platform/console.hpp"

namespace vx::unattended {

class ProgressDisplay : public dialogue::Observer {
 public:
  explicit ProgressDisplay(platform::Console& console) : console_(console) {}

  // The work starts; on a terminal the line is drawn over and over.
  void start(bool on_terminal);
  // How many companies will be carried.
  void expect_companies(int total) { total_ = total; }
  // A line of its own (CP852), over the drawn line when there is one: the
  // next company draws it again.
  void say(std::string_view text);

  void failure(std::string_view text) override;
  void failure_here(std::string_view text) override;
  void step(const dialogue::StepEvent& e) override;
  void boxed(dialogue::Box box, std::span<const std::string> lines) override;
  void leave(dialogue::Area area) override;
  void global_copy() override;
  void company(std::string_view name, std::string_view folder) override;
  void company_done(bool carried) override;

 private:
  void draw();

  platform::Console& console_;
  bool on_terminal_ = false, drawn_ = false;
  std::chrono::steady_clock::time_point started_;
  int total_ = 0, done_ = 0;
  bool in_global_ = false;
  std::string name_, folder_;  // of the company in hand, CP852
  int failures_ = 0;           // of the company in hand, or of the global copy
};

// "0:41", "1:02:03".
std::string clock_text(std::chrono::seconds s);
// The drawn line, at most 79 columns: company n of N (done of them
// finished), its name, the bar, the time gone and the time left.
std::string progress_line(int n, int done, int total, std::string_view name, std::chrono::seconds gone,
                          std::chrono::seconds left, bool left_known);

}  // namespace vx::unattended
