#include "unattended/auto_operator.hpp"

namespace vx::unattended {

namespace {

class NoProgress final : public dialogue::Progress {
 public:
  void advance() override {}
  void reset() override {}
};

// The first of the wanted keys (the answer for every later file, then the
// same answer for this one alone) that the question offers; never another
// answer than the profile's while one of its keys is offered.
char offered(std::string_view wanted, std::string_view keys) {
  for (const char key : wanted)
    if (keys.find(key) != std::string_view::npos) return key;
  return keys.empty() ? wanted.front() : keys.front();
}

}  // namespace

bool AutoOperator::yes_no(dialogue::Question q, std::string_view) {
  using dialogue::Question;
  switch (q) {
    case Question::kHideUnsettledDocuments:
      return answers_.hide_unsettled;
    case Question::kCarryOpenDecember:
      return answers_.carry_open_december;
  }
  return false;
}

char AutoOperator::choose(dialogue::Choice c, dialogue::Tone, std::string_view, std::string_view keys) {
  using dialogue::Choice;
  switch (c) {
    case Choice::kOverwrite:  // A and N answer for every later file too
      return offered(answers_.replace_existing ? "AW" : "NZ", keys);
    case Choice::kAnnualSource:  // B the 2017 file, A the 2018 one from now on
      return offered(answers_.annual_from_2018 ? "AN" : "B", keys);
    case Choice::kPerson:
      return offered(answers_.carry_person ? "T" : "N", keys);
    case Choice::kPitPerson:
      return offered(answers_.carry_pit_person ? "T" : "N", keys);
  }
  return offered("N", keys);
}

bool AutoOperator::may_wait_on() const {
  return waited_ms_ < static_cast<long long>(answers_.lock_wait_seconds) * 1000;
}

dialogue::BoxAnswer AutoOperator::box(dialogue::Box which, std::span<const std::string>) {
  using dialogue::Box;
  using dialogue::BoxAnswer;
  switch (which) {
    case Box::kReport:
      return BoxAnswer::kOk;
    case Box::kCreateMissing:
      return answers_.create_missing ? BoxAnswer::kYes : BoxAnswer::kNo;
    case Box::kWaitForLock:
    case Box::kRetryAccess:
      if (may_wait_on()) return BoxAnswer::kYes;
      waited_ms_ = 0;  // given up: the next file has its own time
      return BoxAnswer::kNo;
    case Box::kGoOnAfterIoError:  // the file in hand fails; the run goes on
      return BoxAnswer::kYes;
  }
  return BoxAnswer::kNo;
}

void AutoOperator::wait_ms(int ms) {
  console_.sleep_ms(ms);
  waited_ms_ += ms;
}

std::unique_ptr<dialogue::Progress> AutoOperator::progress(std::string_view, long) {
  return std::make_unique<NoProgress>();
}

}  // namespace vx::unattended
