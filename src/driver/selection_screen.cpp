#include "driver/selection_screen.hpp"

#include "charset/cp852.hpp"
#include "companies/register_loader.hpp"
#include "platform/key_codes.hpp"
#include "ui/commands.hpp"
#include "ui/dialog_form.hpp"
#include "ui/list_box.hpp"

namespace vx::driver {

using companies::CompanyEntry;
using companies::CompanyTable;

namespace {

constexpr std::uint16_t cmToggle = 0xF0;
constexpr std::uint16_t cmSelectAll = 0xF1;
constexpr std::uint16_t cmSelectNone = 0xF2;
constexpr std::uint16_t cmAccept = ui::CMD_OK;

constexpr char kSelectedMark = '\xFE';
constexpr int kLineWidth = 52;
// Columns of a list line, from 0.
constexpr std::size_t kMarkColumn = 31, kDirectoryColumn = 33, kInfoColumn = 42;

// Name, the selection mark, directory and info of one company on 52 columns.
std::string company_line(const CompanyEntry& e) {
  std::string line(kLineWidth, ' ');
  auto put = [&line](std::size_t at, const std::string& text) {
    for (std::size_t i = 0; i < text.size() && at + i < line.size(); ++i) line[at + i] = text[i];
  };
  put(0, e.name());
  line[kMarkColumn] = e.selected ? kSelectedMark : ' ';
  put(kDirectoryColumn, e.directory());
  put(kInfoColumn, e.info());
  return line;
}

class CompanyList final : public ui::ListBox {
 public:
  CompanyList(vx::Session& run, std::int32_t* current)
      : ListBox(run.ui, nullptr, 1, 2, kLineWidth, 10, current), table_(run.companies) {
    SetUserValue(static_cast<std::int32_t>(table_.entries.size()));
  }
  std::int32_t ItemCount() override { return UserValue(); }
  std::string ItemText(std::int32_t n) override {
    return company_line(table_.entries[static_cast<std::size_t>(n - 1)]);
  }

 private:
  CompanyTable& table_;
};

class SelectionScreen final : public ui::DialogForm {
 public:
  explicit SelectionScreen(vx::Session& run)
      : DialogForm(run.ui, 10, 6, 58, 15, cp852(" BAZA FIRM ")), run_(run) {
    WriteText(3, 1, cp852("Nazwa                   Wybrana? KATALOG   INFO"), 0x07);
    list_ = Add<CompanyList>(run, &current_);
    SetStatusBar({
        {cp852("SPACE - Zaznacz (").str() + kSelectedMark + ")", platform::keys::kSpace, cmToggle},
        {cp852("^W Wszystkie ").str(), platform::keys::ctrl_letter('W'), cmSelectAll},
        {cp852("^D Żadna ").str(), platform::keys::ctrl_letter('D'), cmSelectNone},
        {cp852("F5 - ZACZNIJ").str(), platform::keys::kF5, cmAccept},
    });
  }

  void HandleEvent(ui::UiEvent& ev) override {
    auto& entries = run_.companies.entries;
    if (ev.kind == ui::kEventCommand) {
      switch (ev.command) {
        case cmToggle:
          if (current_ >= 1 && current_ <= static_cast<std::int32_t>(entries.size())) {
            auto& sel = entries[static_cast<std::size_t>(current_ - 1)].selected;
            sel = sel ? 0 : 1;
          }
          list_->Draw();
          return;
        case cmSelectAll:
        case cmSelectNone:
          for (auto& e : entries) e.selected = ev.command == cmSelectAll ? 1 : 0;
          list_->Draw();
          return;
        default:
          break;
      }
    }
    DialogForm::HandleEvent(ev);
  }

 private:
  Session& run_;
  std::int32_t current_ = 1;
  CompanyList* list_ = nullptr;
};

}  // namespace

bool select_companies(Session& run) {
  return companies::load_register(run.office) > 0 && select_listed_companies(run);
}

bool select_listed_companies(Session& run) {
  SelectionScreen screen(run);
  if (!screen.IsOpen()) return false;
  return screen.Execute() == cmAccept;
}

}  // namespace vx::driver
