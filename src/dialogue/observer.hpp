#pragma once
// Whoever watches a run: the screen, a written report. Any number of them
// are told every line the copies print, with its tone, and every step.
#include <span>
#include <string>
#include <string_view>

#include "dialogue/operator.hpp"
#include "dialogue/step_event.hpp"
#include "dialogue/tone.hpp"

namespace vx::dialogue {

// The screen areas the copies print into; a report may take them as
// sections.
enum class Area : std::uint8_t {
  kCopyWindow,  // the global copy and the company loop
  kPlanWindow,  // one company's copy plan
};

class Observer {
 public:
  virtual ~Observer() = default;

  // Text on the open line, no line end.
  virtual void write(Tone, std::string_view /*text*/) {}
  // A line ended: the open one with this text added.
  virtual void line(Tone, std::string_view /*text*/) {}
  // A failure on a line of its own (begun anew after an open label).
  virtual void failure(std::string_view /*text*/) {}
  // A failure added to the open line, or on a line of its own when the
  // open line has no room left for it.
  virtual void failure_here(std::string_view /*text*/) {}
  // The page is full or done with: the next line starts a cleared one.
  virtual void new_page() {}
  // The warning tone.
  virtual void signal() {}
  virtual void enter(Area) {}
  virtual void leave(Area) {}
  virtual void step(const StepEvent&) {}
  // The global files are copied next.
  virtual void global_copy() {}
  // A company's copy starts; it ends carried into 2018, or not.
  virtual void company(std::string_view /*name*/, std::string_view /*folder*/) {}
  virtual void company_done(bool /*carried*/) {}
  // A person, or a family member, the filters left out of 2018 (CP852).
  virtual void left_out(std::string_view /*kind*/, std::string_view /*name*/) {}
  // The closing balance of 2017 and the opening balance carried into 2018.
  virtual void balances(double /*closing_2017*/, double /*opening_2018*/) {}
  // The lines said since the last step were waited on: a notice or an
  // error the operator had to see.
  virtual void acknowledged() {}
  // A framed box put to the operator, before it is answered: an error to
  // acknowledge or a question (its answer follows as answered).
  virtual void boxed(Box, std::span<const std::string> /*lines*/) {}
  // A question and the answer it got, in the words of the keys pressed.
  virtual void answered(std::string_view /*question*/, std::string_view /*answer*/) {}
};

}  // namespace vx::dialogue
