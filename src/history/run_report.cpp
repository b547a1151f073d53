#include "history/run_report.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "charset/cp852.hpp"
#include "charset/utf8.hpp"

namespace vx::history {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";  // Notepad and spreadsheets take the file as UTF-8
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kSummaryWidth = 75;
constexpr std::size_t kPlainKept = 8;  // plain lines a wait for a key may be about

// Text the copies said, for a line of the report: UTF-8, control bytes and
// runs of blanks made one space, no blanks at either end.
std::string tidy(std::string_view cp852) {
  const std::string utf8 = charset::cp852_text_to_utf8(cp852);
  std::string out;
  for (const char c : utf8) {
    const bool blank = static_cast<unsigned char>(c) <= ' ';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out += blank ? ' ' : c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// A path as it is, but on one line.
std::string path_text(std::string_view cp852) {
  std::string out = charset::cp852_text_to_utf8(cp852);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

// The step's label as a heading ("Dane wprowadzone do WEX:" without its
// colon); a step without one is named by its file.
std::string step_label(const dialogue::StepEvent& e) {
  if (e.label.empty()) return tidy(platform::last_component(e.source));
  std::string label = tidy(e.label);
  while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
  return label;
}

bool by_records(const dialogue::StepEvent& e) { return e.records_read > 0 || e.records_written > 0; }
std::uint64_t dropped(const dialogue::StepEvent& e) {
  return e.records_read > e.records_written ? e.records_read - e.records_written : 0;
}

std::string outcome_words(const dialogue::StepEvent& e) {
  using dialogue::Outcome;
  switch (e.outcome) {
    case Outcome::kCopied:
      if (by_records(e))
        return "skopiowany (rekordy: odczytane " + std::to_string(e.records_read) + ", zapisane " +
               std::to_string(e.records_written) + ", odrzucone " + std::to_string(dropped(e)) +
               "; bajty: " + std::to_string(e.bytes) + ")";
      return "skopiowany (bajty: " + std::to_string(e.bytes) + ")";
    case Outcome::kKept:
      return "pozostawiony (odpowiedź operatora)";
    case Outcome::kMissing:
      return "brak pliku źródłowego";
    case Outcome::kRefused:
      return "odmowa: ścieżka poza drzewem";
    case Outcome::kFailed:
      return "błąd: " + tidy(e.message);
  }
  return {};
}

std::string outcome_code(dialogue::Outcome o) {
  switch (o) {
    case dialogue::Outcome::kCopied: return "skopiowany";
    case dialogue::Outcome::kKept: return "pozostawiony";
    case dialogue::Outcome::kMissing: return "brak";
    case dialogue::Outcome::kRefused: return "odmowa";
    case dialogue::Outcome::kFailed: return "blad";
  }
  return {};
}

// A line said just before a step that the step's outcome already tells:
// its failure message, or the missing or refused file it names.
bool told_by(const dialogue::StepEvent& e, std::string_view said) {
  using dialogue::Outcome;
  if (e.outcome == Outcome::kFailed) return said == e.message;
  if (e.outcome != Outcome::kMissing && e.outcome != Outcome::kRefused) return false;
  return (!e.source.empty() && said.ends_with(e.source)) || (!e.target.empty() && said.ends_with(e.target));
}

std::string csv_field(std::string_view text) {
  if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

std::string duration(std::chrono::steady_clock::duration d) {
  const auto s = std::chrono::duration_cast<std::chrono::seconds>(d).count();
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
  return text;
}

}  // namespace

std::string polish_amount(double value) {
  if (!std::isfinite(value)) return "?";
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.2f", std::fabs(value));
  const std::string_view all(digits);
  const std::string_view whole = all.substr(0, all.size() - 3);
  std::string out;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) out += ' ';
    out += whole[i];
  }
  out += ',';
  out += all.substr(all.size() - 2);
  // A negative amount that rounds to nothing is no debt.
  if (value < 0 && out != "0,00") out.insert(out.begin(), '-');
  return out;
}

RunReport::RunReport(std::optional<std::string> folder, ReportHeader header, Tell tell)
    : folder_(std::move(folder)),
      header_(std::move(header)),
      tell_(std::move(tell)),
      start_(std::chrono::steady_clock::now()) {}

RunReport::~RunReport() {
  if (finished_ || !opened_) return;
  // Stopped before the end: what was seen is kept, said to be cut short.
  tell_ = nullptr;
  if (section_.kind == Section::Kind::kCompany) {
    end_section("praca przerwana przed końcem firmy");
  } else {
    end_section();
  }
  text_line("");
  text_line("PRACA PRZERWANA");
  text_.close();
  table_.close();
}

std::string RunReport::report_file() const {
  return folder_ ? *folder_ + std::string(kReportFile) : std::string();
}

void RunReport::open_files() {
  if (opened_) return;
  opened_ = true;
  if (!folder_) {
    fail(cp852("Raport nie zostanie zapisany: brak katalogu ") + header_.target_root +
         std::string(kRunsFolder));
    return;
  }
  const std::string table_path = *folder_ + std::string(kReportTable);
  if (!text_.open(report_file(), platform::File::Mode::kCreate) ||
      !table_.open(table_path, platform::File::Mode::kCreate)) {
    fail(cp852("Raport nie zostanie zapisany: błąd utworzenia pliku ") +
         (text_.is_open() ? table_path : report_file()));
    return;
  }
  put(text_, kBom);
  put(table_, kBom);
  text_line("RAPORT PRZENIESIENIA DANYCH WEX_VX Z ROKU 2017 NA ROK 2018");
  text_line("Data i godzina: " + shown(header_.started));
  text_line("Wersja programu: " + header_.version);
  text_line("Dane roku 2017: " + path_text(header_.source_root));
  text_line("Dane roku 2018: " + path_text(header_.target_root));
  text_line("Wybory kreatora:");
  for (const auto& [label, value] : header_.choices) text_line("  " + tidy(label) + ": " + tidy(value));
  table_row({"Firma", "Katalog", "Krok", "Źródło", "Cel", "Wynik", "Rekordy odczytane", "Rekordy zapisane",
             "Rekordy odrzucone", "Bajty", "Komunikat"});
  flush();
}

void RunReport::fail(std::string_view what) {
  if (failed_) return;
  failed_ = true;
  text_.close();
  table_.close();
  if (!tell_) return;
  // The line goes to every observer, this one too: not an error of the run.
  telling_ = true;
  tell_(what);
  telling_ = false;
}

void RunReport::put(platform::File& file, std::string_view bytes) {
  if (failed_ || !file.is_open()) return;
  if (file.write(bytes.data(), bytes.size()) != bytes.size())
    fail(cp852("Błąd zapisu raportu ") + report_file());
}

void RunReport::text_line(std::string_view utf8) {
  put(text_, utf8);
  put(text_, kLineEnd);
}

void RunReport::table_row(const std::vector<std::string>& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) row += ';';
    row += csv_field(fields[i]);
  }
  put(table_, row);
  put(table_, kLineEnd);
}

