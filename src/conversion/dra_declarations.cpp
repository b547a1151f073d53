#include "conversion/dra_declarations.hpp"

#include <array>
#include <cstdint>
#include <string>

#include "conversion/company_paths.hpp"
#include "conversion/declaration_messages.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/text_fields.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/listed_files.hpp"

namespace vx::conversion {

namespace {

// A failure, shown on the open line in light red, then a key wait; on a
// line of its own when a long name left no room for it.
void show_failure(CompanyJob& job, std::string_view text, std::string_view name) {
  job.talk.failure_here(std::string(text) + std::string(name));
  job.talk.acknowledge();
}

enum class Outcome { kCarried, kNextDeclaration, kEndOfStep };

// One declaration with its texts converted; the 2018 file replaced unasked.
Outcome convert_declaration(CompanyJob& job, const std::string& from, const std::string& to,
                            std::string_view name) {
  platform::File in;
  if (!in.open(from, platform::File::Mode::kRead)) {
    show_failure(job, msg::kDraOpenFailed, name);
    return Outcome::kEndOfStep;
  }
  // Every failure below gives the new file up: a previous one stays.
  platform::File out;
  if (!out.open(to, platform::File::Mode::kReplace)) {
    in.close();
    show_failure(job, msg::kDraCreateFailed, name);
    return Outcome::kEndOfStep;
  }

  std::array<std::uint8_t, dra::kMainSize> main;
  if (in.read(main.data(), main.size()) < main.size()) {
    in.close();
    out.discard();
    show_failure(job, msg::kDraReadFailed, name);
    return Outcome::kEndOfStep;
  }
  convert_texts(RecordView(main), dra::kMainTexts, job.cs);
  if (out.write(main.data(), main.size()) < main.size()) {
    in.close();
    out.discard();
    show_failure(job, msg::kDraWriteFailed, name);
    return Outcome::kEndOfStep;
  }

  // Attachments; a short part at the end is no attachment and is dropped.
  std::array<std::uint8_t, dra::kAttachmentSize> attachment;
  while (in.read(attachment.data(), attachment.size()) == attachment.size()) {
    convert_texts(RecordView(attachment), dra::kAttachmentTexts, job.cs);
    if (out.write(attachment.data(), attachment.size()) < attachment.size()) {
      in.close();
      out.discard();
      show_failure(job, msg::kDraAttachmentWriteFailed, name);
      return Outcome::kNextDeclaration;
    }
  }
  // A source that failed midway is no end of the declaration.
  if (in.failed()) {
    in.close();
    out.discard();
    show_failure(job, msg::kDraReadFailed, name);
    return Outcome::kNextDeclaration;
  }
  in.close();
  // The blocks are buffered and the file put in place at closing: a write
  // that fails only there is still a failed write of this declaration.
  if (!out.close()) {
    show_failure(job, msg::kDraWriteFailed, name);
    return Outcome::kNextDeclaration;
  }
  return Outcome::kCarried;
}

}  // namespace

void carry_dra_declarations(CompanyJob& job, std::string_view company_dir) {
  const std::string dir_2017 = company_file(job.loc.source_root, company_dir, "");
  int counter = 0;
  for (const auto& entry : transfer::listed_files(job.copier, dir_2017, dra::kMask)) {
    ++counter;
    job.talk.write(std::to_string(counter) + msg::kDraCounter + entry.name);
    const std::string from = company_file(job.loc.source_root, company_dir, entry.name);
    const std::string to = company_file(job.loc.target_root, company_dir, entry.name);
    if (job.cs.charset_mode == 0) {
      transfer::copy_bytes(job.copier, from, to, false);
      continue;
    }
    if (convert_declaration(job, from, to, entry.name) == Outcome::kEndOfStep) return;
  }
}

}  // namespace vx::conversion
