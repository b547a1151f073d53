#pragma once
// What the personnel filters show and ask on the progress line, and the
// lookup of a dependent record's person.
#include <cstdint>
#include <string>
#include <string_view>

#include "personnel/staff.hpp"
#include "recordfile/record_view.hpp"

namespace vx::personnel {

// label in dark grey, then surname and first name converted, in white; the
// line stays open.
// Surname and first name, converted to the target standard.
std::string person_name(const Staff& staff, ConstRecordView rec, TextField surname, TextField first_name);
void show_person(Staff& staff, std::string_view label, ConstRecordView rec, TextField surname,
                 TextField first_name);

enum class PersonOf {
  kCarried,
  kPastTable,   // carried, but the table had no room for the ID
  kNotCarried,
};
// Whether the person a dependent record belongs to was carried.
PersonOf person_of(const Staff& staff, std::int64_t person_id);

// Shows a message line and waits for a key.
void report_and_wait(Staff& staff, std::string_view message);

}  // namespace vx::personnel
