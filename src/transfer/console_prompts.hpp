#pragma once
// Progress lines, key reads and yes/no questions of the copies, written into
// the current text window. Colours are the 16 text-mode colour indices.
#include <cstdint>
#include <string_view>

#include "driver/session.hpp"

namespace vx::transfer {

enum Colour : std::uint8_t {
  kBlack = 0,
  kDarkGrey = 8,
  kNormal = 7,      // light grey
  kCopyStarts = 9,  // light blue
  kLightGreen = 10,
  kError = 12,      // light red: errors and questions
  kOffered = 14,    // yellow: answers offered, warnings
  kKeyHint = 15,    // white
};

void set_colour(Session& run, std::uint8_t colour);
// Writes at the cursor without a line end, cut to the room left on the line.
void write_clipped(Session& run, std::string_view text);
// The characters write_clipped has room for.
std::size_t room_on_line(Session& run);
// One progress line; a full window is cleared and printing restarts at its top.
void print_line(Session& run, std::string_view text);
// A light red line of its own: begun on the next line when the cursor was
// left after a label, so that it is never cut to nothing. No key wait.
void failure_line(Session& run, std::string_view text);
// Waits for a key and forgets the keys typed ahead; 0 for a special key.
std::uint8_t read_key(Session& run);
// Asks until T or N (either case); true for T.
bool ask_yes_no(Session& run, std::string_view question);
// Waits 1.5 s when the operator asked to see the work slowly.
void pause_if_slow(Session& run);
void clear_screen(Session& run);

// Size of a file (not a directory); 0 when missing or empty.
std::uint64_t file_size_of(std::string_view name);
bool directory_exists(std::string_view path);

}  // namespace vx::transfer
