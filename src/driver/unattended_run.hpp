#pragma once
// "/auto[:PLIK.INI]": the whole migration without an operator, its answers
// from a profile (or the defaults), its progress on standard output and its
// errors in the report. "/wzor:PLIK.INI" writes a profile of the defaults.
#include <optional>
#include <string>
#include <vector>

#include "driver/session.hpp"

namespace vx::driver {

struct UnattendedRequest {
  enum class Kind : std::uint8_t { kRun, kTemplate } kind = Kind::kRun;
  std::string profile;  // empty: the defaults
};

// The request the arguments make, if any.
std::optional<UnattendedRequest> unattended_request(const std::vector<std::string>& arguments);

// Exit codes of an unattended run: every company carried; some had errors
// or were skipped; a bad profile (or the 2018 tree busy), nothing written.
inline constexpr int kAllCarried = 0;
inline constexpr int kNotAllCarried = 1;
inline constexpr int kBadProfile = 2;

// Runs the request; ends the program with its exit code when it is not 0.
void run_unattended(Session& run, const std::vector<std::string>& arguments);

}  // namespace vx::driver
