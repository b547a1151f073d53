#include "personnel/person_prompts.hpp"

#include <string>

#include "transfer/console_prompts.hpp"

namespace vx::personnel {

using transfer::set_colour;
using transfer::write_clipped;

void show_person(Session& run, std::string_view label, ConstRecordView rec, TextField surname,
                 TextField first_name) {
  const std::string name = rec.text(surname.offset, surname.capacity) + ' ' +
                           rec.text(first_name.offset, first_name.capacity);
  set_colour(run, transfer::kDarkGrey);
  write_clipped(run, label);
  set_colour(run, transfer::kKeyHint);
  write_clipped(run, charset::convert_text(run.cs, name));
  set_colour(run, transfer::kNormal);
}

std::uint8_t ask_choice(Session& run, std::string_view question, std::string_view accepted) {
  set_colour(run, transfer::kLightGreen);
  write_clipped(run, question);
  set_colour(run, transfer::kNormal);
  for (;;) {
    const auto key = charset::upper_char(transfer::read_key(run));
    if (key != 0 && accepted.find(static_cast<char>(key)) != std::string_view::npos) return key;
  }
}

void report_and_wait(Session& run, std::string_view message) {
  transfer::print_line(run, message);
  transfer::read_key(run);
}

PersonOf person_of(const Session& run, std::int64_t person_id) {
  const auto& persons = run.personnel.persons;
  if (persons.contains(person_id)) return PersonOf::kCarried;
  return persons.past_table(person_id) ? PersonOf::kPastTable : PersonOf::kNotCarried;
}

}  // namespace vx::personnel
