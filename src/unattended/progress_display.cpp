#include "unattended/progress_display.hpp"

#include <algorithm>

#include "charset/cp852.hpp"

namespace vx::unattended {

namespace {

constexpr std::size_t kLineWidth = 79;
constexpr std::size_t kNameWidth = 22;
constexpr int kBarWidth = 20;
constexpr char kBarDone = '\xDB';  // full block
constexpr char kBarToDo = '\xB0';  // light shade

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

std::string two_digits(long long v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

std::string clock_text(std::chrono::seconds s) {
  const long long total = std::max<long long>(0, s.count());
  const long long h = total / 3600, m = total / 60 % 60, sec = total % 60;
  if (h > 0) return std::to_string(h) + ":" + two_digits(m) + ":" + two_digits(sec);
  return std::to_string(m) + ":" + two_digits(sec);
}

std::string progress_line(int n, int done, int total, std::string_view name, std::chrono::seconds gone,
                          std::chrono::seconds left, bool left_known) {
  const std::string count = std::to_string(total);
  std::string number = std::to_string(n);
  number.insert(0, count.size() > number.size() ? count.size() - number.size() : 0, ' ');
  const int filled = total > 0 ? std::clamp(kBarWidth * done / total, 0, kBarWidth) : 0;
  std::string line = cp852("Firma ").str() + number + "/" + count + " " +
                     padded(std::string(name.substr(0, kNameWidth)), kNameWidth) + " " +
                     std::string(static_cast<std::size_t>(filled), kBarDone) +
                     std::string(static_cast<std::size_t>(kBarWidth - filled), kBarToDo) + " " +
                     clock_text(gone) + cp852(" zostało ").str() + (left_known ? clock_text(left) : "?");
  if (line.size() > kLineWidth) line.resize(kLineWidth);
  return line;
}

void ProgressDisplay::start(bool on_terminal) {
  on_terminal_ = on_terminal;
  started_ = std::chrono::steady_clock::now();
}

void ProgressDisplay::say(std::string_view text) {
  if (drawn_) {
    console_.write_stdout("\r" + std::string(kLineWidth, ' ') + "\r");
    drawn_ = false;
  }
  console_.write_stdout(std::string(text) + "\n");
}

void ProgressDisplay::draw() {
  if (!on_terminal_) return;
  using std::chrono::duration_cast;
  using std::chrono::seconds;
  const auto gone = std::chrono::steady_clock::now() - started_;
  const auto left = done_ > 0 ? gone / done_ * (total_ - done_) : gone;
  console_.write_stdout("\r" + padded(progress_line(std::min(done_ + 1, total_), done_, total_, name_, duration_cast<seconds>(gone),
                                                    duration_cast<seconds>(left), done_ > 0),
                                      kLineWidth));
  drawn_ = true;
}

void ProgressDisplay::failure(std::string_view) { ++failures_; }
void ProgressDisplay::failure_here(std::string_view) { ++failures_; }
void ProgressDisplay::step(const dialogue::StepEvent& e) {
  if (e.outcome == dialogue::Outcome::kFailed) ++failures_;
}
void ProgressDisplay::boxed(dialogue::Box box, std::span<const std::string>) {
  if (box == dialogue::Box::kReport || box == dialogue::Box::kGoOnAfterIoError) ++failures_;
}

void ProgressDisplay::global_copy() {
  in_global_ = true;
  failures_ = 0;
  if (!on_terminal_) return;
  console_.write_stdout("\r" + padded(cp852("Dane globalne ...").str(), kLineWidth));
  drawn_ = true;
}

void ProgressDisplay::leave(dialogue::Area area) {
  if (area != dialogue::Area::kCopyWindow || !in_global_) return;
  in_global_ = false;
  const std::string result = failures_ == 0 ? cp852("skopiowane").str()
                                            : cp852("z błędami: ").str() + std::to_string(failures_);
  const std::string text = cp852("Dane globalne: ").str() + result;
  say(text);
}

void ProgressDisplay::company(std::string_view name, std::string_view folder) {
  name_ = name;
  folder_ = folder;
  failures_ = 0;
  draw();
}

void ProgressDisplay::company_done(bool carried) {
  ++done_;
  std::string result = cp852("przeniesiona").str();
  if (!carried)
    result = cp852("pominięta").str();
  else if (failures_ > 0)
    result = cp852("przeniesiona z błędami: ").str() + std::to_string(failures_);
  const std::string text = cp852("Firma ").str() + std::to_string(done_) + "/" + std::to_string(total_) + " " +
                           padded(folder_, 8) + " " + name_ + ": " + result;
  if (!on_terminal_ || !carried || failures_ > 0) say(text);
  // The next company draws the line again; after the last one its full bar
  // stays on the screen.
  if (on_terminal_ && done_ >= total_) {
    draw();
    console_.write_stdout("\n");
    drawn_ = false;
  }
}

}  // namespace vx::unattended
