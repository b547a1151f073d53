#pragma once
// The profile of an unattended run: an INI file holding what the wizard
// pages would set, which companies to carry and how to answer each
// question, one commented key for each. Every key may be left out: it then
// keeps its default, the wizard's default or the safe answer.
#include <optional>
#include <string>
#include <vector>

#include "config/options.hpp"
#include "config/unattended_answers.hpp"

namespace vx::driver {

struct Profile {
  Options options;
  std::uint8_t charset_mode = 0;
  config::UnattendedAnswers answers;
  // The company folders to carry (CP852); none: every company not carried yet.
  std::vector<std::string> folders;
  int folders_line = 0;  // the line of the profile that named them
};

// What is wrong with a profile: its line (0 for the file as a whole), the
// key and what is wrong with it (CP852).
struct ProfileError {
  int line = 0;
  std::string key;
  std::string text;
};

// Reads the profile over the defaults; an unknown key, a value not
// allowed, a key given twice or a line that is no entry is refused.
std::optional<ProfileError> read_profile(const std::string& path, Profile& profile);

// The profile holding every key with its default and a comment (UTF-8,
// CR LF).
std::string profile_template();

// "PLIK, wiersz 3, klucz FIRMY: ..." (CP852).
std::string profile_error_text(const std::string& path, const ProfileError& e);

// The key naming the companies, for an error found when the roots are known.
inline constexpr std::string_view kCompaniesKey = "FIRMY";

}  // namespace vx::driver
