#include <algorithm>
#include <string>
#include <vector>

#include "charset/cp852.hpp"
#include "platform/key_codes.hpp"
#include "ui/control_colours.hpp"
#include "ui/event_source.hpp"
#include "ui/message_box.hpp"
#include "ui/screen.hpp"
#include "ui/status_bar.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace {

namespace keys = platform::keys;

constexpr int kMinWidth = 7;
constexpr int kMaxWidth = 76;
constexpr int kLastCol = 77;
constexpr int kLastRow = 24;
constexpr std::uint16_t kCmdYes = 0x1111;
constexpr std::uint16_t kCmdNo = 0x2222;
constexpr char kHotMark = '~';
constexpr std::uint8_t kRule = 0xC4;

std::vector<std::string_view> question_lines(std::string_view question) {
  std::vector<std::string_view> lines;
  for (;;) {
    const auto cr = question.find(kLineBreak);
    lines.push_back(question.substr(0, cr));
    if (cr == std::string_view::npos) return lines;
    question.remove_prefix(cr + 1);
  }
}

// A choice with its hot letter after "~", padded to the width; the hot
// letter in its own colour.
void draw_choice(Window& w, int row, int width, std::string_view choice, bool current,
                 std::uint8_t normal) {
  const auto attr = current ? kCurrentItemColour : normal;
  const auto hot_attr = current ? kHotLetterCurrentColour : kHotLetterColour;
  w.fill(2, row, width, ' ', attr);
  int col = 2;
  bool hot = false;
  for (const char c : choice) {
    if (c == kHotMark) {
      hot = true;
      continue;
    }
    w.write(col++, row, std::string_view(&c, 1), hot ? hot_attr : attr);
    hot = false;
  }
}

}  // namespace

bool yes_no_prompt(Ui& ui, int col, int row, std::string_view question, bool default_yes) {
  const auto lines = question_lines(question);
  int width = kMinWidth;
  for (auto l : lines) width = std::max(width, static_cast<int>(l.size()));
  width = std::min(width, kMaxWidth);
  const int count = static_cast<int>(lines.size());
  if (col + width > kLastCol) col = kLastCol - width;
  if (row + count + 5 > kLastRow) row = kLastRow - (count + 5);

  auto window = Window::open(ui, col, row, col + width + 3, row + count + 4, FrameStyle::kSingle,
                             window_colours(ui.toolkit.colours), "");
  if (!window) return false;
  const auto text_attr = ui.toolkit.colours[kSlotPromptText];
  for (int i = 0; i < count; ++i) {
    std::string line(lines[static_cast<std::size_t>(i)].substr(0, static_cast<std::size_t>(width)));
    line.resize(static_cast<std::size_t>(width), ' ');
    window->write(2, i + 1, line, text_attr);
  }
  window->fill(1, count + 1, width + 2, kRule, window->colours().frame);
  const int yes_row = count + 2;
  const int no_row = count + 3;

  StatusBar bar(ui, {{cp852("^T - tak").str(), keys::ctrl_letter('T'), kCmdYes},
                     {cp852("^N - nie").str(), keys::ctrl_letter('N'), kCmdNo}});
  bool answer = default_yes;
  for (;;) {
    draw_choice(*window, yes_row, width - 2, cp852("~T a k"), answer, text_attr);
    draw_choice(*window, no_row, width - 2, cp852("~N i e"), !answer, text_attr);
    const UiEvent ev = read_event(ui);
    if (ev.is_command(kCmdYes)) return true;
    if (ev.is_command(kCmdNo)) return false;
    if (ev.kind == kEventMouse)
      return ev.buttons == kLeftButton && ev.row == window->screen_row(yes_row) &&
             ev.col >= window->left() && ev.col <= window->right();
    if (ev.kind != kEventKey) continue;
    if (ev.key == keys::kEnter) return answer;
    if (ev.is_char('t') || ev.is_char('T')) return true;
    if (ev.is_char('n') || ev.is_char('N') || ev.key == keys::kEsc) return false;
    if (ev.key == keys::kUp || ev.key == keys::kDown) answer = !answer;
  }
}

}  // namespace vx::ui
