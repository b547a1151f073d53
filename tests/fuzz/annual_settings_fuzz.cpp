// The annual settings conversion on any 2017 files: the first byte says
// which of the two annual files the 2017 directory holds, the second picks
// the answers and the standards, the third where the input is split between
// "2017_ROK.REK" and "2018_ROK.REK".
#include <cstdint>
#include <span>

#include "conversion/annual_settings.hpp"
#include "fuzz_support.hpp"
#include "platform/filesystem.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx;
  if (size < 3) return 0;
  const std::uint8_t files = data[0], seed = data[1];
  const std::span<const std::uint8_t> rest(data + 3, size - 3);
  const std::size_t split = rest.size() * data[2] / 255;

  const auto root = fuzz::fresh_dir("annual");
  const auto old_dir = root / "17" / "FIRMA1";
  std::filesystem::create_directories(old_dir);
  std::filesystem::create_directories(root / "18" / "FIRMA1");
  if (files & 1) fuzz::write_bytes(old_dir / "2017_ROK.REK", rest.first(split));
  if (files & 2) fuzz::write_bytes(old_dir / "2018_ROK.REK", rest.subspan(split));

  fuzz::FuzzRun fr(seed);
  Session& run = *fr.run;
  fuzz::set_standards(run, seed >> 3);
  run.conversion.annual_choice_all_2018 = (files & 4) != 0;
  run.loc.source_root = (root / "17").string() + platform::kSeparator;
  run.loc.target_root = (root / "18").string() + platform::kSeparator;
  run.conversion.start_company();
  try {
    conversion::convert_annual_settings(run.company_job, "FIRMA1");
  } catch (const platform::ScriptStop&) {
    // more questions than answers given
  } catch (const platform::ProgramExit&) {
  }
  return 0;
}
