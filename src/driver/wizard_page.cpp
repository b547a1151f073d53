#include "driver/wizard_page.hpp"

#include <algorithm>

#include "driver/wizard.hpp"
#include "platform/key_codes.hpp"
#include "ui/push_button.hpp"

namespace vx::driver {

namespace {
constexpr int kButtonRow = 19;
constexpr int kButtonWidth = 14;
constexpr int kButtonHeight = 2;  // the face and the shadow below it
constexpr int kBackColumn = 14, kCancelColumn = 34, kNextColumn = 54;
}  // namespace

WizardPage::WizardPage(Session& run, std::string_view title, std::initializer_list<std::uint16_t> closing)
    : DialogForm(run.ui, kPageLeft, kPageTop, kPageWidth, kPageHeight, title), run_(run), closing_(closing) {}

void WizardPage::HandleEvent(ui::UiEvent& ev) {
  if (ev.kind == ui::kEventCommand &&
      std::find(closing_.begin(), closing_.end(), ev.command) != closing_.end()) {
    if (MayClose(ev.command)) End();
    return;
  }
  DialogForm::HandleEvent(ev);
}

bool WizardPage::MayClose(std::uint16_t) { return true; }

void WizardPage::AddBackButton() {
  Add<ui::PushButton>(kBackColumn, kButtonRow, kButtonWidth, kButtonHeight, "<< Wstecz", cmBack);
}

void WizardPage::AddCancelButton() {
  Add<ui::PushButton>(kCancelColumn, kButtonRow, kButtonWidth, kButtonHeight, "Poniechaj",
                      cmCancel);
}

void WizardPage::AddNextButton() {
  Add<ui::PushButton>(kNextColumn, kButtonRow, kButtonWidth, kButtonHeight, "Dalej >>", cmNext);
}

ui::StatusKey next_page_key() { return {"PgDn-Dalej", platform::keys::kPgDn, cmNext}; }
ui::StatusKey back_page_key() { return {"PgUp-Wstecz", platform::keys::kPgUp, cmBack}; }
ui::StatusKey start_key() { return {"F5-ZACZNIJ", platform::keys::kF5, cmStart}; }

std::unique_ptr<ui::DialogForm> make_page(Session& run, int page) {
  switch (page) {
    case 1: return make_location_page(run);
    case 2: return make_global_page(run);
    case 3: return make_company_page(run);
    case 4: return make_start_page(run);
    default: return nullptr;
  }
}

}  // namespace vx::driver
