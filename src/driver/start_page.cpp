// Page 4: global data, companies or both, the program subdirectory the
// global files come from, and the start.
#include "charset/cp852.hpp"
#include "driver/wizard_page.hpp"
#include "ui/check_controls.hpp"
#include "ui/field_label.hpp"
#include "ui/input_field.hpp"
#include "ui/push_button.hpp"

namespace vx::driver {

namespace {

constexpr int kVersionWidth = 7;
constexpr int kStopItem = 3;  // the page opens on "Zatrzymywac akcje co firme"

// The first line of the scope group shares its row with the version field:
// the field and its label are drawn again over the group's blank padding.
class ScopeGroup final : public ui::CheckGroup {
 public:
  using CheckGroup::CheckGroup;
  void DrawOver(ui::Control* control) { over_ = control; }

 protected:
  void DrawBody() override {
    CheckGroup::DrawBody();
    if (over_) over_->Draw();
  }

 private:
  ui::Control* over_ = nullptr;
};

class StartPage final : public WizardPage {
 public:
  explicit StartPage(Session& run)
      : WizardPage(run, cp852(" START KOPIOWANIA "), {cmBack, cmStart, cmCancel}) {
    Options& o = run.options;
    auto* scope = Add<ScopeGroup>(ui::make_label(3, 3, texts::kCopyScopeLabel), 4, 4,
                                  item_list(texts::kCopyScopeItems), o.copy_scope);
    // Reads on with the first item: "Dane Globalne z" #BIN970 "do #BIN980".
    scope->DrawOver(
        Add<ui::InputField>(ui::make_label(32, 4, texts::kVersionLabel), 24, 4,
                            kVersionWidth, o.source_version));
    Add<ui::CheckBox>(ui::make_label(3, 7, texts::kRunLabel), 4, 8, o.stop_per_company,
                      texts::kStopPerCompany);
    Add<ui::PushButton>(14, 12, 14, 3, "ZACZNIJ", cmStart);
    AddBackButton();
    AddCancelButton();
    SetStatusBar({back_page_key(), start_key()});
    FocusItem(kStopItem);
  }
};

}  // namespace

std::unique_ptr<ui::DialogForm> make_start_page(Session& run) {
  return std::make_unique<StartPage>(run);
}

}  // namespace vx::driver
