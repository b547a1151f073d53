#pragma once
// The operator of an unattended run: every question is answered from the
// profile at once, errors are seen by the observers (the report) and the
// run goes on; a locked or busy file is waited for as long as the profile
// allows and then given up.
#include "config/unattended_answers.hpp"
#include "dialogue/operator.hpp"
#include "platform/console.hpp"

namespace vx::unattended {

class AutoOperator : public dialogue::Operator {
 public:
  // The answers are read at each question: the profile is loaded after.
  AutoOperator(const config::UnattendedAnswers& answers, platform::Console& console)
      : answers_(answers), console_(console) {}

  bool yes_no(dialogue::Question q, std::string_view question) override;
  char choose(dialogue::Choice c, dialogue::Tone tone, std::string_view prompt, std::string_view keys) override;
  void acknowledge() override {}
  void pause_if_slow() override {}
  void linger(int) override {}
  dialogue::BoxAnswer box(dialogue::Box which, std::span<const std::string> lines) override;
  void wait_ms(int ms) override;
  void wait_over() override { waited_ms_ = 0; }
  std::unique_ptr<dialogue::Progress> progress(std::string_view title, long range) override;

 private:
  // Whether the wait for the file in hand may go on.
  bool may_wait_on() const;

  const config::UnattendedAnswers& answers_;
  platform::Console& console_;
  long long waited_ms_ = 0;  // since the last wait was over
};

}  // namespace vx::unattended
