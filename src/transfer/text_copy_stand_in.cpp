// Stand-in for the line-by-line text copy until the copies land on this
// branch: converts and copies the lines, without the overwrite question and
// the progress line. Delete this file when text_copy.cpp arrives.
#include <string>

#include "charset/polish.hpp"
#include "platform/filesystem.hpp"
#include "transfer/console_prompts.hpp"
#include "transfer/text_copy.hpp"

namespace vx::transfer {

void copy_text_file(Run& run, std::string_view source, std::string_view target, LineFilter filter) {
  if (file_size_of(source) == 0) return;
  const auto content = platform::read_whole_file(source);
  if (!content) return;
  std::string out;
  std::string_view rest = *content;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    std::string line(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 255) line.resize(255);
    line = charset::convert_text(run.cs, line);
    if (filter && !filter(run, line)) continue;
    out += line + "\r\n";
  }
  platform::write_whole_file(target, out);
}

}  // namespace vx::transfer
