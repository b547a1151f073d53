#pragma once
// The written report of a run, kept in its run folder: raport.txt for the
// operator (Polish, UTF-8, CR LF, for Notepad) and raport.csv beside it, one
// row per step, for a spreadsheet. Both are written as the run goes,
// a company at a time, so that a killed run leaves what was done. A report
// that cannot be written is said once and never stops the migration.
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dialogue/observer.hpp"
#include "history/run_folder.hpp"
#include "platform/filesystem.hpp"

namespace vx::history {

inline constexpr std::string_view kReportFile = "raport.txt";
inline constexpr std::string_view kReportTable = "raport.csv";

// What the report's head names. Texts in CP852, as the program holds them.
struct ReportHeader {
  Stamp started;
  std::string version;
  std::string source_root, target_root;
  // The operator's choices on the wizard pages: label and value in words.
  std::vector<std::pair<std::string, std::string>> choices;
};

class RunReport final : public dialogue::Observer {
 public:
  // Says a failure of the report on the screen (a CP852 line).
  using Tell = std::function<void(std::string_view)>;

  // The run folder ends with a separator; without one there is nothing to
  // write into and the report only counts. The files are made at the first
  // event, when the copy window is up to show a failure.
  RunReport(std::optional<std::string> folder, ReportHeader header, Tell tell);
  ~RunReport() override;
  RunReport(const RunReport&) = delete;
  RunReport& operator=(const RunReport&) = delete;

  void write(dialogue::Tone tone, std::string_view text) override;
  void line(dialogue::Tone tone, std::string_view text) override;
  void failure(std::string_view text) override;
  void failure_here(std::string_view text) override;
  void enter(dialogue::Area area) override;
  void leave(dialogue::Area area) override;
  void step(const dialogue::StepEvent& e) override;
  void global_copy() override;
  void company(std::string_view name, std::string_view folder) override;
  void company_done(bool carried) override;
  void left_out(std::string_view kind, std::string_view name) override;
  void balances(double closing_2017, double opening_2018) override;
  void acknowledged() override;
  void boxed(dialogue::Box box, std::span<const std::string> lines) override;
  void answered(std::string_view question, std::string_view answer) override;

  // Writes the summary and closes both files; once.
  void finish();
  // "Firm przeniesionych: 3, z błędami: 1, pominiętych: 0; plików: 120",
  // CP852, at most 75 columns.
  std::string summary_line() const;
  // The path of raport.txt (CP852); empty without a run folder.
  std::string report_file() const;
  // Every company offered was carried and nothing failed elsewhere.
  bool all_carried() const {
    return counts_.with_errors == 0 && counts_.skipped == 0 && counts_.other_failures == 0;
  }
  // Whether both files were written whole so far.
  bool sound() const { return folder_ && !failed_; }

 private:
  // Companies by how they ended; files written whole and their bytes.
  struct Counts {
    int carried = 0, with_errors = 0, skipped = 0;
    int other_failures = 0;  // sections outside the companies with an error
    std::uint64_t files = 0, bytes = 0;
  };
  // The global copy, one company, or what was said outside both; written
  // whole at its end. Texts UTF-8.
  struct Section {
    enum class Kind : std::uint8_t { kNone, kGlobal, kCompany } kind = Kind::kNone;
    std::string name, folder;
    std::string steps;  // the steps' lines, ready with their line ends
    std::vector<std::string> answers, left_out, warnings, errors;
    std::optional<std::pair<double, double>> balances;
    bool failed = false;  // a failed step or a failure line
  };
  // A warning or an error line not yet placed: it may turn out to be the
  // text of a question, or the line of the step that follows.
  struct Said {
    bool error = false;    // else a warning
    bool failure = false;  // a failure line: never a question's text
    std::string text;      // CP852
  };

  void open_files();
  void begin(Section::Kind kind, std::string_view name = {}, std::string_view folder = {});
  void end_section(std::string_view result = {});
  void settle_said(const dialogue::StepEvent* next = nullptr);
  void said(Said s);

  void text_line(std::string_view utf8);
  void table_row(std::initializer_list<std::string_view> fields);
  void put(platform::File& file, std::string_view bytes);
  void flush();
  void fail(std::string_view what);

  std::optional<std::string> folder_;
  ReportHeader header_;
  Tell tell_;
  std::chrono::steady_clock::time_point start_;
  platform::File text_, table_;
  bool opened_ = false, failed_ = false, finished_ = false, telling_ = false;

  Section section_;
  std::vector<Said> said_;
  std::string open_line_;  // CP852, the line written so far
  // The plain lines said since the last step, the last few of them: an
  // acknowledgement makes them warnings.
  std::vector<std::string> plain_;
  bool after_answer_ = false;
  std::string answer_;     // UTF-8, the last answer given
  Counts counts_;
  std::string row_;  // a row of the table being written, its buffer kept
  // Step labels (CP852) as the report names them.
  std::unordered_map<std::string, std::string> labels_;
};

}  // namespace vx::history
