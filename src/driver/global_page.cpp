// Page 2: the global files of the program directory to carry over.
#include "driver/wizard_page.hpp"
#include "ui/check_controls.hpp"
#include "ui/field_label.hpp"

namespace vx::driver {

namespace {

class GlobalPage final : public WizardPage {
 public:
  explicit GlobalPage(Session& run)
      : WizardPage(run, texts::kGlobalPageTitle, {cmBack, cmNext, cmCancel}) {
    Add<ui::CheckGroup>(ui::make_label(3, 3, texts::kCopyItemsLabel), 4, 4, item_list(texts::kGlobalItems),
                        run.options.global_items);
    AddBackButton();
    AddCancelButton();
    AddNextButton();
    SetStatusBar({back_page_key(), next_page_key()});
  }
};

}  // namespace

std::unique_ptr<ui::DialogForm> make_global_page(Session& run) {
  return std::make_unique<GlobalPage>(run);
}

}  // namespace vx::driver
