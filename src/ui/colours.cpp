#include "ui/colours.hpp"

#include "platform/filesystem.hpp"

namespace vx::ui {

std::optional<ColourScheme> read_colour_file(std::string_view path) {
  platform::File file;
  if (!file.open(path, platform::File::Mode::kRead)) return std::nullopt;
  ColourScheme scheme{};
  const std::size_t got = file.read(scheme.data(), scheme.size());
  file.close();
  if (got != scheme.size() || file.failed()) return std::nullopt;
  return scheme;
}

bool write_colour_file(std::string_view path, const ColourScheme& scheme) {
  platform::File file;
  if (!file.open(path, platform::File::Mode::kCreate)) return false;
  const bool written = file.write(scheme.data(), scheme.size()) == scheme.size();
  return file.close() && written;
}

}  // namespace vx::ui
