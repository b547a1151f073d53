#pragma once
// Whoever answers for a run: the operator at the console, or a profile in
// an unattended run. Exactly one per run. The copies ask it every question
// and it alone decides how long a notice stays or a wait lasts.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "dialogue/tone.hpp"

namespace vx::dialogue {

// Questions of the copy window answered T or N.
enum class Question : std::uint8_t {
  kHideUnsettledDocuments,  // the 2017 file of unsettled documents
  kCarryOpenDecember,       // BZ.2017 of an unapproved December carried as BO.2018 again
};

// Questions answered by one key out of a few, the question's lines already
// printed: the prompt goes on the open line.
enum class Choice : std::uint8_t {
  kOverwrite,     // W replace, Z keep; A and N for every later file
  kAnnualSource,  // B the 2017 file, N the 2018 one, A the 2018 one from now on
  kPerson,        // T carry, N leave, W carry everybody from now on
  kPitPerson,     // T carry, N leave
};

// The framed boxes of the file layer and the company loop.
enum class Box : std::uint8_t {
  kReport,            // an error to acknowledge
  kCreateMissing,     // a file not found: create a new one?
  kWaitForLock,       // blocked by another station: wait on?
  kRetryAccess,       // access refused: try again?
  kGoOnAfterIoError,  // a serious I/O error: carry on?
};

enum class BoxAnswer : std::uint8_t { kYes, kNo, kOk, kCancel };

// A wait or a long piece of work shown as it advances.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void advance() = 0;
  virtual void reset() = 0;
};

class Operator {
 public:
  virtual ~Operator() = default;

  virtual bool yes_no(Question, std::string_view question) = 0;
  // One of keys (upper case), after the prompt in its tone.
  virtual char choose(Choice, Tone, std::string_view prompt, std::string_view keys) = 0;
  // A notice or an error seen: the run goes on.
  virtual void acknowledge() = 0;
  // The operator asked to see the work slowly.
  virtual void pause_if_slow() = 0;
  // A line left a moment for the operator to read; nobody to read it, no
  // moment.
  virtual void linger(int ms) = 0;
  // Lines of the box, each centred.
  virtual BoxAnswer box(Box, std::span<const std::string> lines) = 0;
  // A pause between tries of a locked file, and the end of such waits:
  // keys typed meanwhile are not taken as answers.
  virtual void wait_ms(int ms) = 0;
  virtual void wait_over() = 0;
  virtual std::unique_ptr<Progress> progress(std::string_view title, long range) = 0;
};

}  // namespace vx::dialogue