void RunReport::flush() {
  if (failed_ || !text_.is_open()) return;
  if (!text_.flush() || !table_.flush()) fail(cp852("Błąd zapisu raportu ") + report_file());
}

void RunReport::said(Said s) {
  if (s.failure) section_.failed = true;
  if (!tidy(s.text).empty()) said_.push_back(std::move(s));
}

void RunReport::settle_said(const dialogue::StepEvent* next) {
  for (const auto& s : said_) {
    if (next && told_by(*next, s.text)) continue;
    (s.error ? section_.errors : section_.warnings).push_back(tidy(s.text));
  }
  said_.clear();
}

void RunReport::begin(Section::Kind kind, std::string_view name, std::string_view folder) {
  open_files();
  end_section();
  section_.kind = kind;
  section_.name = tidy(name);
  section_.folder = tidy(folder);
  if (kind == Section::Kind::kCompany) {
    // Seen at once: a run killed in this company still names it.
    text_line("");
    text_line("FIRMA: " + section_.name + " (katalog " + section_.folder + ")");
    flush();
  }
}

void RunReport::end_section(std::string_view result) {
  settle_said();
  Section s = std::move(section_);
  section_ = {};
  const bool company = s.kind == Section::Kind::kCompany;
  const bool empty = s.steps.empty() && s.answers.empty() && s.left_out.empty() && s.warnings.empty() &&
                     s.errors.empty() && !s.balances;
  if (s.kind == Section::Kind::kNone && empty) return;
  if (!company && (s.failed || !s.errors.empty())) ++counts_.other_failures;
  if (!company) {
    text_line("");
    text_line(s.kind == Section::Kind::kGlobal ? "DANE GLOBALNE" : "KOMUNIKATY");
  }
  auto list = [&](std::string_view heading, const std::vector<std::string>& lines, std::string_view indent) {
    if (lines.empty()) return;
    if (!heading.empty()) text_line("  " + std::string(heading));
    for (const auto& l : lines) text_line(std::string(indent) + l);
  };
  list("", s.steps, "");
  list("Odpowiedzi operatora:", s.answers, "    ");
  list("Pominięci przez filtry:", s.left_out, "    ");
  if (s.balances) {
    text_line("  BZ.2017: " + polish_amount(s.balances->first));
    text_line("  BO.2018: " + polish_amount(s.balances->second));
  }
  list("Ostrzeżenia:", s.warnings, "    ");
  list("Błędy:", s.errors, "    ");
  if (company && !result.empty()) text_line("  Wynik: " + std::string(result));
  flush();
}

