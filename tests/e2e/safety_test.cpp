// Names taken from the data never lead the program out of the 2018 tree:
// whatever the register, the extra file list, the fixed-asset register list
// or the path file hold, every file and directory outside the 2018 tree and
// the temporary directory is the same after the run, the 2017 tree with it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.hpp"
#include "support/office.hpp"
#include "support/sample_run.hpp"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRegisterRecord = 103;
constexpr std::size_t kAssetListRecord = 367;
constexpr std::size_t kAssetRecord = 39771;

class Safety : public ::testing::Test {
 protected:
  // Files a climbing name would reach, so that copying onto them or out of
  // them would show.
  void plant_bait() {
    write_file(s_.old_root().parent_path() / "BAIT.TXT", std::string("office level"));
    write_file(s_.top() / "1/2/3/4/5/6/BAIT.TXT", std::string("far above"));
    write_file(s_.old_root().parent_path() / "X" / "BAIT.TXT", std::string("a sibling of the roots"));
  }
  void append_register(const std::vector<Record>& records) {
    Bytes reg = read_file(s_.old_root() / "SPISFIRM.DAT");
    for (const auto& r : records) reg.insert(reg.end(), r.bytes().begin(), r.bytes().end());
    write_file(s_.old_root() / "SPISFIRM.DAT", reg);
  }
  void expect_companies_carried(const ProgramResult& r) {
    for (const auto& dir : s_.companies()) {
      EXPECT_TRUE(fs::exists(s_.new_root() / dir / "2018_ROK.REK")) << dir;
      EXPECT_FALSE(r.shows("Brak katalogu zródłowego    " + dir)) << dir;
    }
    EXPECT_EQ(fs::file_size(s_.new_root() / "SPISFIRM.DAT"), s_.companies().size() * kRegisterRecord);
  }

  SampleRun s_;
};

TEST_F(Safety, RegisterDirectoriesLeavingTheTreesAreRefusedAsDamage) {
  plant_bait();
  // Directories that make each hostile name resolve on the 2017 side.
  fs::create_directories(s_.old_root() / "A" / "B");
  write_file(s_.old_root() / "A" / "B" / "2017_ROK.REK", Bytes(3 * 512, 0));
  fs::create_directories(s_.old_root() / "C:X");
  const std::vector<std::string> hostile = {"", ".", "..", "../X", "..\\X", "../../..", "A/B", "A\\B", "C:X", "C:"};
  std::vector<Record> records;
  for (std::size_t i = 0; i < hostile.size(); ++i)
    records.push_back(register_record({.name = "OBCA " + std::to_string(i), .dir = hostile[i]}));
  append_register(records);
  const auto before = s_.outside_2018();

  const auto r = s_.migrate("Enter\n");  // the wait after "Napraw plik"
  ASSERT_TRUE(ended_normally(r));
  for (std::size_t i = 0; i < hostile.size(); ++i)
    EXPECT_TRUE(r.shows("Brak katalogu zródłowego    " + hostile[i] + " dla firmy OBCA " + std::to_string(i)))
        << hostile[i];
  EXPECT_FALSE(r.shows("Odnaleziono katalog docelowy"));
  EXPECT_TRUE(r.shows("Napraw plik SPISFIRM.DAT !"));
  expect_companies_carried(r);
  // Only the two companies and the installation's own folders in the 2018 root.
  std::vector<std::string> top;
  for (const auto& e : fs::directory_iterator(s_.new_root()))
    if (e.path().filename() != kRunFolder) top.push_back(e.path().filename().string());
  std::sort(top.begin(), top.end());
  EXPECT_EQ(top, (std::vector<std::string>{"#BIN980", "PIEKARN", "SLUSARZ", "SPISFIRM.DAT"}));
  EXPECT_TRUE(s_.outside_2018() == before) << "something outside the 2018 tree changed";
}

