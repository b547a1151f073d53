// The operator of an unattended run: each question answered from the
// profile with a key the question offers, and a locked file waited for as
// long as the profile allows, then given up, the next one waited for anew.
#include "unattended/auto_operator.hpp"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/quiet_console.hpp"

namespace vx::unattended {
namespace {

using dialogue::Box;
using dialogue::BoxAnswer;
using dialogue::Choice;
using dialogue::Question;

TEST(AutoOperator, AnswersEveryQuestionFromTheProfile) {
  const struct {
    const char* what;
    config::UnattendedAnswers answers;
    char overwrite, annual, person, pit_person;
    bool yes;  // hiding, the open December, creating a missing file
  } cases[] = {
      // The defaults: keep, the 2017 file, carry people, hide and create nothing.
      {"defaults", {}, 'N', 'B', 'T', 'T', false},
      {"every other answer",
       {.replace_existing = true, .annual_from_2018 = true, .hide_unsettled = true, .carry_person = false,
        .carry_pit_person = false, .carry_open_december = true, .create_missing = true},
       'A', 'A', 'N', 'N', true},
  };
  const auto tone = dialogue::Tone::kPrompt;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    platform::QuietConsole console;
    AutoOperator op(c.answers, console);
    EXPECT_EQ(op.choose(Choice::kOverwrite, tone, "", "AWNZ"), c.overwrite);
    EXPECT_EQ(op.choose(Choice::kAnnualSource, tone, "", "BNA"), c.annual);
    EXPECT_EQ(op.choose(Choice::kPerson, tone, "", "TNW"), c.person);
    EXPECT_EQ(op.choose(Choice::kPitPerson, tone, "", "TN"), c.pit_person);
    EXPECT_EQ(op.yes_no(Question::kHideUnsettledDocuments, ""), c.yes);
    EXPECT_EQ(op.yes_no(Question::kCarryOpenDecember, ""), c.yes);
    EXPECT_EQ(op.box(Box::kCreateMissing, {}), c.yes ? BoxAnswer::kYes : BoxAnswer::kNo);
    EXPECT_EQ(op.box(Box::kGoOnAfterIoError, {}), BoxAnswer::kYes);
    EXPECT_EQ(op.box(Box::kReport, {}), BoxAnswer::kOk);
    // A key the question does not offer is never given.
    EXPECT_EQ(op.choose(Choice::kOverwrite, tone, "", "WZ"), c.overwrite == 'A' ? 'W' : 'Z');
    // A line left to be read has nobody to read it: no time goes by.
    const auto start = std::chrono::steady_clock::now();
    op.linger(60'000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  }
}

TEST(AutoOperator, WaitsForALockedFileAsLongAsAllowedThenGivesItUp) {
  platform::QuietConsole console;
  config::UnattendedAnswers a{.lock_wait_seconds = 0};
  AutoOperator op(a, console);
  EXPECT_EQ(op.box(Box::kWaitForLock, {}), BoxAnswer::kNo);

  a.lock_wait_seconds = 1;
  int asked = 0;
  for (; asked < 10 && op.box(Box::kWaitForLock, {}) == BoxAnswer::kYes; ++asked) op.wait_ms(300);
  EXPECT_EQ(asked, 4);  // 0, 300, 600 and 900 ms waited: on; 1200: given up
  // The next file has its own time, and so has one after a wait that ended.
  EXPECT_EQ(op.box(Box::kRetryAccess, {}), BoxAnswer::kYes);
  op.wait_ms(1000);
  op.wait_over();
  EXPECT_EQ(op.box(Box::kRetryAccess, {}), BoxAnswer::kYes);
}

}  // namespace
}  // namespace vx::unattended
