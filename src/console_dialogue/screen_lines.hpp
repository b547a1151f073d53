#pragma once
// Progress lines, key reads and yes/no questions of the copies, written into
// the current text window. Colours are the 16 text-mode colour indices.
#include <cstdint>
#include <string_view>

#include "dialogue/tone.hpp"
#include "platform/console.hpp"
#include "ui/text_output.hpp"

namespace vx::console_dialogue {

enum Colour : std::uint8_t {
  kBlack = 0,
  kDarkGrey = 8,
  kNormal = 7,      // light grey
  kCopyStarts = 9,  // light blue
  kLightGreen = 10,
  kError = 12,    // light red: errors and questions
  kOffered = 14,  // yellow: answers offered, warnings
  kKeyHint = 15,  // white
};

std::uint8_t colour_of(dialogue::Tone tone);

void set_colour(ui::TextOutput& out, std::uint8_t colour);
// Writes at the cursor without a line end, cut to the room left on the line.
void write_clipped(ui::TextOutput& out, std::string_view text);
// The characters write_clipped has room for.
std::size_t room_on_line(const ui::TextOutput& out);
// One progress line; a full window is cleared and printing restarts at its top.
void print_line(ui::TextOutput& out, std::string_view text);
// A light red line of its own: begun on the next line when the cursor was
// left after a label, so that it is never cut to nothing. No key wait.
void failure_line(ui::TextOutput& out, std::string_view text);
// Whether print_line writes on row y of the window, counted from 1, or
// starts a cleared window instead.
bool row_takes_a_line(const ui::TextOutput& out, int y);
// Waits for a key and forgets the keys typed ahead; 0 for a special key.
// The operator had the time to change files meanwhile: folder listings
// read before are dropped.
std::uint8_t read_key(platform::Console& console);

}  // namespace vx::console_dialogue