void RunReport::write(dialogue::Tone, std::string_view text) { open_line_ += text; }

void RunReport::line(dialogue::Tone tone, std::string_view text) {
  using dialogue::Tone;
  const bool marked = tone == Tone::kWarning || tone == Tone::kError;
  if (!marked) {
    // Most lines (a line a document) are nothing for the report, unless a
    // wait for a key follows them.
    if (plain_.size() == kPlainKept) plain_.erase(plain_.begin());
    plain_.push_back(open_line_ + std::string(text));
    open_line_.clear();
    after_answer_ = false;
    settle_said();
    return;
  }
  // A notice of its own tone: the plain lines before it were no part of it.
  plain_.clear();
  std::string full = open_line_;
  open_line_.clear();
  full += text;
  // The line right after an answer that repeats it: " - wybrano: N".
  const bool echo = after_answer_ && !answer_.empty() && tidy(full).ends_with(answer_);
  after_answer_ = false;
  if (!echo) said({.error = tone == Tone::kError, .text = std::move(full)});
}

void RunReport::failure(std::string_view text) {
  if (telling_) return;
  plain_.clear();
  open_line_.clear();
  said({.error = true, .failure = true, .text = std::string(text)});
}

void RunReport::failure_here(std::string_view text) {
  if (telling_) return;
  plain_.clear();
  said({.error = true, .failure = true, .text = std::string(text)});
}

void RunReport::enter(dialogue::Area) {
  plain_.clear();
  open_files();
}

void RunReport::acknowledged() {
  for (auto& l : plain_)
    if (!tidy(l).empty()) said({.text = std::move(l)});
  plain_.clear();
}

void RunReport::leave(dialogue::Area area) {
  // The global copy ends with its window; a company with its own event.
  if (area == dialogue::Area::kCopyWindow && section_.kind != Section::Kind::kCompany) end_section();
}

void RunReport::step(const dialogue::StepEvent& e) {
  plain_.clear();
  open_files();
  settle_said(&e);
  if (e.outcome == dialogue::Outcome::kFailed) section_.failed = true;
  if (e.outcome == dialogue::Outcome::kCopied) {
    ++counts_.files;
    counts_.bytes += e.bytes;
  }
  const std::string label = step_label(e);
  std::string source = path_text(e.source), target = path_text(e.target);
  section_.steps.push_back("  " + label + ": " + outcome_words(e));
  section_.steps.push_back("      " + source + " -> " + target);
  table_row({section_.name, section_.folder, label, std::move(source), std::move(target),
             outcome_code(e.outcome), std::to_string(e.records_read), std::to_string(e.records_written),
             std::to_string(dropped(e)), std::to_string(e.bytes),
             e.outcome == dialogue::Outcome::kFailed ? tidy(e.message) : std::string()});
}

