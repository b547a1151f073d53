// A migrated office leaves its report in a run folder of VX1718: every
// company named, the records counted as the 2018 files hold them, one table
// row per step, and the end screen pointing at it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "charset/utf8.hpp"
#include "support/office.hpp"
#include "support/sample_run.hpp"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRegisterRecord = 103;
constexpr std::size_t kRegisterName = 0;  // text of up to 31 characters
constexpr std::size_t kRegisterDir = 32;  // text of up to 8 characters

// "FIRMA: <name> (katalog <folder>)" of each company in the register.
std::vector<std::string> company_headings(const fs::path& reg) {
  const Bytes bytes = read_file(reg);
  std::vector<std::string> headings;
  for (std::size_t at = 0; at + kRegisterRecord <= bytes.size(); at += kRegisterRecord) {
    auto text = [&](std::size_t field) {
      return std::string(reinterpret_cast<const char*>(bytes.data() + at + field + 1), bytes[at + field]);
    };
    headings.push_back("FIRMA: " + charset::cp852_text_to_utf8(text(kRegisterName)) + " (katalog " +
                       text(kRegisterDir) + ")");
  }
  return headings;
}

std::vector<std::string> crlf_lines(const fs::path& file) {
  const Bytes bytes = read_file(file);
  std::string text(bytes.begin(), bytes.end());
  EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF")) << file;
  std::vector<std::string> lines;
  for (std::size_t at = 3, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  return lines;
}

TEST(RunReport, NamesEveryCompanyAndCountsWhatThe2018FilesHold) {
  // The generator's office of three companies, whose filters drop a person
  // and a struck-off document here and there; "n" to every question.
  TempDir tmp;
  const fs::path office = tmp / "office", bin = tmp / "bin", temp = tmp / "temp";
  fs::create_directories(bin);
  fs::create_directories(temp);
  fs::copy_file(VX_PROGRAM, bin / kProgramFileName);
  const auto made = run_program({.arguments = {office.string(), "--companies", "3", "--pth",
                                               (bin / "vx17-18.PTH").string()},
                                 .program = VX_SAMPLE_TOOL});
  ASSERT_EQ(made.exit_code, 0) << made.errors;
  // Polish letters converted: the company texts then pass through the
  // temporary directory, outside both trees, and must come out clean.
  std::string script = "Tab\nTab\nDown\nSpace\n" + wizard_defaults() + select_all();
  for (int i = 0; i < 400; ++i) script += "n\n";
  const auto r = run_program({.script = script,
                              .environment = {{"TEMP", temp.string()}},
                              .program = (bin / kProgramFileName).string(),
                              .working_dir = temp.string()});
  ASSERT_TRUE(ended_normally(r));

  std::vector<fs::path> runs;
  for (const auto& e : fs::directory_iterator(office / "WEX_2018" / "VX1718"))
    if (e.is_directory()) runs.push_back(e.path());
  ASSERT_EQ(runs.size(), 1u);
  const auto text = crlf_lines(runs[0] / "raport.txt");
  const auto table = crlf_lines(runs[0] / "raport.csv");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text[0], "RAPORT PRZENIESIENIA DANYCH WEX_VX Z ROKU 2017 NA ROK 2018");

  const auto companies = company_headings(office / "WEX_2017" / "SPISFIRM.DAT");
  ASSERT_EQ(companies.size(), 3u);
  for (const auto& heading : companies)
    EXPECT_EQ(std::count(text.begin(), text.end(), heading), 1) << heading;

  // Each step is its line and the line of its two paths; records written
  // are summed per target, January's documents coming from two files.
  const std::regex counts(R"(: skopiowany \(rekordy: odczytane (\d+), zapisane (\d+),)");
  std::map<std::string, std::uintmax_t> records, dropped;
  std::size_t steps = 0;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (!text[i].starts_with("      ")) continue;
    ++steps;
    const auto arrow = text[i].find(" -> ");
    ASSERT_NE(arrow, std::string::npos) << text[i];
    std::smatch m;
    if (!std::regex_search(text[i - 1], m, counts)) continue;
    const std::string target = text[i].substr(arrow + 4);
    records[target] += std::stoull(m[2]);
    dropped[target] += std::stoull(m[1]) - std::stoull(m[2]);
  }
  const std::pair<std::string, std::uintmax_t> record_sizes[] = {
      {"baza_ad8.rek", 480}, {"2018K880.1", 400}, {"DANE_PR8.REK", 2048}};
  std::size_t checked = 0, with_drops = 0;
  for (const auto& [target, count] : records)
    for (const auto& [name, size] : record_sizes)
      if (target.ends_with(name)) {
        EXPECT_EQ(count, fs::file_size(target) / size) << target;
        EXPECT_EQ(fs::file_size(target) % size, 0u) << target;
        ++checked;
        with_drops += dropped[target] > 0;
      }
  EXPECT_EQ(checked, 1 + 3 * companies.size());
  EXPECT_GT(with_drops, 0u) << "records written must differ from records read somewhere";

  // One table row per step under the header; the files written are the
  // rows copied, as the end screen counts them.
  ASSERT_EQ(table.size(), steps + 1);
  std::size_t copied = 0;
  for (const auto& row : table) copied += row.find(";skopiowany;") != std::string::npos;
  const std::string summary =
      "Firm przeniesionych: 3, z błędami: 0, pominiętych: 0; plików: " + std::to_string(copied);
  EXPECT_EQ(text[text.size() - 3], "  Pliki zapisane: " + std::to_string(copied));

  const auto& end = r.screens.at(r.screens.size() - 2);
  std::size_t row = 0;
  while (row < end.size() && !end[row].starts_with("Koniec pracy kopiera danych WEX_VX na rok 2018")) ++row;
  ASSERT_LT(row + 3, end.size());
  EXPECT_EQ(end[row + 1].substr(0, end[row + 1].find_last_not_of(' ') + 1), summary);
  // A long path is cut at the edge of the screen.
  const std::string shown = end[row + 2].substr(0, end[row + 2].find_last_not_of(' ') + 1);
  EXPECT_TRUE(shown.starts_with("Raport: ")) << shown;
  EXPECT_TRUE(("Raport: " + (runs[0] / "raport.txt").string()).starts_with(shown)) << shown;
  EXPECT_TRUE(end[row + 3].starts_with("Nacisnij Enter"));
}

}  // namespace
}  // namespace vx::test
