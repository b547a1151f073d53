// Page 1: the two data roots, the character standard and the extra options.
#include "charset/cp852.hpp"
#include "driver/location_check.hpp"
#include "driver/wizard_page.hpp"
#include "ui/check_controls.hpp"
#include "ui/field_label.hpp"
#include "ui/input_field.hpp"

namespace vx::driver {

namespace {

constexpr int kRootWidth = 50;              // columns shown; the roots hold up to 255
constexpr std::uint8_t kHintColour = 0x07;  // light grey on black

class LocationPage final : public WizardPage, private RootFields {
 public:
  explicit LocationPage(Session& run)
      : WizardPage(run, cp852(" Lokalizacja "), {cmNext, cmBack, cmCancel}) {
    Options& o = run.options;
    source_ = Add<ui::InputField>(ui::make_label(3, 3, cp852("katalogu źrodłowy:")), 4, 4,
                                  kRootWidth, run.loc.source_root, ui::kFieldLengthMax);
    source_item_ = ItemCount();
    // Beside the label: where the 2017 register is looked for.
    WriteText(22, 3, cp852("tam gdzie jest plik ") + run.env.register_file_name, kHintColour);
    target_ = Add<ui::InputField>(ui::make_label(3, 6, cp852("lokalizacja docelowa:")), 4, 7,
                                  kRootWidth, run.loc.target_root, ui::kFieldLengthMax);
    target_item_ = ItemCount();
    Add<ui::RadioGroup>(ui::make_label(4, 9, texts::kCharsetLabel), 4, 10, item_list(texts::kCharsetItems),
                        run.cs.charset_mode);
    Add<ui::CheckBox>(ui::make_label(4, 14, texts::kExtraOptionsLabel), 5, 15, o.warn_open_december,
                      texts::kWarnOpenDecember);
    Add<ui::CheckBox>(nullptr, 5, 16, o.show_slowly, texts::kShowSlowly);
    Add<ui::CheckBox>(nullptr, 5, 17, o.hide_converted, texts::kHideConverted);
    AddCancelButton();
    AddNextButton();
    SetStatusBar({next_page_key()});
  }

 protected:
  // Leaving the page either way needs usable roots; cancelling does not.
  bool MayClose(std::uint16_t command) override {
    return command == cmCancel || check_locations(GetSession(), *this);
  }

 private:
  void Redraw(RootField field) override {
    (field == RootField::kSource ? source_ : target_)->Draw();
  }
  void Focus(RootField field) override {
    FocusItem(field == RootField::kSource ? source_item_ : target_item_);
  }

  ui::InputField* source_ = nullptr;
  ui::InputField* target_ = nullptr;
  int source_item_ = 0, target_item_ = 0;
};

}  // namespace

std::unique_ptr<ui::DialogForm> make_location_page(Session& run) {
  return std::make_unique<LocationPage>(run);
}

}  // namespace vx::driver
