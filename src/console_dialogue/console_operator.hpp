#pragma once
// The operator at the console: questions asked in the copy window or in a
// framed box, answers read from the keyboard.
#include "dialogue/operator.hpp"
#include "platform/console.hpp"
#include "ui/text_output.hpp"
#include "ui/ui_context.hpp"

namespace vx::console_dialogue {

class ConsoleOperator : public dialogue::Operator {
 public:
  // show_slowly is read at each pause: the wizard sets it after the start.
  ConsoleOperator(ui::Ui& ui, ui::TextOutput& out, const std::uint8_t& show_slowly)
      : ui_(ui), out_(out), show_slowly_(show_slowly) {}

  bool yes_no(dialogue::Question, std::string_view question) override;
  char choose(dialogue::Choice, dialogue::Tone tone, std::string_view prompt, std::string_view keys) override;
  void acknowledge() override;
  void pause_if_slow() override;
  void linger(int ms) override { wait_ms(ms); }
  dialogue::BoxAnswer box(dialogue::Box which, std::span<const std::string> lines) override;
  void wait_ms(int ms) override;
  void wait_over() override;
  std::unique_ptr<dialogue::Progress> progress(std::string_view title, long range) override;

 private:
  ui::Ui& ui_;
  ui::TextOutput& out_;
  const std::uint8_t& show_slowly_;
};

}  // namespace vx::console_dialogue
