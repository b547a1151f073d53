#pragma once
// What the terminal's terminfo entry says it can do, asked before curses
// takes the terminal over.

namespace vx::platform {

// Whether the terminal named by TERM can place the cursor at a cell ("cup").
// An unknown terminal counts as able: newterm refuses it with its own word.
bool terminal_addresses_cursor();

}  // namespace vx::platform
