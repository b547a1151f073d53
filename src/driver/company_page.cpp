// Page 3: what to carry of each company's data.
#include "charset/cp852.hpp"
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
      : WizardPage(run, cp852(" Dane firmowe  "), {cmBack, cmNext, cmCancel}) {
    Options& o = run.options;
    items_ = Add<ui::CheckGroup>(
        ui::make_label(2, 1, cp852("Zaznaczam do kopiowania :")), 3, 2,
        ui::ItemList{cp852("dane tekstowe firmy"),
                     cp852("dane pracowników, właścicieli *)"),
                     cp852("dane rodzin ww                *)"),
                     cp852("dane do PIT-D  **)"),
                     cp852("bazę adresów lokalnych"),
                     cp852("bazę automatów sprzedaży"),
                     cp852("bazę automatów zakupów"),
                     cp852("bazę stalych F1..F10, Notatnik"),
                     cp852("baze przekazów pieniężnych"),
                     cp852("ustawienia składnikow wynagrodzeń"),
                     cp852("Dane ZUS-PEL ZUS_PEL.INI"),
                     cp852("środki trwałe umożone jednorazowo"),
                     cp852("ustawienia danych na przelewach"),
                     cp852("bazę dowodów wewnętrznych"),
                     cp852("bazę wystawionych odsetek"),
                     cp852("listę pojazdów na cele VAT")},
        o.company_items);
    Add<ui::RadioGroup>(ui::make_label(41, 1, cp852("*) Dane - przenieś :")), 42, 2,
                        ui::ItemList{cp852("wszystkich"), cp852("zatrudnionych na 31.12.2017"),
                                     cp852("pytaj sie o każdego")},
                        o.person_scope);
    Add<ui::RadioGroup>(ui::make_label(41, 5, cp852("**) z PID-5 - przenieś :")), 42, 6,
                        ui::ItemList{cp852("wszystkich"), cp852("pytaj sie o każdego")},
                        o.pit_scope);
    Add<ui::CheckGroup>(ui::make_label(41, 8, cp852("Wprowadzone już w 2018 roku ")), 42, 9,
                        ui::ItemList{cp852("dokumenty księgowe"),
                                     cp852("wynagrodzenia pracowników"),
                                     cp852("umowy zlecenia"),
                                     cp852("noty księgowe"),
                                     cp852("Deklaracje DRA")},
                        o.entered_2018_items);
    Add<ui::CheckGroup>(ui::make_label(41, 14, cp852("Programy \"DLL\"")), 42, 15,
                        ui::ItemList{cp852("ST 140/150 \"Kolmo/vx\""), cp852("KM 140 \"Kolmo\""),
                                     cp852("KM 150 \"vx\"")},
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
