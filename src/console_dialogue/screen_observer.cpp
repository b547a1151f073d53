#include "console_dialogue/screen_observer.hpp"

#include <string>

#include "console_dialogue/screen_lines.hpp"
#include "ui/toolkit.hpp"

namespace vx::console_dialogue {

namespace {
// The warning signal: one short tone.
constexpr int kSignalHz = 880;
constexpr int kSignalLength = 4;  // units of 48 ms
}  // namespace

void ScreenObserver::write(dialogue::Tone tone, std::string_view text) {
  set_colour(out_, colour_of(tone));
  write_clipped(out_, text);
  set_colour(out_, kNormal);
}

void ScreenObserver::line(dialogue::Tone tone, std::string_view text) {
  set_colour(out_, colour_of(tone));
  print_line(out_, text);
  set_colour(out_, kNormal);
}

void ScreenObserver::failure(std::string_view text) { failure_line(out_, text); }

void ScreenObserver::failure_here(std::string_view text) {
  if (room_on_line(out_) < text.size()) {
    failure_line(out_, text);
    return;
  }
  set_colour(out_, kError);
  write_clipped(out_, text);
  set_colour(out_, kNormal);
}

void ScreenObserver::new_page() { out_.clear(); }

void ScreenObserver::signal() { ui::beep(ui_, kSignalHz, kSignalLength); }

void ScreenObserver::enter(dialogue::Area area) {
  saved_.push_back(out_.save());
  out_.set_window(area == dialogue::Area::kPlanWindow ? ui::kPlanWindow : ui::kCopyWindow);
}

void ScreenObserver::leave(dialogue::Area) {
  if (saved_.empty()) return;
  out_.restore(saved_.back());
  saved_.pop_back();
}

}  // namespace vx::console_dialogue
