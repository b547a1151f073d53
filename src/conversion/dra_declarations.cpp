#include "conversion/dra_declarations.hpp"

#include <array>
#include <cstdint>
#include <string>

#include "conversion/company_path.hpp"
#include "conversion/declaration_messages.hpp"
#include "conversion/text_fields.hpp"
#include "platform/filesystem.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/console_prompts.hpp"
#include "transfer/listed_files.hpp"

namespace vx::conversion {

namespace {

// A failure, shown on the open line in light red, then a key wait; on a
// line of its own when a long name left no room for it.
void show_failure(Session& run, std::string_view text, std::string_view name) {
  const std::string line = std::string(text) + std::string(name);
  if (transfer::room_on_line(run) < line.size()) {
    transfer::failure_line(run, line);
  } else {
    transfer::set_colour(run, transfer::kError);
    transfer::write_clipped(run, line);
    transfer::set_colour(run, transfer::kNormal);
  }
  transfer::read_key(run);
}

enum class Outcome { kCarried, kNextDeclaration, kEndOfStep };

// One declaration with its texts converted; the 2018 file replaced unasked.
Outcome convert_declaration(Session& run, const std::string& from, const std::string& to,
                            std::string_view name) {
  platform::File in;
  if (!in.open(from, platform::File::Mode::kRead)) {
    show_failure(run, msg::kDraOpenFailed, name);
    return Outcome::kEndOfStep;
  }
  // Every failure below gives the new file up: a previous one stays.
  platform::File out;
  if (!out.open(to, platform::File::Mode::kReplace)) {
    in.close();
    show_failure(run, msg::kDraCreateFailed, name);
    return Outcome::kEndOfStep;
  }

  std::array<std::uint8_t, dra::kMainSize> main;
  if (in.read(main.data(), main.size()) < main.size()) {
    in.close();
    out.discard();
    show_failure(run, msg::kDraReadFailed, name);
    return Outcome::kEndOfStep;
  }
  convert_texts(RecordView(main), dra::kMainTexts, run.cs);
  if (out.write(main.data(), main.size()) < main.size()) {
    in.close();
    out.discard();
    show_failure(run, msg::kDraWriteFailed, name);
    return Outcome::kEndOfStep;
  }

  // Attachments; a short part at the end is no attachment and is dropped.
  std::array<std::uint8_t, dra::kAttachmentSize> attachment;
  while (in.read(attachment.data(), attachment.size()) == attachment.size()) {
    convert_texts(RecordView(attachment), dra::kAttachmentTexts, run.cs);
    if (out.write(attachment.data(), attachment.size()) < attachment.size()) {
      in.close();
      out.discard();
      show_failure(run, msg::kDraAttachmentWriteFailed, name);
      return Outcome::kNextDeclaration;
    }
  }
  // A source that failed midway is no end of the declaration.
  if (in.failed()) {
    in.close();
    out.discard();
    show_failure(run, msg::kDraReadFailed, name);
    return Outcome::kNextDeclaration;
  }
  in.close();
  // The blocks are buffered and the file put in place at closing: a write
  // that fails only there is still a failed write of this declaration.
  if (!out.close()) {
    show_failure(run, msg::kDraWriteFailed, name);
    return Outcome::kNextDeclaration;
  }
  return Outcome::kCarried;
}

}  // namespace

void carry_dra_declarations(Session& run, std::string_view company_dir) {
  const std::string dir_2017 = file_2017(run, company_dir, "");
  int counter = 0;
  for (const auto& entry : transfer::listed_files(run, dir_2017, dra::kMask)) {
    ++counter;
    transfer::write_clipped(run, std::to_string(counter) + msg::kDraCounter + entry.name);
    const std::string from = file_2017(run, company_dir, entry.name);
    const std::string to = file_2018(run, company_dir, entry.name);
    if (run.cs.charset_mode == 0) {
      transfer::copy_bytes(run, from, to, false);
      continue;
    }
    if (convert_declaration(run, from, to, entry.name) == Outcome::kEndOfStep) return;
  }
}

}  // namespace vx::conversion
