// The register reader on any "SPISFIRM.DAT": directory names of every kind
// are tested against the two trees, which hold one company each.
#include <cstdint>
#include <span>

#include "companies/register_loader.hpp"
#include "fuzz_support.hpp"
#include "platform/filesystem.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx;
  if (size < 1) return 0;
  const auto root = fuzz::fresh_dir("register");
  std::filesystem::create_directories(root / "17" / "FIRMA1");
  std::filesystem::create_directories(root / "17" / "FIRMA2");
  std::filesystem::create_directories(root / "18" / "FIRMA2");
  fuzz::write_bytes(root / "17" / "SPISFIRM.DAT", std::span<const std::uint8_t>(data + 1, size - 1));

  fuzz::FuzzRun fr(data[0]);
  Session& run = *fr.run;
  run.loc.source_root = (root / "17").string() + platform::kSeparator;
  run.loc.target_root = (root / "18").string() + platform::kSeparator;
  try {
    const int count = companies::load_register(run.office);
    if (count < 0 || count > 2048 || static_cast<std::size_t>(count) != run.companies.entries.size())
      __builtin_trap();
  } catch (const platform::ScriptStop&) {
  } catch (const platform::ProgramExit&) {
  }
  return 0;
}
