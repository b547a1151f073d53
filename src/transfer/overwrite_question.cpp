#include "transfer/overwrite_question.hpp"

#include "charset/polish.hpp"
#include "transfer/transfer_messages.hpp"

namespace vx::transfer {

namespace {

// W replaces this file, Z keeps it; A and N do the same for every later file.
constexpr char kReplaceAll = 'A';
constexpr char kKeepAll = 'N';
constexpr char kReplace = 'W';
constexpr char kKeep = 'Z';
constexpr char kAnswers[] = {kReplaceAll, kReplace, kKeepAll, kKeep};

}  // namespace

bool keep_existing(Copier& copier, std::string_view target) {
  auto& policy = copier.state.overwrite_policy;
  if (policy == kKeepAllFollowing) return true;
  if (policy == kReplaceAllFollowing) return false;

  using dialogue::Tone;
  auto& talk = copier.talk;
  talk.line(msg::kFoundExisting + target, Tone::kError);
  talk.line(msg::kReplaceChoice, Tone::kWarning);
  talk.write(msg::kKeepChoice, Tone::kWarning);
  const char answer = talk.choose(dialogue::Choice::kOverwrite, Tone::kKeyHint, msg::kOverwriteKeys,
                                  std::string_view(kAnswers, sizeof kAnswers));
  talk.line("");

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
