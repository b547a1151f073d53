#include "driver/program_flow.hpp"
#include "driver/wizard.hpp"
#include "platform/key_codes.hpp"

namespace vx::driver {

// Until the pages are built: one empty page that starts with F5.
namespace {
class StartPage final : public ui::DialogForm {
 public:
  explicit StartPage(Run& run) : DialogForm(run, 3, 3, 76, 22, " START KOPIOWANIA ") {
    SetStatusBar({{"F5-ZACZNIJ", platform::keys::kF5, cmStart}});
  }
  void HandleEvent(ui::UiEvent& ev) override {
    if (ev.kind == ui::kEventCommand && (ev.command == cmStart || ev.command == cmCancel)) {
      End();
      return;
    }
    DialogForm::HandleEvent(ev);
  }
};
}  // namespace

std::unique_ptr<ui::DialogForm> make_page(Run& run, int page) {
  if (page < kFirstPage || page > kLastPage) return nullptr;
  return std::make_unique<StartPage>(run);
}

}  // namespace vx::driver