void RunReport::global_copy() { begin(Section::Kind::kGlobal); }

void RunReport::company(std::string_view name, std::string_view folder) {
  plain_.clear();
  begin(Section::Kind::kCompany, name, folder);
}

void RunReport::company_done(bool carried) {
  settle_said();
  const char* result = "nie przeniesiona (pominięta)";
  if (!carried) {
    ++counts_.skipped;
  } else if (section_.failed) {
    ++counts_.with_errors;
    result = "przeniesiona z błędami";
  } else {
    ++counts_.carried;
    result = "przeniesiona";
  }
  end_section(result);
}

void RunReport::left_out(std::string_view kind, std::string_view name) {
  settle_said();
  section_.left_out.push_back(tidy(kind) + ": " + tidy(name));
}

void RunReport::balances(double closing_2017, double opening_2018) {
  settle_said();
  section_.balances = {closing_2017, opening_2018};
}

void RunReport::boxed(dialogue::Box box, std::span<const std::string> lines) {
  using dialogue::Box;
  // An error box is the failure itself; a question's box is what its answer
  // (which names the last line, the question) was about.
  const bool error = box == Box::kReport || box == Box::kGoOnAfterIoError;
  if (!error && !lines.empty()) lines = lines.first(lines.size() - 1);
  std::string text;
  for (const auto& l : lines) {
    if (tidy(l).empty()) continue;
    if (!text.empty()) text += ' ';
    text += l;
  }
  said({.error = error, .failure = error, .text = std::move(text)});
}

void RunReport::answered(std::string_view question, std::string_view answer) {
  // The warning and error lines just said were the question's own; without
  // them the open line (a person's name) tells what was asked about.
  std::string about = tidy(open_line_);
  const auto own = std::find_if(said_.begin(), said_.end(), [](const Said& s) { return !s.failure; });
  if (own != said_.end()) about = tidy(own->text);
  std::erase_if(said_, [](const Said& s) { return !s.failure; });
  const std::string asked = tidy(question);
  if (!about.empty() && !asked.empty()) about += "; ";
  section_.answers.push_back(about + asked + " — odpowiedź: " + tidy(answer));
  after_answer_ = true;
  answer_ = tidy(answer);
}

void RunReport::finish() {
  if (finished_) return;
  open_files();
  end_section(section_.kind == Section::Kind::kCompany ? "praca przerwana przed końcem firmy" : "");
  finished_ = true;
  text_line("");
  text_line("PODSUMOWANIE");
  text_line("  Firmy przeniesione: " + std::to_string(counts_.carried));
  text_line("  Firmy przeniesione z błędami: " + std::to_string(counts_.with_errors));
  text_line("  Firmy pominięte: " + std::to_string(counts_.skipped));
  text_line("  Pliki zapisane: " + std::to_string(counts_.files));
  text_line("  Bajty zapisane: " + std::to_string(counts_.bytes));
  text_line("  Czas pracy: " + duration(std::chrono::steady_clock::now() - start_));
  if (failed_ || !text_.is_open()) return;
  if (!text_.close() || !table_.close()) fail(cp852("Błąd zapisu raportu ") + report_file());
}

std::string RunReport::summary_line() const {
  std::string s = cp852("Firm przeniesionych: ") + std::to_string(counts_.carried) + cp852(", z błędami: ") +
                  std::to_string(counts_.with_errors) + cp852(", pominiętych: ") +
                  std::to_string(counts_.skipped) + cp852("; plików: ") + std::to_string(counts_.files);
  if (s.size() > kSummaryWidth) s.resize(kSummaryWidth);
  return s;
}

}  // namespace vx::history
