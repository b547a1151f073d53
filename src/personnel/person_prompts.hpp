#pragma once
// What the personnel filters show and ask on the progress line, and the
// lookup of a dependent record's person.
#include <cstdint>
#include <string_view>

#include "driver/session.hpp"
#include "recordfile/record_view.hpp"

namespace vx::personnel {

// label in dark grey, then surname and first name converted, in white; the
// line stays open.
void show_person(Session& run, std::string_view label, ConstRecordView rec, TextField surname,
                 TextField first_name);

// The question in light green, then keys (upper-cased) until one of the
// accepted ones, which is returned; other keys are ignored.
std::uint8_t ask_choice(Session& run, std::string_view question, std::string_view accepted);

enum class PersonOf {
  kCarried,
  kPastTable,   // carried, but the table had no room for the ID
  kNotCarried,
};
// Whether the person a dependent record belongs to was carried.
PersonOf person_of(const Session& run, std::int64_t person_id);

// Shows a message line and waits for a key.
void report_and_wait(Session& run, std::string_view message);

}  // namespace vx::personnel
