#include "conversion/copy_plan.hpp"

#include <array>

#include "charset/cp852.hpp"
#include "conversion/company_paths.hpp"
#include "conversion/plan_converters.hpp"
#include "conversion/plan_steps.hpp"
#include "platform/filesystem.hpp"
#include "recordfile/record_view.hpp"
#include "transfer/console_prompts.hpp"
#include "ui/message_box.hpp"

namespace vx::conversion {

using namespace transfer;

namespace {

// Company stamp file: 256-byte records, the first one rewritten for 2018.
constexpr std::string_view kStampFile = "_vx_wex.rek";
constexpr std::size_t kStampSize = 256;
constexpr std::size_t kStampYears[] = {0, 2, 4};
constexpr std::size_t kStampFlag = 7;

// Keeps the output window of the caller and restores it on every way out.
class PlanWindow {
 public:
  explicit PlanWindow(Session& run) : run_(run), saved_(run.out.save()) { run.out.set_window(ui::kPlanWindow); }
  ~PlanWindow() { run_.out.restore(saved_); }
  PlanWindow(const PlanWindow&) = delete;
  PlanWindow& operator=(const PlanWindow&) = delete;

 private:
  Session& run_;
  ui::TextOutput::Saved saved_;
};

bool annual_files_present(Session& run, const CompanyPaths& p) {
  const std::string y2017 = p.source("2017_ROK.REK");
  if (file_size_of(y2017) > 0) return true;
  print_line(run, cp852("Brak :") + y2017);
  const std::string y2018 = p.source("2018_ROK.REK");
  if (file_size_of(y2018) > 0) return true;
  print_line(run, cp852("Brak :") + y2018);
  print_line(run, "");
  print_line(run, cp852("Brak danych za rok 2017 czy 2018"));
  print_line(run, cp852("Nie można dokonać konwersji ..."));
  read_key(run);
  return false;
}

bool read_stamp(Session& run, const CompanyPaths& p, std::array<std::uint8_t, kStampSize>& stamp) {
  const std::string path = p.source(kStampFile);
  platform::File f;
  if (!f.open(path, platform::File::Mode::kRead)) {
    print_line(run, cp852("Brak dostepu do ") + path);
    read_key(run);
    return false;
  }
  if (f.read(stamp.data(), stamp.size()) != stamp.size() || f.failed()) {
    print_line(run, cp852("Błąd odczytu danych z ") + path);
    f.close();
    read_key(run);
    return false;
  }
  f.close();
  return true;
}

bool make_company_directory(Session& run, const CompanyPaths& p) {
  if (directory_exists(p.target_dir)) return true;
  if (platform::make_directory(p.target_dir)) return true;
  ui::error_report(run.ui, std::string(1, ui::kCentre) + cp852("Utworzenia katalogu firmy").str() +
                            ui::kLineBreak + ui::kCentre + p.target_dir);
  return false;
}

bool write_stamp(Session& run, const CompanyPaths& p, std::array<std::uint8_t, kStampSize> stamp) {
  const RecordView rec(stamp);
  for (auto at : kStampYears) rec.set_u16(at, 2018);
  rec.set_u8(kStampFlag, 1);
  const std::string path = p.target(kStampFile);
  platform::File f;
  if (!f.open(path, platform::File::Mode::kReplace)) {
    print_line(run, cp852("Brak dostępu do ") + path);
    read_key(run);
    return false;
  }
  // A stamp cut short is given up: the previous one stays.
  const bool written = f.write(stamp.data(), stamp.size()) == stamp.size();
  if (!written || !f.close()) {
    print_line(run, cp852("Błąd zapisu danych do ") + path);
    read_key(run);
    return false;
  }
  return true;
}

}  // namespace

bool copy_company(Session& run, const std::string& company_dir, const std::function<bool()>& put_in_place) {
  // Each folder of the company is read once for all its names.
  const platform::ListingScope listings;
  PlanWindow window(run);
  const CompanyPaths paths(run, company_dir);
  plan::start_company(run);

  if (!annual_files_present(run, paths)) return false;
  std::array<std::uint8_t, kStampSize> stamp{};
  if (!read_stamp(run, paths, stamp)) return false;
  if (!make_company_directory(run, paths)) return false;
  pause_if_slow(run);
  print_line(run, cp852("Kopiowanie właściwe"));
  if (!write_stamp(run, paths, stamp)) return false;
  plan::convert_annual_settings(run, company_dir);

  run_transfer_steps(run, paths);
  if (!put_in_place()) return false;

  print_line(run, cp852("Koniec konwersji danych firmy"));
  if (run.options.stop_per_company) {
    write_clipped(run, cp852("cdn - naciśnij dowolny klawisz."));
    read_key(run);
  }
  return true;
}

}  // namespace vx::conversion
