#include "dialogue/dialogue.hpp"

#include <algorithm>

namespace vx::dialogue {

void Dialogue::unwatch(Observer& o) { std::erase(observers_, &o); }

void Dialogue::label(std::string_view text, bool stays_open) {
  label_ = text;
  if (text.empty()) return;
  if (stays_open)
    write(text);
  else
    line(text);
}

void Dialogue::write(std::string_view text, Tone tone) {
  for (auto* o : observers_) o->write(tone, text);
}
void Dialogue::line(std::string_view text, Tone tone) {
  for (auto* o : observers_) o->line(tone, text);
}
void Dialogue::failure(std::string_view text) {
  for (auto* o : observers_) o->failure(text);
}
void Dialogue::failure_here(std::string_view text) {
  for (auto* o : observers_) o->failure_here(text);
}
void Dialogue::new_page() {
  for (auto* o : observers_) o->new_page();
}
void Dialogue::signal() {
  for (auto* o : observers_) o->signal();
}
void Dialogue::step(StepEvent e) {
  if (e.label.empty()) e.label = label_;
  for (auto* o : observers_) o->step(e);
}
void Dialogue::global_copy() {
  label_.clear();
  for (auto* o : observers_) o->global_copy();
}
void Dialogue::company(std::string_view name, std::string_view folder) {
  label_.clear();
  for (auto* o : observers_) o->company(name, folder);
}
void Dialogue::company_done(bool carried) {
  for (auto* o : observers_) o->company_done(carried);
}
void Dialogue::left_out(std::string_view kind, std::string_view name) {
  for (auto* o : observers_) o->left_out(kind, name);
}
void Dialogue::balances(double closing_2017, double opening_2018) {
  for (auto* o : observers_) o->balances(closing_2017, opening_2018);
}
void Dialogue::enter(Area a) {
  for (auto* o : observers_) o->enter(a);
}
void Dialogue::leave(Area a) {
  for (auto* o : observers_) o->leave(a);
}

void Dialogue::acknowledge() {
  for (auto* o : observers_) o->acknowledged();
  op_.acknowledge();
}

bool Dialogue::yes_no(Question q, std::string_view question) {
  const bool yes = op_.yes_no(q, question);
  for (auto* o : observers_) o->answered(question, yes ? "T" : "N");
  return yes;
}

char Dialogue::choose(Choice c, Tone tone, std::string_view prompt, std::string_view keys) {
  const char key = op_.choose(c, tone, prompt, keys);
  for (auto* o : observers_) o->answered(prompt, std::string_view(&key, 1));
  return key;
}

BoxAnswer Dialogue::box(Box b, std::span<const std::string> lines) {
  for (auto* o : observers_) o->boxed(b, lines);
  const BoxAnswer a = op_.box(b, lines);
  if (b != Box::kReport && !lines.empty())
    for (auto* o : observers_) o->answered(lines.back(), a == BoxAnswer::kYes ? "T" : "N");
  return a;
}

}  // namespace vx::dialogue
