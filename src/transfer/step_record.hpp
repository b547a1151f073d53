#pragma once
// The event of one copy, told to the observers once however the copy ends
// (not while a stop unwinds it: a stopped step is no outcome).
#include <exception>
#include <string_view>
#include <utility>

#include "dialogue/dialogue.hpp"

namespace vx::transfer {

class StepRecord {
 public:
  StepRecord(dialogue::Dialogue& talk, std::string_view source, std::string_view target)
      : talk_(talk), unwinding_(std::uncaught_exceptions()) {
    event_.source = source;
    event_.target = target;
  }
  ~StepRecord() {
    if (std::uncaught_exceptions() == unwinding_) talk_.step(std::move(event_));
  }
  StepRecord(const StepRecord&) = delete;
  StepRecord& operator=(const StepRecord&) = delete;

  void ended(dialogue::Outcome outcome) { event_.outcome = outcome; }
  // The first failure shown is the one that counts.
  void failed(std::string_view message) {
    if (event_.outcome == dialogue::Outcome::kFailed) return;
    event_.outcome = dialogue::Outcome::kFailed;
    event_.message = message;
  }
  void read_records(std::uint64_t n) { event_.records_read += n; }
  void wrote_records(std::uint64_t n) { event_.records_written += n; }
  void wrote_bytes(std::uint64_t n) { event_.bytes += n; }

 private:
  dialogue::Dialogue& talk_;
  int unwinding_;
  dialogue::StepEvent event_;
};

}  // namespace vx::transfer
