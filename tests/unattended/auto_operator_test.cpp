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
  platform::QuietConsole console;
  config::UnattendedAnswers a;
  AutoOperator op(a, console);
  const auto tone = dialogue::Tone::kPrompt;
  // The defaults: keep, the 2017 file, carry people, hide and create nothing.
  EXPECT_EQ(op.choose(Choice::kOverwrite, tone, "", "AWNZ"), 'N');
  EXPECT_EQ(op.choose(Choice::kAnnualSource, tone, "", "BNA"), 'B');
  EXPECT_EQ(op.choose(Choice::kPerson, tone, "", "TNW"), 'T');
  EXPECT_EQ(op.choose(Choice::kPitPerson, tone, "", "TN"), 'T');
  EXPECT_FALSE(op.yes_no(Question::kHideUnsettledDocuments, ""));
  EXPECT_FALSE(op.yes_no(Question::kCarryOpenDecember, ""));
  EXPECT_EQ(op.box(Box::kCreateMissing, {}), BoxAnswer::kNo);
  EXPECT_EQ(op.box(Box::kGoOnAfterIoError, {}), BoxAnswer::kYes);
  EXPECT_EQ(op.box(Box::kReport, {}), BoxAnswer::kOk);

  a = {.replace_existing = true, .annual_from_2018 = true, .hide_unsettled = true, .carry_person = false,
       .carry_pit_person = false, .carry_open_december = true, .create_missing = true};
  EXPECT_EQ(op.choose(Choice::kOverwrite, tone, "", "AWNZ"), 'A');
  EXPECT_EQ(op.choose(Choice::kAnnualSource, tone, "", "BNA"), 'A');
  EXPECT_EQ(op.choose(Choice::kPerson, tone, "", "TNW"), 'N');
  EXPECT_EQ(op.choose(Choice::kPitPerson, tone, "", "TN"), 'N');
  EXPECT_TRUE(op.yes_no(Question::kHideUnsettledDocuments, ""));
  EXPECT_TRUE(op.yes_no(Question::kCarryOpenDecember, ""));
  EXPECT_EQ(op.box(Box::kCreateMissing, {}), BoxAnswer::kYes);
  // A key the question does not offer is never given.
  EXPECT_EQ(op.choose(Choice::kOverwrite, tone, "", "WZ"), 'W');
  // A line left to be read has nobody to read it: no time goes by.
  const auto start = std::chrono::steady_clock::now();
  op.linger(60'000);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
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
