#include "console_dialogue/screen_lines.hpp"

#include <algorithm>

#include "platform/filesystem.hpp"

namespace vx::console_dialogue {

std::uint8_t colour_of(dialogue::Tone tone) {
  using dialogue::Tone;
  switch (tone) {
    case Tone::kNormal:
      return kNormal;
    case Tone::kCopyStarts:
      return kCopyStarts;
    case Tone::kError:
      return kError;
    case Tone::kWarning:
      return kOffered;
    case Tone::kKeyHint:
      return kKeyHint;
    case Tone::kQuiet:
      return kDarkGrey;
    case Tone::kPrompt:
      return kLightGreen;
  }
  return kNormal;
}

void set_colour(ui::TextOutput& out, std::uint8_t colour) { out.set_color(colour); }

std::size_t room_on_line(const ui::TextOutput& out) {
  const auto& w = out.window();
  // Room up to the screen column before the window's right edge counted from
  // 0 (the last screen column stays empty), never past the window itself.
  const int x = out.x();
  const int room = std::min((w.right - 1) - x + 1, w.width() - x + 1);
  return room > 0 ? static_cast<std::size_t>(room) : 0;
}

void write_clipped(ui::TextOutput& out, std::string_view text) {
  const std::size_t room = room_on_line(out);
  if (room == 0) return;
  out.write(text.substr(0, std::min(text.size(), room)));
}

bool row_takes_a_line(const ui::TextOutput& out, int y) {
  const auto& w = out.window();
  return y + (w.top - 1) < w.bottom - 1;
}

void print_line(ui::TextOutput& out, std::string_view text) {
  const int y = out.y();
  int next;
  if (row_takes_a_line(out, y)) {
    write_clipped(out, text);
    next = y + 1;
  } else {
    out.clear();
    write_clipped(out, text);
    next = 2;
  }
  out.go_to(1, next);
}

void failure_line(ui::TextOutput& out, std::string_view text) {
  if (out.x() != 1) {
    const int next = out.y() + 1;
    if (next <= out.window().height())
      out.go_to(1, next);
    else
      out.clear();
  }
  set_colour(out, kError);
  print_line(out, text);
  set_colour(out, kNormal);
}

std::uint8_t read_key(platform::Console& console) {
  console.show_cursor(true);
  const auto key = console.read_key();
  while (console.key_waiting()) console.read_key();
  console.show_cursor(false);
  platform::forget_listings();
  return key.ch();
}

}  // namespace vx::console_dialogue
