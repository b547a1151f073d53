#include "ui/message_box.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "charset/cp852.hpp"
#include "ui/dialog_form.hpp"
#include "ui/push_button.hpp"
#include "ui/ui_context.hpp"

namespace vx::ui {

namespace {

constexpr int kButtonWidth = 9;
constexpr std::uint16_t kBoxKindMask = 0x0003;

struct ButtonKind {
  std::uint16_t flag;
  std::uint16_t command;
};
constexpr ButtonKind kButtons[] = {
    {kButtonYes, CMD_YES}, {kButtonNo, CMD_NO}, {kButtonOk, CMD_OK}, {kButtonCancel, CMD_CANCEL}};

std::string_view button_title(std::uint16_t command) {
  static constexpr auto kYes = cp852("Tak");
  static constexpr auto kNo = cp852("Nie");
  static constexpr auto kOk = cp852("OK");
  static constexpr auto kCancel = cp852("Porzuć");
  switch (command) {
    case CMD_YES: return kYes;
    case CMD_NO: return kNo;
    case CMD_OK: return kOk;
    default: return kCancel;
  }
}

std::string_view default_title(std::uint16_t flags) {
  static constexpr auto kWarning = cp852(" UWAGA ");
  static constexpr auto kError = cp852(" Błąd ");
  static constexpr auto kInformation = cp852(" Informacja ");
  static constexpr auto kConfirm = cp852(" Potwierdź ");
  switch (flags & kBoxKindMask) {
    case kBoxWarning: return kWarning;
    case kBoxError: return kError;
    case kBoxInformation: return kInformation;
    default: return kConfirm;
  }
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (;;) {
    const auto cr = text.find(kLineBreak);
    lines.push_back(text.substr(0, cr));
    if (cr == std::string_view::npos) return lines;
    text.remove_prefix(cr + 1);
  }
}

// The scheme as it was, given back however the box ends.
class ColourGuard {
 public:
  explicit ColourGuard(Ui& ui) : ui_(ui), saved_(ui.toolkit.colours) {}
  ~ColourGuard() { ui_.toolkit.colours = saved_; }
  ColourGuard(const ColourGuard&) = delete;
  ColourGuard& operator=(const ColourGuard&) = delete;

 private:
  Ui& ui_;
  ColourScheme saved_;
};

void write_lines(DialogForm& box, std::string_view text, int width, std::uint8_t attr) {
  const auto room = static_cast<std::size_t>(std::max(width - 2, 0));
  int row = 1;
  for (auto line : split_lines(text)) {
    const bool centred = !line.empty() && line[0] == kCentre;
    if (centred) line.remove_prefix(1);
    line = line.substr(0, std::min(line.size(), room));
    const int col = centred ? static_cast<int>(room - line.size()) / 2 + 1 : 1;
    box.WriteText(col, row++, line, attr);
  }
}

}  // namespace

std::uint16_t message_box(Ui& ui, int col, int row, int width, int height, std::string_view text,
                          std::uint16_t flags) {
  ColourGuard colours(ui);
  auto& scheme = ui.toolkit.colours;
  if ((flags & kBoxKindMask) == kBoxError)
    scheme[kSlotWindowFrame] = scheme[kSlotWindowInside] = scheme[kSlotWindowTitle] =
        scheme[kSlotError];

  while (ui.console.key_waiting()) ui.console.read_key();

  std::string_view title = default_title(flags);
  if (const auto bel = text.find(kTitleEnd); bel != std::string_view::npos) {
    title = text.substr(0, bel);
    text.remove_prefix(bel + 1);
  }

  DialogForm box(ui, col, row, width, height, title);
  if (!box.IsOpen()) return CMD_CANCEL;
  write_lines(box, text, width, scheme[kSlotWindowInside]);

  const int count = static_cast<int>(std::count_if(std::begin(kButtons), std::end(kButtons),
                                                   [&](auto b) { return (flags & b.flag) != 0; }));
  const int gap = (width - kButtonWidth * count) / (count + 1);
  int placed = 0;
  for (const auto& b : kButtons) {
    if (!(flags & b.flag)) continue;
    box.Add<PushButton>(gap + placed * (gap + kButtonWidth), height - 3, kButtonWidth, 1,
                        button_title(b.command), b.command);
    ++placed;
  }
  box.SetStatusBar({{"?", 0, 0}});
  return box.Execute();
}

std::uint16_t standard_message_box(Ui& ui, std::string_view text, std::uint16_t flags) {
  return message_box(ui, 20, 8, 40, 10, text, flags);
}

void error_report(Ui& ui, std::string_view text) { standard_message_box(ui, text, kErrorReport); }

}  // namespace vx::ui
