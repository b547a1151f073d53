// Page 2: the global files of the program directory to carry over.
#include "charset/cp852.hpp"
#include "driver/wizard_page.hpp"
#include "ui/check_controls.hpp"
#include "ui/field_label.hpp"

namespace vx::driver {

namespace {

class GlobalPage final : public WizardPage {
 public:
  explicit GlobalPage(Session& run)
      : WizardPage(run, cp852(" Dane globalne, konfiguracyjne "), {cmBack, cmNext, cmCancel}) {
    // One item per bit of global_items, from bit 0.
    Add<ui::CheckGroup>(ui::make_label(3, 3, cp852("Zaznaczam do kopiowania :")), 4, 4,
                        ui::ItemList{cp852("Globalnę bazę adresów"),
                                     cp852("Bazę Urzędów Skarbowych"),
                                     cp852("Bazę stałych F1..F10"),
                                     cp852("Dane BIURA do wystawienia rachunków"),
                                     cp852("Dane konfiguracji DLL z WEX_VX.INI"),
                                     cp852("Stałe podatkowe na 2017 rok"),
                                     cp852("Ustawienia składników wynagrodzeń"),
                                     cp852("Ustawienia kolorów"),
                                     cp852("Ustawienia wex_2017.ini -> wex_2018.ini"),
                                     cp852("Plik \"OPERATOR.REK\""),
                                     cp852("Plik \"ZUS_PEL.INI\",\"UMOWY.INI\"")},
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
