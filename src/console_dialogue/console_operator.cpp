#include "console_dialogue/console_operator.hpp"

#include <string>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "console_dialogue/screen_lines.hpp"
#include "ui/commands.hpp"
#include "ui/message_box.hpp"
#include "ui/progress_window.hpp"

namespace vx::console_dialogue {

namespace {

constexpr int kSlowPauseMs = 1500;

std::uint16_t box_flags(dialogue::Box which) {
  using dialogue::Box;
  switch (which) {
    case Box::kReport:
      return ui::kErrorReport;
    case Box::kGoOnAfterIoError:
      return ui::kBoxError | ui::kButtonYes | ui::kButtonNo;
    case Box::kCreateMissing:
    case Box::kWaitForLock:
    case Box::kRetryAccess:
      return ui::kBoxWarning | ui::kButtonYes | ui::kButtonNo;
  }
  return ui::kErrorReport;
}

std::string centred_lines(std::span<const std::string> lines) {
  std::string text;
  for (const auto& line : lines) {
    if (!text.empty()) text += ui::kLineBreak;
    text += ui::kCentre;
    text += line;
  }
  return text;
}

class ProgressBox : public dialogue::Progress {
 public:
  ProgressBox(platform::Console& console, std::string_view title, long range)
      : window_(console, std::string(title), range) {}
  void advance() override { window_.advance(); }
  void reset() override { window_.reset(); }

 private:
  ui::ProgressWindow window_;
};

}  // namespace

bool ConsoleOperator::yes_no(dialogue::Question, std::string_view question) {
  // The question and its answers on one page: on the window's last line the
  // answers would start a cleared window and the operator would be asked
  // without seeing what.
  if (!row_takes_a_line(out_, out_.y() + 1)) {
    out_.clear();
    out_.go_to(1, 1);
  }
  set_colour(out_, kError);
  print_line(out_, question);
  set_colour(out_, kOffered);
  print_line(out_, cp852(" T - tak     "));
  write_clipped(out_, cp852(" N - nie ? "));
  set_colour(out_, kKeyHint);
  write_clipped(out_, cp852("  T / N    "));
  std::uint8_t k;
  do {
    k = charset::upper_char(read_key(ui_.console));
  } while (k != 'T' && k != 'N');
  set_colour(out_, kNormal);
  print_line(out_, "");
  return k == 'T';
}

char ConsoleOperator::choose(dialogue::Choice, dialogue::Tone tone, std::string_view prompt,
                             std::string_view keys) {
  set_colour(out_, colour_of(tone));
  write_clipped(out_, prompt);
  set_colour(out_, kNormal);
  for (;;) {
    const auto key = static_cast<char>(charset::upper_char(read_key(ui_.console)));
    if (key != 0 && keys.find(key) != std::string_view::npos) return key;
  }
}

void ConsoleOperator::acknowledge() { read_key(ui_.console); }

void ConsoleOperator::pause_if_slow() {
  if (show_slowly_) ui_.console.sleep_ms(kSlowPauseMs);
}

dialogue::BoxAnswer ConsoleOperator::box(dialogue::Box which, std::span<const std::string> lines) {
  switch (ui::standard_message_box(ui_, centred_lines(lines), box_flags(which))) {
    case ui::CMD_YES:
      return dialogue::BoxAnswer::kYes;
    case ui::CMD_NO:
      return dialogue::BoxAnswer::kNo;
    case ui::CMD_OK:
      return dialogue::BoxAnswer::kOk;
    default:
      return dialogue::BoxAnswer::kCancel;
  }
}

void ConsoleOperator::wait_ms(int ms) { ui_.console.sleep_ms(ms); }

void ConsoleOperator::wait_over() {
  while (ui_.console.key_waiting()) ui_.console.read_key();
}

std::unique_ptr<dialogue::Progress> ConsoleOperator::progress(std::string_view title, long range) {
  return std::make_unique<ProgressBox>(ui_.console, title, range);
}

}  // namespace vx::console_dialogue
