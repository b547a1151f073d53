#include "history/run_report.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "charset/cp852.hpp"
#include "charset/polish_amount.hpp"
#include "charset/unicode_table.hpp"
#include "charset/utf8.hpp"

namespace vx::history {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";  // Notepad and spreadsheets take the file as UTF-8
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kSummaryWidth = 75;
constexpr std::size_t kPlainKept = 8;  // plain lines a wait for a key may be about

// Text the copies said, for a line of the report, appended: UTF-8, control
// bytes and runs of blanks made one space, no blanks at either end.
void append_tidy(std::string& out, std::string_view cp852) {
  const std::size_t start = out.size();
  for (const unsigned char b : cp852) {
    if (b <= ' ') {
      if (out.size() > start && out.back() != ' ') out += ' ';
    } else if (b < 0x80) {
      out += static_cast<char>(b);
    } else {
      charset::append_utf8(out, charset::kCp852ToUnicode[b]);
    }
  }
  while (out.size() > start && out.back() == ' ') out.pop_back();
}

std::string tidy(std::string_view cp852) {
  std::string out;
  append_tidy(out, cp852);
  return out;
}

// A path as it is, but on one line, appended.
void append_path(std::string& out, std::string_view cp852) {
  for (const unsigned char b : cp852) {
    if (b == '\r' || b == '\n')
      out += ' ';
    else if (b < 0x80)
      out += static_cast<char>(b);
    else
      charset::append_utf8(out, charset::kCp852ToUnicode[b]);
  }
}

std::string path_text(std::string_view cp852) {
  std::string out;
  append_path(out, cp852);
  return out;
}

// The step's label as a heading ("Dane wprowadzone do WEX:" without its
// colon); a step without one is named by the file it makes (its source may
// be a temporary).
std::string step_label(const dialogue::StepEvent& e) {
  if (e.label.empty()) return tidy(platform::last_component(e.target.empty() ? e.source : e.target));
  std::string label = tidy(e.label);
  while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
  return label;
}

bool by_records(const dialogue::StepEvent& e) { return e.records_read > 0 || e.records_written > 0; }
std::uint64_t dropped(const dialogue::StepEvent& e) {
  return e.records_read > e.records_written ? e.records_read - e.records_written : 0;
}

// A count in decimal, into a buffer of its own.
struct Digits {
  explicit Digits(std::uint64_t n) : end(std::to_chars(text, text + sizeof text, n).ptr) {}
  std::string_view view() const { return {text, static_cast<std::size_t>(end - text)}; }
  char text[24];
  char* end;
};

void append_number(std::string& out, std::uint64_t n) { out += Digits(n).view(); }

void append_outcome_words(std::string& out, const dialogue::StepEvent& e) {
  using dialogue::Outcome;
  switch (e.outcome) {
    case Outcome::kCopied:
      if (by_records(e)) {
        out += "skopiowany (rekordy: odczytane ";
        append_number(out, e.records_read);
        out += ", zapisane ";
        append_number(out, e.records_written);
        out += ", odrzucone ";
        append_number(out, dropped(e));
        out += "; bajty: ";
      } else {
        out += "skopiowany (bajty: ";
      }
      append_number(out, e.bytes);
      out += ')';
      return;
    case Outcome::kKept: out += "pozostawiony (odpowiedź operatora)"; return;
    case Outcome::kMissing: out += "brak pliku źródłowego"; return;
    case Outcome::kRefused: out += "odmowa: ścieżka poza drzewem"; return;
    case Outcome::kFailed:
      out += "błąd: ";
      append_tidy(out, e.message);
      return;
  }
}

std::string_view outcome_code(dialogue::Outcome o) {
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

// One field of a row, quoted when it holds a separator, a quote or a line end.
void append_csv_field(std::string& row, std::string_view text) {
  const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
    return c == ';' || c == '"' || c == '\r' || c == '\n';
  });
  if (plain) {
    row += text;
    return;
  }
  row += '"';
  for (const char c : text) {
    if (c == '"') row += '"';
    row += c;
  }
  row += '"';
}

std::string duration(std::chrono::steady_clock::duration d) {
  const auto s = std::chrono::duration_cast<std::chrono::seconds>(d).count();
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
  return text;
}

}  // namespace

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

void RunReport::table_row(std::initializer_list<std::string_view> fields) {
  row_.clear();
  bool first = true;
  for (const auto& f : fields) {
    if (!first) row_ += ';';
    first = false;
    append_csv_field(row_, f);
  }
  row_ += kLineEnd;
  put(table_, row_);
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
  put(text_, s.steps);
  list("Odpowiedzi operatora:", s.answers, "    ");
  list("Pominięci przez filtry:", s.left_out, "    ");
  if (s.balances) {
    text_line("  BZ.2017: " + charset::polish_amount(s.balances->first));
    text_line("  BO.2018: " + charset::polish_amount(s.balances->second));
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
  // The same steps come in every company: each label is made once.
  auto label = labels_.find(e.label);
  if (label == labels_.end() || e.label.empty()) label = labels_.insert_or_assign(e.label, step_label(e)).first;
  // The report's two lines, then the table's row from the same pieces.
  std::string& text = section_.steps;
  text += "  ";
  text += label->second;
  text += ": ";
  append_outcome_words(text, e);
  text += kLineEnd;
  text += "      ";
  const std::size_t source = text.size();
  append_path(text, e.source);
  const std::size_t source_end = text.size();
  text += " -> ";
  const std::size_t target = text.size();
  append_path(text, e.target);
  const std::size_t target_end = text.size();
  text += kLineEnd;
  const std::string_view all(text);
  const Digits read(e.records_read), written(e.records_written), left(dropped(e)), bytes(e.bytes);
  const std::string message = e.outcome == dialogue::Outcome::kFailed ? tidy(e.message) : std::string();
  table_row({section_.name, section_.folder, label->second, all.substr(source, source_end - source),
             all.substr(target, target_end - target), outcome_code(e.outcome), read.view(), written.view(),
             left.view(), bytes.view(), message});
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
