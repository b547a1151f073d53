#include "conversion/annual_settings.hpp"

#include <array>

#include "charset/cp852.hpp"
#include "conversion/annual_messages.hpp"
#include "conversion/annual_records.hpp"
#include "platform/filesystem.hpp"
#include "transfer/file_presence.hpp"

namespace vx::conversion {

namespace {

using transfer::file_size_of;

constexpr auto kHeading = cp852("Konwersja danych ROCZNYCH ustawień firmy ");
constexpr auto kNoAnnualData = cp852("Brak danych nnnnROK.REK danych za 2017 i 2018 !");
constexpr auto kBothYears = cp852("Występują dane ROCZNE za rok 2017 i 2018 !");
constexpr auto kChooseSource = cp852(
    "Wybierz z których skrzystać : B-2017  N-2018, A-wszyskie następne na N   (B/N/A) ?  ");
constexpr auto kChosen = cp852(" - wybrano: ");
constexpr auto kNoSourceAccess = cp852("brak dostępu do danych za FirmaREK !");
constexpr auto kNoTargetAccess = cp852("brak dostępu do danych FirmaREK za 2018 !");
constexpr auto kCarryAnyway = cp852("mogę przenieść niepoprawny stan BZ.2017 jako BO.2018");
constexpr auto kReadFailed = cp852("Błąd odczytu danych z 2017");
constexpr auto kCreated = cp852("Utworzono dane w 2018");

// The code-page marker of converted data: the tenth letter of the CP852 row.
constexpr std::uint8_t kCp852Marker = charset::kPolishLetters[charset::kCp852][9];
static_assert(kCp852Marker == 0x81);

void error_line(CompanyJob& job, std::string_view text) { job.talk.failure(text); }

// Both annual files exist: the operator chooses, unless an earlier "A"
// settled it for the rest of the run. True takes the 2018 file.
bool choose_2018_file(CompanyJob& job) {
  if (job.state.annual_choice_all_2018) return true;
  using dialogue::Tone;
  job.talk.line(kBothYears, Tone::kError);
  const char key = job.talk.choose(dialogue::Choice::kAnnualSource, Tone::kError, kChooseSource, "BNA");
  job.talk.line(kChosen + std::string(1, key), Tone::kError);
  job.talk.line("");
  if (key == 'A') job.state.annual_choice_all_2018 = true;
  return key != 'B';
}

// Settles the character standards of the company's data; gives the
// code-page marker of the 2018 file.
std::uint8_t settle_charsets(CompanyJob& job, ConstRecordView first_source_record) {
  if (job.cs.charset_mode != 0) {
    job.cs.source_charset = charset::kMazovia;
    job.cs.target_charset = charset::kCp852;
    return kCp852Marker;
  }
  job.cs.source_charset = charset::kCp852;
  job.cs.target_charset = charset::kCp852;
  return first_source_record.u8(annual::kMarker);
}

void warn_open_december(CompanyJob& job) {
  job.talk.line(msg::kDecemberOpen, dialogue::Tone::kWarning);
  job.talk.signal();
  job.talk.line(kCarryAnyway, dialogue::Tone::kWarning);
  job.talk.signal();
  job.talk.acknowledge();
}

// The open pair of annual files. A failed read or write closes the source,
// gives up the partly written 2018 file (a previous one stays as it was)
// and waits for a key.
class AnnualFiles {
 public:
  explicit AnnualFiles(CompanyJob& job) : job_(job) {}

  platform::File source, target;

  bool read(RecordView rec) {
    if (source.read(rec.bytes().data(), rec.size()) == rec.size()) return true;
    fail(kReadFailed);
    return false;
  }
  bool write(ConstRecordView rec) {
    if (target.write(rec.bytes().data(), rec.size()) == rec.size()) return true;
    fail(msg::kAnnualWriteFailed);
    return false;
  }
  // Closes both; a target whose last data could not be written is a failed write.
  bool close() {
    source.close();
    if (target.close()) return true;
    fail(msg::kAnnualWriteFailed);
    return false;
  }

 private:
  void fail(std::string_view message) {
    error_line(job_, message);
    source.close();
    target.discard();
    job_.talk.acknowledge();
  }

  CompanyJob& job_;
};

}  // namespace

void convert_annual_settings(CompanyJob& job, std::string_view company_dir) {
  job.talk.line(kHeading, dialogue::Tone::kCopyStarts);

  // Paths keep their full length: a cut path would name another file.
  const std::string dir = std::string(company_dir) + platform::kSeparator;
  const std::string target_path = job.loc.target_root + dir + std::string(annual::k2018File);
  const std::string path_2017 = job.loc.source_root + dir + std::string(annual::k2017File);
  const std::string path_2018 = job.loc.source_root + dir + std::string(annual::k2018File);

  const bool has_2017 = file_size_of(path_2017) > 0;
  const bool has_2018 = file_size_of(path_2018) > 0;
  if (!has_2017 && !has_2018) {
    error_line(job, kNoAnnualData);
    job.talk.acknowledge();
    return;
  }
  const bool from_2018 = has_2018 && (!has_2017 || choose_2018_file(job));
  if (from_2018) job.state.from_2018_files = true;

  AnnualFiles files(job);
  if (!files.source.open(from_2018 ? path_2018 : path_2017, platform::File::Mode::kRead)) {
    error_line(job, kNoSourceAccess);
    job.talk.acknowledge();
    return;
  }
  if (!files.target.open(target_path, platform::File::Mode::kReplace)) {
    error_line(job, kNoTargetAccess);
    files.source.close();
    job.talk.acknowledge();
    return;
  }

  std::array<std::uint8_t, annual::kRecordSize> in{}, out{};
  const RecordView source_buffer(in), target(out);
  const ConstRecordView source(in), built(out);
  if (!files.read(source_buffer)) return;
  const std::uint8_t marker = settle_charsets(job, source);
  job.state.company_path_2017 = job.loc.source_root + std::string(company_dir);

  annual::build_settings_record(source, target, from_2018, marker);
  job.talk.balances(source.f64(annual::settings::kBalances + 8 * annual::settings::kClosingBalance),
                    built.f64(annual::settings::kBalances + 8 * annual::settings::kOpeningBalance));
  if (!from_2018 && source.u8(annual::settings::kMonthState) != annual::settings::kDecemberApproved &&
      job.options.warn_open_december)
    warn_open_december(job);
  if (!files.write(built)) return;

  if (!files.read(source_buffer)) return;
  annual::build_numbering_record(source, target, from_2018, marker);
  if (!files.write(built)) return;

  if (!files.read(source_buffer)) return;
  annual::build_monthly_record(source, target, from_2018, marker);
  if (!files.write(built)) return;

  if (!files.close()) return;
  job.talk.pause_if_slow();
  job.talk.line(kCreated);
}

}  // namespace vx::conversion
