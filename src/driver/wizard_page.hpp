#pragma once
// What the four wizard pages share: the window, the buttons of the bottom
// row, the status keys and the commands that close a page.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "driver/program_flow.hpp"
#include "driver/session.hpp"
#include "driver/wizard_texts.hpp"
#include "ui/dialog_form.hpp"
#include "ui/item_list.hpp"
#include "ui/status_bar.hpp"

namespace vx::driver {

// Window of every page, in screen columns and rows.
inline constexpr int kPageLeft = 3, kPageTop = 3, kPageWidth = 76, kPageHeight = 22;

class WizardPage : public ui::DialogForm {
 public:
  // Closes the page on its own commands, hands everything else on.
  void HandleEvent(ui::UiEvent& ev) override;

 protected:
  WizardPage(Session& run, std::string_view title, std::initializer_list<std::uint16_t> closing);

  // The run whose options the page edits.
  Session& GetSession() const { return run_; }

  // The buttons of row 19, each where every page has it.
  void AddBackButton();
  void AddCancelButton();
  void AddNextButton();

  // Asked before a closing command closes the page.
  virtual bool MayClose(std::uint16_t command);

 private:
  Session& run_;
  std::vector<std::uint16_t> closing_;
};

// A group's items, from one array of the wizard's texts.
template <std::size_t N>
ui::ItemList item_list(const texts::ItemText (&items)[N]) {
  ui::ItemList list;
  for (const auto& text : items) list.Add(text.view());
  return list;
}

// Status keys of the pages.
ui::StatusKey next_page_key();  // PgDn
ui::StatusKey back_page_key();  // PgUp
ui::StatusKey start_key();      // F5

std::unique_ptr<ui::DialogForm> make_location_page(Session& run);
std::unique_ptr<ui::DialogForm> make_global_page(Session& run);
std::unique_ptr<ui::DialogForm> make_company_page(Session& run);
std::unique_ptr<ui::DialogForm> make_start_page(Session& run);

}  // namespace vx::driver
