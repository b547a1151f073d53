#include "transfer/overwrite_question.hpp"

#include "charset/polish.hpp"
#include "transfer/console_prompts.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {

// W replaces this file, Z keeps it; A and N do the same for every later file.
constexpr std::uint8_t kReplaceAll = 'A';
constexpr std::uint8_t kKeepAll = 'N';
constexpr std::uint8_t kReplace = 'W';
constexpr std::uint8_t kKeep = 'Z';

std::uint8_t read_answer(Session& run) {
  for (;;) {
    const std::uint8_t key = charset::upper_char(read_key(run));
    if (key == kReplaceAll || key == kKeepAll || key == kReplace || key == kKeep) return key;
  }
}

}  // namespace

bool keep_existing(Session& run, std::string_view target) {
  auto& policy = run.transfer.overwrite_policy;
  if (policy == kKeepAllFollowing) return true;
  if (policy == kReplaceAllFollowing) return false;

  set_colour(run, kError);
  print_line(run, msg::kFoundExisting + target);
  set_colour(run, kOffered);
  print_line(run, msg::kReplaceChoice);
  write_clipped(run, msg::kKeepChoice);
  set_colour(run, kKeyHint);
  write_clipped(run, msg::kOverwriteKeys);
  const std::uint8_t answer = read_answer(run);
  set_colour(run, kNormal);
  print_line(run, "");

  switch (answer) {
    case kReplaceAll:
      policy = kReplaceAllFollowing;
      return false;
    case kKeepAll:
      policy = kKeepAllFollowing;
      return true;
    case kReplace:
      return false;
    default:
      return true;
  }
}

}  // namespace vx::transfer
