#pragma once
// A 2017 file whose data went into the 2018 installation is hidden from the
// old installation by a tilde appended to its name, when the operator asked
// for it. The renames wait until the company is in place in the 2018 tree:
// a run stopped before that must find every 2017 file where it was.
#include <string>
#include <string_view>

#include "conversion/company_job.hpp"
#include "platform/filesystem.hpp"

namespace vx::conversion {

// The list of files still to hide, kept in the company's 2018 folder from
// the moment the folder is put in place until the renames are done, so that
// a run stopped in between is finished by the next one.
inline constexpr std::string_view kPendingHidesFile = "~vx1718.ukr";
static_assert(kPendingHidesFile.starts_with(platform::kOwnNamePrefix));

// Remembers path (a file of the company's 2017 folder) to be renamed to
// path + "~" once the company is in place.
void hide_converted_file(CompanyJob& job, std::string_view path);

// Writes the list of remembered files into the company's 2018 folder; false
// (reported) when it could not be written. Nothing to write, nothing written.
bool write_pending_hides(CompanyJob& job, std::string_view company_dir);
// Renames the files of the list in the company's 2018 folder, each reported
// on a line of its own, then removes the list. No list, nothing done.
void finish_pending_hides(CompanyJob& job, std::string_view company_dir);

}  // namespace vx::conversion
