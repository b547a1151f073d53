// "/auto": the whole migration without a key press. Its profile answers
// what the operator answers at the console, so the same choices give the
// same trees byte for byte; it never waits; a bad profile or a busy tree
// ends it with code 2 having written nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "e2e/sample_office_runs.hpp"
#include "recordfile/record_view.hpp"
#include "support/second_station.hpp"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

// Keys said again and again: every question takes the first it knows.
std::string again(const std::string& keys) {
  std::string out;
  for (int i = 0; i < 300; ++i) out += keys;
  return out;
}

// The company folders of the sample's 2017 register, in its order.
std::vector<std::string> register_folders(const OfficeRuns& o) {
  const Bytes reg = read_file(o.root_2017() / "SPISFIRM.DAT");
  std::vector<std::string> out;
  for (std::size_t at = 0; at + 103 <= reg.size(); at += 103)
    out.push_back(ConstRecordView(std::span<const std::uint8_t>(reg).subspan(at, 103)).text(32, 8));
  return out;
}

int lines_starting(const std::string& text, const std::string& start) {
  int n = 0;
  for (std::size_t at = 0; at < text.size();) {
    const auto end = text.find('\n', at);
    n += text.compare(at, start.size(), start) == 0;
    at = end == std::string::npos ? text.size() : end + 1;
  }
  return n;
}

struct SameChoices {
  const char* label;
  std::string profile;  // %2 and %3: the third and fourth company folder
  std::string keys;     // the scripted run making the same choices
  int companies;        // carried
};

void PrintTo(const SameChoices& c, std::ostream* os) { *os << c.label; }

std::string with_folders(std::string text, const std::vector<std::string>& folders) {
  for (const auto& [mark, i] : {std::pair{"%2", 2}, std::pair{"%3", 3}})
    if (const auto at = text.find(mark); at != std::string::npos) text.replace(at, 2, folders[i]);
  return text;
}

class UnattendedSameChoices : public ::testing::TestWithParam<SameChoices> {};

