// Page 3: what to carry of each company's data.
#include "driver/wizard_page.hpp"
#include "ui/check_controls.hpp"
#include "ui/field_label.hpp"

namespace vx::driver {

namespace {

// Bits of company_items: families are carried only with their employees.
constexpr int kEmployees = 1;
constexpr int kFamilies = 2;

class CompanyPage final : public WizardPage {
 public:
  explicit CompanyPage(Session& run)
      : WizardPage(run, texts::kCompanyPageTitle, {cmBack, cmNext, cmCancel}) {
    Options& o = run.options;
    items_ = Add<ui::CheckGroup>(ui::make_label(2, 1, texts::kCopyItemsLabel), 3, 2,
                                 item_list(texts::kCompanyItems), o.company_items);
    Add<ui::RadioGroup>(ui::make_label(41, 1, texts::kPersonScopeLabel), 42, 2,
                        item_list(texts::kPersonScopeItems), o.person_scope);
    Add<ui::RadioGroup>(ui::make_label(41, 5, texts::kPitScopeLabel), 42, 6, item_list(texts::kPitScopeItems),
                        o.pit_scope);
    Add<ui::CheckGroup>(ui::make_label(41, 8, texts::kEntered2018Label), 42, 9,
                        item_list(texts::kEntered2018Items), o.entered_2018_items);
    Add<ui::CheckGroup>(ui::make_label(41, 14, texts::kAddonLabel), 42, 15, item_list(texts::kAddonItems),
                        o.addon_items);
    AddBackButton();
    AddCancelButton();
    AddNextButton();
    SetStatusBar({back_page_key(), next_page_key()});
  }

  // Before every event: families cannot be carried without their employees.
  void PreviewEvent(ui::UiEvent& ev) override {
    std::uint16_t& items = GetSession().options.company_items;
    if (!has_bit(items, kEmployees) && has_bit(items, kFamilies)) {
      items = static_cast<std::uint16_t>(items & ~(1u << kFamilies));
      items_->Draw();
    }
    WizardPage::PreviewEvent(ev);
  }

 private:
  ui::CheckGroup* items_ = nullptr;
};

}  // namespace

std::unique_ptr<ui::DialogForm> make_company_page(Session& run) {
  return std::make_unique<CompanyPage>(run);
}

}  // namespace vx::driver
