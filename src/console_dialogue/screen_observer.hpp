#pragma once
// The copies' lines drawn on the screen, in the current text window, each
// in the colour of its tone.
#include <vector>

#include "dialogue/observer.hpp"
#include "ui/text_output.hpp"
#include "ui/ui_context.hpp"

namespace vx::console_dialogue {

class ScreenObserver : public dialogue::Observer {
 public:
  ScreenObserver(ui::TextOutput& out, ui::Ui& ui) : out_(out), ui_(ui) {}

  void write(dialogue::Tone tone, std::string_view text) override;
  void line(dialogue::Tone tone, std::string_view text) override;
  void failure(std::string_view text) override;
  void failure_here(std::string_view text) override;
  void new_page() override;
  void signal() override;
  void enter(dialogue::Area area) override;
  void leave(dialogue::Area area) override;

 private:
  ui::TextOutput& out_;
  ui::Ui& ui_;
  std::vector<ui::TextOutput::Saved> saved_;
};

}  // namespace vx::console_dialogue