// The third company of the sample has both annual files in its 2017 folder.
TEST_P(UnattendedSameChoices, GiveTheTreesOfTheScriptedRun) {
  const SameChoices& c = GetParam();
  OfficeRuns o;
  fs::create_directories(o.beside() / "temp");
  o.write_anew();
  const auto scripted = o.run_with({}, c.keys);
  ASSERT_EQ(scripted.exit_code, 0) << scripted.errors;
  const Tree want_2018 = o.tree_2018(), want_2017 = o.tree_2017();

  o.write_anew();
  const fs::path profile = o.beside() / "profil.ini";
  write_file(profile, with_folders(c.profile, register_folders(o)));
  const auto unattended = o.run_with({"/auto:" + profile.string()}, "");
  EXPECT_EQ(unattended.exit_code, 0) << unattended.output << unattended.errors;
  EXPECT_EQ(first_difference(o.tree_2018(), want_2018), "none");
  EXPECT_EQ(first_difference(o.tree_2017(), want_2017), "none");
  // Not a terminal: a line per company, the summary and the report.
  EXPECT_EQ(lines_starting(unattended.output, "Firma "), c.companies) << unattended.output;
  EXPECT_EQ(lines_starting(unattended.output, "Firm przeniesionych: " + std::to_string(c.companies) +
                                                  ", z błędami: 0, pominiętych: 0"),
            1)
      << unattended.output;
  EXPECT_EQ(lines_starting(unattended.output, "Raport: " + (o.root_2018() / kRunFolder).string()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, UnattendedSameChoices,
    ::testing::Values(
        // Keep every file, hide nothing: N for yes/no and overwrite alike,
        // and for the annual question the 2018 file (of the one company).
        SameChoices{"KeepAnd2018", "[ODPOWIEDZI]\nPLIK_ROCZNY=2018\n", wizard_defaults() + again("N\nF5\n"), 4},
        // Replace every file, the 2018 annual file, the unsettled documents
        // hidden: A for overwrite and annual alike, T for yes/no.
        SameChoices{"ReplaceAnd2018",
                    "[ODPOWIEDZI]\r\nISTNIEJACE_PLIKI=zastap\r\nPLIK_ROCZNY=2018\r\nUSUN_NIEROZLICZONE=TAK\r\n",
                    wizard_defaults() + again("A\nT\nF5\n"), 4},
        // Mazovia to 852, converted files hidden, the unsettled documents
        // too; every file replaced.
        SameChoices{"ConvertingAndHiding",
                    "[OPCJE]\nSTANDARD_ZNAKOW=1\nZASLON_PRZENIESIONE=TAK\n"
                    "[ODPOWIEDZI]\nISTNIEJACE_PLIKI=ZASTAP\nPLIK_ROCZNY=2018\nUSUN_NIEROZLICZONE=TAK\n",
                    "Tab\nTab\nDown\nSpace\nTab\nTab\nTab\nSpace\n" + wizard_defaults() + again("A\nT\nF5\n"), 4},
        // Two companies, no global data, the defaults: the 2017 annual file
        // (the question comes first after the list) and every file kept.
        SameChoices{"TwoCompaniesKeepAnd2017", "[START]\nKOPIUJ_GLOBALNE=NIE\nFIRMY=%2, %3\n",
                    "PgDn\nPgDn\nPgDn\nS-Tab\nS-Tab\nSpace\nF5\nC-D\nDown\nDown\nSpace\nDown\nSpace\nF5\nB\n" +
                        again("Z\nN\n"),
                    2}),
    [](const ::testing::TestParamInfo<SameChoices>& p) { return std::string(p.param.label); });

struct BadProfile {
  const char* label;
  const char* text;
  int line;
  const char* key;
};

void PrintTo(const BadProfile& c, std::ostream* os) { *os << c.label; }

class UnattendedBadProfile : public ::testing::TestWithParam<BadProfile> {};

TEST_P(UnattendedBadProfile, IsRefusedNamingFileLineAndKeyAndNothingIsWritten) {
  const BadProfile& c = GetParam();
  OfficeRuns o;
  o.write_anew();
  const fs::path profile = o.beside() / "zly.ini";
  write_file(profile, std::string_view(c.text));
  const Tree before_2017 = o.tree_2017(), before_2018 = o.tree_2018();
  const auto r = o.run_with({"/auto:" + profile.string()}, "");
  EXPECT_EQ(r.exit_code, 2) << r.output << r.errors;
  EXPECT_NE(r.errors.find("zły profil " + profile.string() + ", wiersz " + std::to_string(c.line) + ", klucz " +
                          c.key + ":"),
            std::string::npos)
      << r.errors;
  EXPECT_EQ(lines_starting(r.output, "Firma "), 0);
  EXPECT_EQ(first_difference(o.tree_2017(), before_2017), "none");
  EXPECT_EQ(first_difference(o.tree_2018(), before_2018), "none");
  EXPECT_FALSE(fs::exists(o.root_2018() / kRunFolder));
}

INSTANTIATE_TEST_SUITE_P(
    Refused, UnattendedBadProfile,
    ::testing::Values(BadProfile{"UnknownKey", "[OPCJE]\nSTANDARD_ZNAKOW=1\nKOLORY=TAK\n", 3, "KOLORY"},
                      BadProfile{"KeyOfAnotherSection", "[ODPOWIEDZI]\r\n\r\nFIRMY=WSZYSTKIE\r\n", 3, "FIRMY"},
                      BadProfile{"BadNumber", "; czekanie\n[ODPOWIEDZI]\nCZEKAJ_NA_BLOKADE=dlugo\n", 3,
                                 "CZEKAJ_NA_BLOKADE"},
                      BadProfile{"BadYesNo", "[DANE_FIRMOWE]\nFIRMOWE_02=moze\n", 2, "FIRMOWE_02"},
                      BadProfile{"RadioOutOfRange", "[DANE_FIRMOWE]\nPRZENIES_OSOBY=3\n", 2, "PRZENIES_OSOBY"},
                      BadProfile{"GivenTwice", "[START]\nKOPIUJ_FIRMY=TAK\nKOPIUJ_FIRMY=NIE\n", 3, "KOPIUJ_FIRMY"},
                      BadProfile{"UnknownFolder", "[START]\n; dwie firmy\nFIRMY=PIEKARN,NIEMA\n", 3, "FIRMY"}),
    [](const ::testing::TestParamInfo<BadProfile>& p) { return std::string(p.param.label); });

// "/wzor" writes every key with its default, each under a comment; read
// back as a profile it gives the run of the defaults.
TEST(Unattended, TheTemplateReadBackGivesTheDefaultsRun) {
  OfficeRuns o;
  o.write_anew();
  const auto plain = o.run_with({"/auto"}, "");
  ASSERT_EQ(plain.exit_code, 0) << plain.output << plain.errors;
  const Tree want = o.tree_2018();

  const fs::path profile = o.beside() / "wzor.ini";
  const auto written = o.run_with({"/wzor:" + profile.string()}, "");
  ASSERT_EQ(written.exit_code, 0) << written.errors;
  const Bytes bytes = read_file(profile);
  const std::string text(bytes.begin(), bytes.end());
  int keys = 0;
  std::string previous;
  for (std::size_t at = 0; at < text.size();) {
    const auto end = text.find("\r\n", at);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    const std::string line = text.substr(at, end - at);
    if (!line.empty() && line[0] != ';' && line[0] != '[') {
      ++keys;
      EXPECT_NE(line.find('='), std::string::npos) << line;
      EXPECT_TRUE(previous.starts_with(";")) << line << " has no comment";
    }
    previous = line;
    at = end + 2;
  }
  EXPECT_EQ(keys, 4 + 11 + 16 + 2 + 5 + 3 + 5 + 8);

  o.write_anew();
  const auto again_run = o.run_with({"/auto:" + profile.string()}, "");
  EXPECT_EQ(again_run.exit_code, 0) << again_run.output << again_run.errors;
  EXPECT_EQ(first_difference(o.tree_2018(), want), "none");
}

TEST(Unattended, AnotherRunHoldingTheTreeEndsItWithCodeTwo) {
  OfficeRuns o;
  o.write_anew();
  fs::create_directories(o.root_2018() / kRunFolder);
  const fs::path lock = o.root_2018() / kRunFolder / "vx17-18.lck";
  write_file(lock, Bytes{});
  const Tree before = o.tree_2018();
  SecondStation other(StationJob::kHold, lock.string());
  const auto r = o.run_with({"/auto"}, "");
  other.release();
  EXPECT_EQ(other.finish(), 0);
  EXPECT_EQ(r.exit_code, 2) << r.output << r.errors;
  EXPECT_NE(r.errors.find("Dane tej instalacji 2018 przenosi już inne stanowisko (blokada):"), std::string::npos)
      << r.errors;
  EXPECT_EQ(first_difference(o.tree_2018(), before), "none");
  // The lock file alone: no run folder was begun.
  EXPECT_EQ(std::distance(fs::directory_iterator(o.root_2018() / kRunFolder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace vx::test
