#include "ui/event_source.hpp"

#include <string>

#include "charset/cp852.hpp"
#include "platform/filesystem.hpp"
#include "platform/key_codes.hpp"
#include "ui/dialog_form.hpp"
#include "ui/screen.hpp"
#include "ui/status_bar.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace {

namespace keys = platform::keys;

constexpr auto kSmall = cp852("ąćęłńóśżź§");
constexpr auto kCapital = cp852("ĄĆĘŁŃÓŚŻŹ§");
constexpr char kLatin[] = "ACELNOSZXP";

bool shift_held(std::uint8_t shift) { return shift == 0x2B || shift == 0x68; }

// Columns 1-2 of row 1 close what is open, as Esc does.
bool is_close_corner(const platform::MouseEvent& m) { return m.row == 1 && m.col <= 2; }

UiEvent mouse_event(Ui& ui, const platform::MouseEvent& m) {
  UiEvent ev;
  ev.kind = kEventMouse;
  ev.buttons = m.buttons;
  ev.col = ev.win_col = m.col;
  ev.row = ev.win_row = m.row;
  if (ui.toolkit.current_form && ui.toolkit.current_form->GetWindow()) {
    const Window& w = *ui.toolkit.current_form->GetWindow();
    ev.win_col = m.col - w.left();
    ev.win_row = m.row - w.top();
  }
  return ev;
}

}  // namespace

std::uint8_t polish_letter(std::uint16_t key, std::uint8_t shift) {
  if ((key & 0xFF) != 0) return 0;
  for (std::size_t i = 0; i < kSmall.size; ++i) {
    if (key == keys::alt_letter(kLatin[i]))
      return static_cast<std::uint8_t>(shift_held(shift) ? kCapital.bytes[i] : kSmall.bytes[i]);
  }
  return 0;
}

UiEvent key_event(platform::KeyEvent key, bool polish_input) {
  UiEvent ev;
  ev.kind = kEventKey;
  ev.shift = key.shift;
  std::uint16_t code = key.code;
  if (code == keys::kCtrlI) code = keys::kIns;
  if (code == keys::kCtrlQ) code = keys::kEsc;
  ev.key = code;
  const auto ch = static_cast<std::uint8_t>(code & 0xFF);
  if (ch != 0) {
    ev.ch = ch;
    return ev;
  }
  if (polish_input) {
    if (const auto letter = polish_letter(code, key.shift)) {
      ev.ch = letter;
      ev.key = static_cast<std::uint16_t>(code | letter);
      return ev;
    }
  }
  ev.ch = ' ';
  ev.extended = 1;
  return ev;
}

void update_clock(Ui& ui) {
  const int now = ui.console.seconds_of_day();
  if (now == ui.toolkit.clock_second) return;
  ui.toolkit.clock_second = now;
  std::string text;
  for (const int part : {now / 3600 % 24, now / 60 % 60, now % 60}) {
    if (!text.empty()) text += ':';
    text += static_cast<char>('0' + part / 10);
    text += static_cast<char>('0' + part % 10);
  }
  write_at_screen(ui, kClockCol, 1, text, kClockColour);
}

UiEvent read_event(Ui& ui) {
  auto& console = ui.console;
  if (ui.toolkit.idle_hook) ui.toolkit.idle_hook(ui);
  UiEvent ev;
  for (;;) {
    if (console.key_waiting()) {
      ev = key_event(console.read_key(), ui.toolkit.polish_input);
      break;
    }
    if (auto m = console.take_mouse(); m && m->buttons != 0) {
      while (console.take_mouse()) {
      }
      if (is_close_corner(*m))
        ev = key_event({keys::kEsc, 0}, false);
      else
        ev = mouse_event(ui, *m);
      break;
    }
    update_clock(ui);
    console.present();
    console.idle(kIdlePause);
  }
  // The operator had the time to change files meanwhile.
  platform::forget_listings();
  if (ui.toolkit.status_bar) ui.toolkit.status_bar->translate(ev);
  ui.toolkit.last_event = ev;
  return ev;
}

}  // namespace vx::ui
