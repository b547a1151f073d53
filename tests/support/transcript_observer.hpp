#pragma once
// Watches a run the way a written record of it would: every line and every
// answer as text (CP852), every step as its event.
#include <string>
#include <vector>

#include "dialogue/observer.hpp"

namespace vx::test {

class TranscriptObserver : public dialogue::Observer {
 public:
  void write(dialogue::Tone, std::string_view text) override { text_ += text; }
  void line(dialogue::Tone, std::string_view text) override {
    text_ += text;
    text_ += '\n';
  }
  void failure(std::string_view text) override {
    if (!text_.empty() && text_.back() != '\n') text_ += '\n';
    line(dialogue::Tone::kError, text);
  }
  void failure_here(std::string_view text) override { text_ += text; }
  void step(const dialogue::StepEvent& e) override { steps_.push_back(e); }
  void answered(std::string_view question, std::string_view answer) override {
    text_ += question;
    answers_.push_back(std::string(answer));
  }

  const std::string& text() const { return text_; }
  const std::vector<dialogue::StepEvent>& steps() const { return steps_; }
  const std::vector<std::string>& answers() const { return answers_; }

 private:
  std::string text_;
  std::vector<dialogue::StepEvent> steps_;
  std::vector<std::string> answers_;
};

}  // namespace vx::test
