#pragma once
// An operator whose answers are written down before the run, one key per
// question, and who remembers what was asked: engine tests drive the copies
// with it and check events and bytes, never the screen.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogue/operator.hpp"

namespace vx::test {

class ScriptedOperator : public dialogue::Operator {
 public:
  explicit ScriptedOperator(std::string answers = "") : answers_(std::move(answers)) {}

  bool yes_no(dialogue::Question, std::string_view question) override {
    asked.emplace_back(question);
    return next() == 'T';
  }
  char choose(dialogue::Choice, dialogue::Tone, std::string_view prompt, std::string_view keys) override {
    asked.emplace_back(prompt);
    const char key = next();
    EXPECT_NE(keys.find(key), std::string_view::npos) << key << " answers " << prompt;
    return key;
  }
  void acknowledge() override { ++acknowledged; }
  void pause_if_slow() override {}
  void linger(int ms) override { lingered_ms += ms; }
  dialogue::BoxAnswer box(dialogue::Box which, std::span<const std::string> lines) override {
    boxes.push_back(which);
    if (!lines.empty()) asked.push_back(lines.back());
    if (which == dialogue::Box::kReport) return dialogue::BoxAnswer::kOk;
    return next() == 'T' ? dialogue::BoxAnswer::kYes : dialogue::BoxAnswer::kNo;
  }
  void wait_ms(int ms) override { waited_ms += ms; }
  void wait_over() override {}
  std::unique_ptr<dialogue::Progress> progress(std::string_view, long) override {
    return std::make_unique<Quiet>();
  }

  std::vector<std::string> asked;
  std::vector<dialogue::Box> boxes;
  int acknowledged = 0;
  int waited_ms = 0;
  int lingered_ms = 0;

 private:
  struct Quiet : dialogue::Progress {
    void advance() override {}
    void reset() override {}
  };
  // A question past the written answers fails the test and gets N.
  char next() {
    if (at_ < answers_.size()) return answers_[at_++];
    ADD_FAILURE() << "a question with no answer left";
    return 'N';
  }

  std::string answers_;
  std::size_t at_ = 0;
};

}  // namespace vx::test
