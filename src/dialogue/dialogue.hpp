#pragma once
// The engine's one handle on the outside world: the run's operator and the
// observers watching it. Lines and steps go to every observer; questions to
// the operator, their answers to the observers too.
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/observer.hpp"
#include "dialogue/operator.hpp"

namespace vx::dialogue {

class Dialogue {
 public:
  explicit Dialogue(Operator& op) : op_(op) {}
  Dialogue(const Dialogue&) = delete;
  Dialogue& operator=(const Dialogue&) = delete;

  void watch(Observer& o) { observers_.push_back(&o); }
  void unwatch(Observer& o);
  Operator& op() { return op_; }

  // A step's label, on a line of its own or left open for what follows;
  // the events of the copies after it carry it. An empty one prints nothing.
  void label(std::string_view text, bool stays_open = false);
  void write(std::string_view text, Tone tone = Tone::kNormal);
  void line(std::string_view text, Tone tone = Tone::kNormal);
  void failure(std::string_view text);
  void failure_here(std::string_view text);
  void new_page();
  void signal();
  void step(StepEvent e);
  void global_copy();
  void company(std::string_view name, std::string_view folder);
  void company_done(bool carried);
  void left_out(std::string_view kind, std::string_view name);
  void balances(double closing_2017, double opening_2018);

  bool yes_no(Question q, std::string_view question);
  char choose(Choice c, Tone tone, std::string_view prompt, std::string_view keys);
  // A notice or an error the operator must see before the run goes on.
  void acknowledge();
  // The stop the operator asked for after each company: a key wait that
  // tells nothing.
  void stop_to_look() { op_.acknowledge(); }
  void pause_if_slow() { op_.pause_if_slow(); }
  BoxAnswer box(Box b, std::span<const std::string> lines);
  // An error box to acknowledge.
  void report(std::span<const std::string> lines) { box(Box::kReport, lines); }

  // An observer watching for as long as the scope lasts.
  class Watch {
   public:
    Watch(Dialogue& d, Observer& o) : d_(d), o_(o) { d_.watch(o_); }
    ~Watch() { d_.unwatch(o_); }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

   private:
    Dialogue& d_;
    Observer& o_;
  };

  // An area of the screen for as long as the scope lasts.
  class Scope {
   public:
    Scope(Dialogue& d, Area a) : d_(d), a_(a) { d_.enter(a_); }
    ~Scope() { d_.leave(a_); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Dialogue& d_;
    Area a_;
  };

 private:
  void enter(Area a);
  void leave(Area a);

  Operator& op_;
  std::vector<Observer*> observers_;
  std::string label_;
};

}  // namespace vx::dialogue
