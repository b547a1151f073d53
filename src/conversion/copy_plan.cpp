#include "conversion/copy_plan.hpp"

#include <array>

#include "charset/cp852.hpp"
#include "conversion/company_paths.hpp"
#include "conversion/plan_converters.hpp"
#include "conversion/plan_steps.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/record_view.hpp"
#include "transfer/file_presence.hpp"

namespace vx::conversion {

using namespace transfer;

namespace {

// Company stamp file: 256-byte records, the first one rewritten for 2018.
constexpr std::string_view kStampFile = "_vx_wex.rek";
constexpr std::size_t kStampSize = 256;
constexpr std::size_t kStampYears[] = {0, 2, 4};
constexpr std::size_t kStampFlag = 7;

bool annual_files_present(CompanyJob& job, const CompanyPaths& p) {
  const std::string y2017 = p.source("2017_ROK.REK");
  if (file_size_of(y2017) > 0) return true;
  job.talk.line(cp852("Brak :") + y2017);
  const std::string y2018 = p.source("2018_ROK.REK");
  if (file_size_of(y2018) > 0) return true;
  job.talk.line(cp852("Brak :") + y2018);
  job.talk.line("");
  job.talk.line(cp852("Brak danych za rok 2017 czy 2018"));
  job.talk.line(cp852("Nie można dokonać konwersji ..."));
  job.talk.acknowledge();
  return false;
}

bool read_stamp(CompanyJob& job, const CompanyPaths& p, std::array<std::uint8_t, kStampSize>& stamp) {
  const std::string path = p.source(kStampFile);
  platform::File f;
  if (!f.open(path, platform::File::Mode::kRead)) {
    job.talk.line(cp852("Brak dostepu do ") + path);
    job.talk.acknowledge();
    return false;
  }
  if (f.read(stamp.data(), stamp.size()) != stamp.size() || f.failed()) {
    job.talk.line(cp852("Błąd odczytu danych z ") + path);
    f.close();
    job.talk.acknowledge();
    return false;
  }
  f.close();
  return true;
}

bool make_company_directory(CompanyJob& job, const CompanyPaths& p) {
  if (directory_exists(p.target_dir)) return true;
  if (platform::make_directory(p.target_dir)) return true;
  const std::string lines[] = {cp852("Utworzenia katalogu firmy").str(), p.target_dir};
  job.talk.report(lines);
  return false;
}

bool write_stamp(CompanyJob& job, const CompanyPaths& p, std::array<std::uint8_t, kStampSize> stamp) {
  const RecordView rec(stamp);
  for (auto at : kStampYears) rec.set_u16(at, 2018);
  rec.set_u8(kStampFlag, 1);
  const std::string path = p.target(kStampFile);
  platform::File f;
  if (!f.open(path, platform::File::Mode::kReplace)) {
    job.talk.line(cp852("Brak dostępu do ") + path);
    job.talk.acknowledge();
    return false;
  }
  // A stamp cut short is given up: the previous one stays.
  const bool written = f.write(stamp.data(), stamp.size()) == stamp.size();
  if (!written || !f.close()) {
    job.talk.line(cp852("Błąd zapisu danych do ") + path);
    job.talk.acknowledge();
    return false;
  }
  return true;
}

}  // namespace

bool copy_company(CompanyJob& job, const std::string& company_dir,
                  const std::function<bool()>& put_in_place) {
  // Each folder of the company is read once for all its names.
  const platform::ListingScope listings;
  const dialogue::Dialogue::Scope window(job.talk, dialogue::Area::kPlanWindow);
  const CompanyPaths paths(job.loc, company_dir);
  job.state.start_company();

  if (!annual_files_present(job, paths)) return false;
  std::array<std::uint8_t, kStampSize> stamp{};
  if (!read_stamp(job, paths, stamp)) return false;
  if (!make_company_directory(job, paths)) return false;
  job.talk.pause_if_slow();
  job.talk.line(cp852("Kopiowanie właściwe"));
  if (!write_stamp(job, paths, stamp)) return false;
  plan::convert_annual_settings(job, company_dir);

  run_transfer_steps(job, paths);
  if (!put_in_place()) return false;

  job.talk.line(cp852("Koniec konwersji danych firmy"));
  if (job.options.stop_per_company) {
    job.talk.write(cp852("cdn - naciśnij dowolny klawisz."));
    job.talk.stop_to_look();
  }
  return true;
}

}  // namespace vx::conversion
