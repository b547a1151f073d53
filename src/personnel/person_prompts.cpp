#include "personnel/person_prompts.hpp"

#include <string>

#include "charset/polish.hpp"

namespace vx::personnel {

std::string person_name(const Staff& staff, ConstRecordView rec, TextField surname, TextField first_name) {
  return charset::convert_text(staff.cs, rec.text(surname.offset, surname.capacity) + ' ' +
                                             rec.text(first_name.offset, first_name.capacity));
}

void show_person(Staff& staff, std::string_view label, ConstRecordView rec, TextField surname,
                 TextField first_name) {
  const std::string name = person_name(staff, rec, surname, first_name);
  staff.talk.write(label, dialogue::Tone::kQuiet);
  staff.talk.write(name, dialogue::Tone::kKeyHint);
}

void report_and_wait(Staff& staff, std::string_view message) {
  staff.talk.line(message);
  staff.talk.acknowledge();
}

PersonOf person_of(const Staff& staff, std::int64_t person_id) {
  const auto& persons = staff.state.persons;
  if (persons.contains(person_id)) return PersonOf::kCarried;
  return persons.past_table(person_id) ? PersonOf::kPastTable : PersonOf::kNotCarried;
}

}  // namespace vx::personnel
