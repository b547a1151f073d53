#pragma once
// The ready-made dialogs: the message box and the yes/no prompt.
#include <cstdint>
#include <string_view>

#include "ui/commands.hpp"

namespace vx::ui {

struct Ui;

// The command of the button chosen, or CMD_CANCEL.
std::uint16_t message_box(Ui& ui, int col, int row, int width, int height, std::string_view text,
                          std::uint16_t flags);
// At column 20, row 8, 40 wide, 10 high.
std::uint16_t standard_message_box(Ui& ui, std::string_view text, std::uint16_t flags);
// The standard box with flags 0x401.
void error_report(Ui& ui, std::string_view text);
// True for yes; false for no or when the prompt cannot be opened.
bool yes_no_prompt(Ui& ui, int col, int row, std::string_view question, bool default_yes);

}  // namespace vx::ui
