#include "dialogue/dialogue.hpp"

#include <gtest/gtest.h>

#include "support/scripted_operator.hpp"
#include "support/transcript_observer.hpp"

namespace vx::test {
namespace {

// Every observer hears every line and step; the operator alone is asked,
// and its answers reach the observers; a step carries the label before it.
TEST(Dialogue, ObserversHearEverythingAndStepsCarryTheirLabel) {
  ScriptedOperator op("TB");
  TranscriptObserver screen, report;
  dialogue::Dialogue talk(op);
  talk.watch(screen);
  talk.watch(report);

  talk.label("Baza adresów");
  talk.step({.source = "a", .target = "b"});
  talk.label("PID-5 ", true);
  talk.write("osoba");
  talk.line(" ok");
  talk.step({.label = "own", .source = "c"});
  talk.label("");
  talk.step({.source = "d"});
  EXPECT_TRUE(talk.yes_no(dialogue::Question::kHideUnsettledDocuments, "Usunąć?"));
  EXPECT_EQ(talk.choose(dialogue::Choice::kAnnualSource, dialogue::Tone::kError, "B/N/A?", "BNA"), 'B');
  talk.unwatch(report);
  talk.line("tylko ekran");

  EXPECT_EQ(screen.text(), "Baza adresów\nPID-5 osoba ok\nUsunąć?B/N/A?tylko ekran\n");
  EXPECT_EQ(report.text(), "Baza adresów\nPID-5 osoba ok\nUsunąć?B/N/A?");
  for (const auto* o : {&screen, &report}) {
    ASSERT_EQ(o->steps().size(), 3u);
    EXPECT_EQ(o->steps()[0].label, "Baza adresów");
    EXPECT_EQ(o->steps()[1].label, "own");
    EXPECT_EQ(o->steps()[2].label, "");
    EXPECT_EQ(o->answers(), (std::vector<std::string>{"T", "B"}));
  }
  EXPECT_EQ(op.asked, (std::vector<std::string>{"Usunąć?", "B/N/A?"}));
}

}  // namespace
}  // namespace vx::test
