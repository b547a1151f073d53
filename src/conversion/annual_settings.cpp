#include "conversion/annual_settings.hpp"

#include <array>

#include "charset/cp852.hpp"
#include "conversion/annual_records.hpp"
#include "platform/filesystem.hpp"
#include "transfer/console_prompts.hpp"

namespace vx::conversion {

namespace {

using namespace transfer;

constexpr auto kHeading = cp852("Konwersja danych ROCZNYCH ustawień firmy ");
constexpr auto kNoAnnualData = cp852("Brak danych nnnnROK.REK danych za 2017 i 2018 !");
constexpr auto kBothYears = cp852("Występują dane ROCZNE za rok 2017 i 2018 !");
constexpr auto kChooseSource = cp852(
    "Wybierz z których skrzystać : B-2017  N-2018, A-wszyskie następne na N   (B/N/A) ?  ");
constexpr auto kChosen = cp852(" - wybrano: ");
constexpr auto kNoSourceAccess = cp852("brak dostępu do danych za FirmaREK !");
constexpr auto kNoTargetAccess = cp852("brak dostępu do danych FirmaREK za 2018 !");
constexpr auto kDecemberOpen = cp852("Nie zatwierdzono miesiąca GRUDNIA.2017");
constexpr auto kCarryAnyway = cp852("mogę przenieść niepoprawny stan BZ.2017 jako BO.2018");
constexpr auto kReadFailed = cp852("Błąd odczytu danych z 2017");
constexpr auto kWriteFailed = cp852("Błąd zapisu danych do 2018");
constexpr auto kCreated = cp852("Utworzono dane w 2018");

constexpr std::string_view k2017Name = "2017_ROK.REK";
constexpr std::string_view k2018Name = "2018_ROK.REK";

// The warning signal: one short tone.
constexpr int kSignalHz = 880;
constexpr int kSignalLength = 4;  // units of 48 ms

// The code-page marker of converted data: the tenth letter of the CP852 row.
constexpr std::uint8_t kCp852Marker = charset::kPolishLetters[charset::kCp852][9];
static_assert(kCp852Marker == 0x81);

void error_line(Session& run, std::string_view text) { failure_line(run, text); }

void warning_signal(Session& run) {
  if (!run.env.sound_off) run.console.beep(kSignalHz, kSignalLength);
}

// Both annual files exist: the operator chooses, unless an earlier "A"
// settled it for the rest of the run. True takes the 2018 file.
bool choose_2018_file(Session& run) {
  if (run.conversion.annual_choice_all_2018) return true;
  set_colour(run, kError);
  print_line(run, kBothYears);
  write_clipped(run, kChooseSource);
  std::uint8_t key;
  do {
    key = charset::upper_char(read_key(run));
  } while (key != 'B' && key != 'N' && key != 'A');
  print_line(run, kChosen + std::string(1, static_cast<char>(key)));
  set_colour(run, kNormal);
  print_line(run, "");
  if (key == 'A') run.conversion.annual_choice_all_2018 = true;
  return key != 'B';
}

// Settles the character standards of the company's data; gives the
// code-page marker of the 2018 file.
std::uint8_t settle_charsets(Session& run, ConstRecordView first_source_record) {
  if (run.cs.charset_mode != 0) {
    run.cs.source_charset = charset::kMazovia;
    run.cs.target_charset = charset::kCp852;
    return kCp852Marker;
  }
  run.cs.source_charset = charset::kCp852;
  run.cs.target_charset = charset::kCp852;
  return first_source_record.u8(annual::kMarker);
}

void warn_open_december(Session& run) {
  set_colour(run, kOffered);
  print_line(run, kDecemberOpen);
  warning_signal(run);
  print_line(run, kCarryAnyway);
  warning_signal(run);
  set_colour(run, kNormal);
  read_key(run);
}

// The open pair of annual files. A failed read or write closes the source,
// gives up the partly written 2018 file (a previous one stays as it was)
// and waits for a key.
class AnnualFiles {
 public:
  explicit AnnualFiles(Session& run) : run_(run) {}

  platform::File source, target;

  bool read(RecordView rec) {
    if (source.read(rec.bytes().data(), rec.size()) == rec.size()) return true;
    fail(kReadFailed);
    return false;
  }
  bool write(ConstRecordView rec) {
    if (target.write(rec.bytes().data(), rec.size()) == rec.size()) return true;
    fail(kWriteFailed);
    return false;
  }
  // Closes both; a target whose last data could not be written is a failed write.
  bool close() {
    source.close();
    if (target.close()) return true;
    fail(kWriteFailed);
    return false;
  }

 private:
  void fail(std::string_view message) {
    error_line(run_, message);
    source.close();
    target.discard();
    read_key(run_);
  }

  Session& run_;
};

}  // namespace

void convert_annual_settings(Session& run, std::string_view company_dir) {
  set_colour(run, kCopyStarts);
  print_line(run, kHeading);
  set_colour(run, kNormal);

  // Paths keep their full length: a cut path would name another file.
  const std::string dir = std::string(company_dir) + platform::kSeparator;
  const std::string target_path = run.loc.target_root + dir + std::string(k2018Name);
  const std::string path_2017 = run.loc.source_root + dir + std::string(k2017Name);
  const std::string path_2018 = run.loc.source_root + dir + std::string(k2018Name);

  const bool has_2017 = file_size_of(path_2017) > 0;
  const bool has_2018 = file_size_of(path_2018) > 0;
  if (!has_2017 && !has_2018) {
    error_line(run, kNoAnnualData);
    read_key(run);
    return;
  }
  const bool from_2018 = has_2018 && (!has_2017 || choose_2018_file(run));
  if (from_2018) run.conversion.from_2018_files = true;

  AnnualFiles files(run);
  if (!files.source.open(from_2018 ? path_2018 : path_2017, platform::File::Mode::kRead)) {
    error_line(run, kNoSourceAccess);
    read_key(run);
    return;
  }
  if (!files.target.open(target_path, platform::File::Mode::kReplace)) {
    error_line(run, kNoTargetAccess);
    files.source.close();
    read_key(run);
    return;
  }

  std::array<std::uint8_t, annual::kRecordSize> in{}, out{};
  const RecordView source_buffer(in), target(out);
  const ConstRecordView source(in), built(out);
  if (!files.read(source_buffer)) return;
  const std::uint8_t marker = settle_charsets(run, source);
  run.conversion.company_path_2017 = run.loc.source_root + std::string(company_dir);

  annual::build_settings_record(source, target, from_2018, marker);
  if (!from_2018 && source.u8(annual::settings::kMonthState) != annual::settings::kDecemberApproved &&
      run.options.warn_open_december)
    warn_open_december(run);
  if (!files.write(built)) return;

  if (!files.read(source_buffer)) return;
  annual::build_numbering_record(source, target, from_2018, marker);
  if (!files.write(built)) return;

  if (!files.read(source_buffer)) return;
  annual::build_monthly_record(source, target, from_2018, marker);
  if (!files.write(built)) return;

  if (!files.close()) return;
  pause_if_slow(run);
  print_line(run, kCreated);
}

}  // namespace vx::conversion