TEST_F(Safety, ListEntriesLeavingTheCompanyDirectoryAreSkipped) {
  plant_bait();
  for (const auto& dir : s_.companies()) write_file(s_.old_root() / dir / "EXTRA.DAT", std::string("extra ") + dir);
  const std::vector<std::string> hostile = {
      "../BAIT.TXT", "..\\..\\BAIT.TXT", "../../../../../BAIT.TXT", "../../X/BAIT.TXT", "C:\\BAIT.TXT",
      "C:BAIT.TXT", "A/EXTRA.DAT", "EXTRA.DAT>../EXTRA.DAT", "EXTRA.DAT>..\\..\\X\\NEW.TXT", "..", "."};
  std::string list;
  for (const auto& h : hostile) list += h + "\r\n";
  // A name longer than an entry takes: its first 25 characters name no file.
  list += "EXTRA.DAT\r\n" + std::string(40, 'L') + "\r\nEXTRA.DAT>KOPIA.DAT\r\n";
  write_file(s_.program().string() + ".LST", list);
  const auto before = s_.outside_2018();

  const auto r = s_.migrate();
  ASSERT_TRUE(ended_normally(r));
  for (const auto& h : hostile) EXPECT_TRUE(r.shows("Niedozwolona nazwa pliku: " + h)) << h;
  expect_companies_carried(r);
  for (const auto& dir : s_.companies()) {
    EXPECT_EQ(read_file(s_.new_root() / dir / "EXTRA.DAT"), as_bytes("extra " + dir));
    EXPECT_EQ(read_file(s_.new_root() / dir / "KOPIA.DAT"), as_bytes("extra " + dir));
    EXPECT_FALSE(fs::exists(s_.new_root() / dir / std::string(25, 'L')));
  }
  EXPECT_FALSE(fs::exists(s_.new_root() / "EXTRA.DAT"));
  EXPECT_TRUE(s_.outside_2018() == before) << "something outside the 2018 tree changed";
}

TEST_F(Safety, FixedAssetRegisterNamesLeavingTheCompanyAreSkipped) {
  plant_bait();
  const std::string dir = s_.companies().front();
  const std::vector<std::string> hostile = {"../../X/BAIT", "..\\BAIT", "C:BAIT", "A/B", "..", "...."};
  std::vector<Record> list;
  for (const auto& h : hostile) list.push_back(Record(kAssetListRecord).text(0, 50, "obca").text(51, 12, h));
  list.push_back(Record(kAssetListRecord).text(0, 50, "dodatkowy").text(51, 12, "REJ2"));
  write_file(s_.old_root() / dir / "stbazy.rek", concat(list));
  Record asset(kAssetRecord);
  asset.fill(0, kAssetRecord, 0x41);
  write_file(s_.old_root() / dir / "REJ2.REK", asset.bytes());
  // Register files that climbing names would pick up on the 2017 side.
  write_file(s_.old_root().parent_path() / "X" / "BAIT.REK", asset.bytes());
  write_file(s_.old_root() / "BAIT.REK", asset.bytes());
  const auto before = s_.outside_2018();

  const auto r = s_.migrate();
  ASSERT_TRUE(ended_normally(r));
  for (const auto& h : hostile)
    EXPECT_TRUE(r.shows("Niedozwolona nazwa rejestru środków trwałych: " + h)) << h;
  expect_companies_carried(r);
  EXPECT_EQ(fs::file_size(s_.new_root() / dir / "REJ2.REK"), kAssetRecord);
  EXPECT_FALSE(fs::exists(s_.new_root() / "BAIT.REK"));
  EXPECT_TRUE(s_.outside_2018() == before) << "something outside the 2018 tree changed";
}

TEST_F(Safety, PathFileGarbageAroundItsTwoLinesChangesNothingElse) {
  plant_bait();
  const fs::path pth = s_.program().string() + ".PTH";
  const Bytes written = read_file(pth);
  const std::string lines(written.begin(), written.end());
  std::string garbage = std::string(1000, 'W') + "\r\n" + " WEX_2018=../../X\r\nwex_2018=..\r\nWEX_2018\r\n";
  for (int b = 0; b < 256; ++b) garbage += static_cast<char>(b == '\n' || b == 0x1A ? ' ' : b);
  garbage += "\r\n\r\n";
  write_file(pth, garbage + lines + "WEX_2019=..\r\n" + std::string(300, ':'));
  const auto before = s_.outside_2018();

  const auto r = s_.migrate();
  ASSERT_TRUE(ended_normally(r));
  expect_companies_carried(r);
  EXPECT_TRUE(s_.outside_2018() == before) << "something outside the 2018 tree changed";
}

}  // namespace
}  // namespace vx::test
