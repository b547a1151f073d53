#include "conversion/annual_settings.hpp"

#include <gtest/gtest.h>

#include "support/fixture.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {
namespace {

constexpr std::size_t kSize = 512;

// Three source records with every byte set, so that a byte the 2018 file
// should not carry shows up.
std::vector<Record> source_records(std::uint8_t month_state, double closing) {
  std::vector<Record> recs;
  for (int r = 0; r < 3; ++r) {
    Record rec(kSize);
    for (std::size_t i = 0; i < kSize; ++i)
      rec.u8(i, static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(r) * 31) % 250 + 3));
    recs.push_back(rec);
  }
  recs[0].u8(0, 0x5A).u8(3, month_state);
  for (int i = 0; i < 13; ++i) recs[0].f64(150 + 8 * static_cast<std::size_t>(i), 1000.0 + i);
  recs[0].f64(150 + 8 * 12, closing);
  for (int m = 1; m <= 12; ++m) recs[0].f64(248 + 8 * static_cast<std::size_t>(m), 50.0 + m);
  return recs;
}

void copy(const Record& from, Record& to, std::size_t at, std::size_t len) {
  for (std::size_t i = at; i < at + len; ++i) to.u8(i, from.bytes()[i]);
}

// The 2018 records written out from the layout of the annual file.
Bytes expected(const std::vector<Record>& src, bool from_2018, std::uint8_t marker) {
  Record r1(kSize), r2(kSize), r3(kSize);
  for (Record* r : {&r1, &r2, &r3}) r->u8(0, marker).u8(1, marker);

  const auto& s1 = src[0];
  for (auto [at, len] : std::initializer_list<std::pair<std::size_t, std::size_t>>{
           {5, 2}, {7, 2}, {14, 2}, {12, 1}, {13, 1}, {114, 1}, {115, 1}, {116, 1}, {117, 1},
           {122, 1}, {133, 1}, {141, 1}, {142, 1}, {143, 1}, {112, 2}, {127, 2}, {135, 2},
           {137, 2}, {139, 2}, {123, 4}, {254, 2}, {364, 2}, {408, 8}, {418, 1}, {419, 1},
           {420, 1}, {421, 2}})
    copy(s1, r1, at, len);
  r1.u8(4, 3).u8(131, 3);
  r1.u16(118, ConstRecordView(s1.bytes()).u16(120));
  if (from_2018) {
    copy(s1, r1, 2, 2);
    for (std::size_t m = 0; m < 12; ++m) copy(s1, r1, 16 + 8 * m, 4);
    copy(s1, r1, 150, 13 * 8);
    copy(s1, r1, 256, 12 * 8);
    copy(s1, r1, 416, 2);
  } else {
    r1.u8(2, 1).u8(3, 1);
    for (std::size_t m = 0; m < 12; ++m) r1.u16(16 + 8 * m, 1).u16(18 + 8 * m, 1);
    const ConstRecordView old(s1.bytes());
    r1.f64(150, old.f64(150 + 8 * 12));  // BO.2018 := BZ.2017
    r1.f64(248 + 8, old.f64(248 + 8 * 12));
    r1.u16(416, 1);
  }

  const auto& s2 = src[1];
  for (std::size_t k = 0; k < 10; ++k) {
    const std::size_t e = 2 + 16 * k;
    copy(s2, r2, e, 7);
    copy(s2, r2, e + 9, 7);
    if (from_2018)
      copy(s2, r2, e + 7, 2);
    else
      r2.u16(e + 7, 1);
  }
  copy(s2, r2, 162, 2);

  const auto& s3 = src[2];
  copy(s3, r3, 2, 8);
  copy(s3, r3, 10, 8);
  copy(s3, r3, 270, 8);
  copy(s3, r3, 278, 2);
  if (from_2018) copy(s3, r3, 18, 21 * 12);
  return concat({r1, r2, r3});
}

class AnnualSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "2018" / "FIRMA1");
    std::filesystem::create_directories(dir_ / "2018" / "FIRMA2");
  }
  void prepare(vx::Session& run) {
    run.loc.source_root = dir_.str() + "/2017/";
    run.loc.target_root = dir_.str() + "/2018/";
  }
  std::filesystem::path source(const std::string& company, const std::string& name) {
    return dir_ / "2017" / company / name;
  }
  std::filesystem::path target(const std::string& company = "FIRMA1") {
    return dir_ / "2018" / company / "2018_ROK.REK";
  }
  static int beeps(const std::string& output) {
    int n = 0;
    for (auto at = output.find("--- beep"); at != std::string::npos; at = output.find("--- beep", at + 1)) ++n;
    return n;
  }
  static bool shows(ScriptedRun& sr, const std::string& text) {
    for (const auto& row : sr.screen())
      if (row.find(text) != std::string::npos) return true;
    return false;
  }

  TempDir dir_;
};

TEST_F(AnnualSettings, ApprovedDecemberOpensTheNewYear) {
  const auto src = source_records(13, 1234.50);
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(src));
  ScriptedRun sr;  // no key may be awaited
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");

  const Bytes out = read_file(target());
  ASSERT_EQ(out.size(), 3 * kSize);
  EXPECT_EQ(out, expected(src, false, 0x5A));
  EXPECT_EQ(ConstRecordView(out).f64(150), 1234.50);  // BZ.2017 is BO.2018
  EXPECT_FALSE(sr.run().conversion.from_2018_files);
  EXPECT_EQ(beeps(sr.output()), 0);
  EXPECT_TRUE(shows(sr, "Konwersja danych ROCZNYCH ustawień firmy"));
  EXPECT_TRUE(shows(sr, "Utworzono dane w 2018"));
  EXPECT_EQ(sr.run().conversion.company_path_2017, dir_.str() + "/2017/FIRMA1");
}

TEST_F(AnnualSettings, OpenDecemberWarnsTwiceWaitsOnceAndStillCarriesOver) {
  const auto src = source_records(12, -77.25);
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(src));
  ScriptedRun sr("Enter\n");
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");

  EXPECT_EQ(read_file(target()), expected(src, false, 0x5A));
  EXPECT_EQ(sr.console().screens_shown(), 1);
  EXPECT_EQ(beeps(sr.output()), 2);
  const std::string at_wait = sr.output();
  EXPECT_NE(at_wait.find("Nie zatwierdzono miesiąca GRUDNIA.2017"), std::string::npos);
  EXPECT_NE(at_wait.find("mogę przenieść niepoprawny stan BZ.2017 jako BO.2018"), std::string::npos);
}

TEST_F(AnnualSettings, OpenDecemberWithoutWarningOrSound) {
  const auto src = source_records(5, 10.0);
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(src));
  {
    ScriptedRun sr;
    prepare(sr.run());
    sr.run().options.warn_open_december = 0;
    conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
    EXPECT_EQ(read_file(target()), expected(src, false, 0x5A));
    EXPECT_FALSE(shows(sr, "GRUDNIA"));
  }
  ScriptedRun sr("Enter\n");
  prepare(sr.run());
  sr.run().ui.sound_off = true;
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_EQ(beeps(sr.output()), 0);
  EXPECT_EQ(sr.console().screens_shown(), 1);
}

TEST_F(AnnualSettings, BothFilesAnswerBTakesThe2017File) {
  const auto old_year = source_records(13, 1.0);
  auto new_year = source_records(4, 2.0);
  new_year[0].u8(0, 0x33);
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(old_year));
  write_file(source("FIRMA1", "2018_ROK.REK"), concat(new_year));
  ScriptedRun sr("x\nb\n");  // any other key is ignored
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");

  EXPECT_EQ(read_file(target()), expected(old_year, false, 0x5A));
  EXPECT_FALSE(sr.run().conversion.from_2018_files);
  EXPECT_FALSE(sr.run().conversion.annual_choice_all_2018);
  EXPECT_EQ(sr.console().screens_shown(), 2);
  EXPECT_TRUE(shows(sr, "Występują dane ROCZNE za rok 2017 i 2018 !"));
  EXPECT_TRUE(shows(sr, "Wybierz z których skrzystać : B-2017  N-2018"));
}

TEST_F(AnnualSettings, BothFilesAnswerNTakesThe2018FileAsItIs) {
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(source_records(13, 1.0)));
  auto new_year = source_records(4, 2.0);
  new_year[0].u8(0, 0x33);
  write_file(source("FIRMA1", "2018_ROK.REK"), concat(new_year));
  ScriptedRun sr("N\n");
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");

  EXPECT_EQ(read_file(target()), expected(new_year, true, 0x33));
  EXPECT_TRUE(sr.run().conversion.from_2018_files);
  EXPECT_FALSE(sr.run().conversion.annual_choice_all_2018);
}

TEST_F(AnnualSettings, AnswerAHoldsForLaterCompaniesWithoutAQuestion) {
  auto new_year = source_records(4, 2.0);
  for (const char* company : {"FIRMA1", "FIRMA2"}) {
    write_file(source(company, "2017_ROK.REK"), concat(source_records(13, 1.0)));
    write_file(source(company, "2018_ROK.REK"), concat(new_year));
  }
  ScriptedRun sr("a\n");  // the only key: a second question would find none
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_TRUE(sr.run().conversion.annual_choice_all_2018);
  EXPECT_EQ(read_file(target("FIRMA1")), expected(new_year, true, 0x5A));

  sr.run().conversion.start_company();
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA2");
  EXPECT_EQ(read_file(target("FIRMA2")), expected(new_year, true, 0x5A));
  EXPECT_TRUE(sr.run().conversion.from_2018_files);
  EXPECT_EQ(sr.console().screens_shown(), 1);
}

TEST_F(AnnualSettings, Only2018FileIsTakenWithoutAQuestion) {
  auto new_year = source_records(7, 3.0);
  write_file(source("FIRMA1", "2018_ROK.REK"), concat(new_year));
  ScriptedRun sr;
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_EQ(read_file(target()), expected(new_year, true, 0x5A));
  EXPECT_TRUE(sr.run().conversion.from_2018_files);
}

TEST_F(AnnualSettings, ConvertingMarksTheFileAsCodePage852) {
  const auto src = source_records(13, 1.0);
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(src));
  ScriptedRun sr;
  prepare(sr.run());
  sr.run().cs.charset_mode = 1;
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_EQ(read_file(target()), expected(src, false, 0x81));
  EXPECT_EQ(sr.run().cs.source_charset, 1);
  EXPECT_EQ(sr.run().cs.target_charset, 2);
}

TEST_F(AnnualSettings, KeepingTheStandardSetsBothStandardsTo852) {
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(source_records(13, 1.0)));
  ScriptedRun sr;
  prepare(sr.run());
  sr.run().cs.source_charset = 1;
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_EQ(sr.run().cs.source_charset, 2);
  EXPECT_EQ(sr.run().cs.target_charset, 2);
  const Bytes out = read_file(target());
  for (std::size_t r = 0; r < 3; ++r) {
    EXPECT_EQ(out[r * kSize], 0x5A);
    EXPECT_EQ(out[r * kSize + 1], 0x5A);
  }
}

TEST_F(AnnualSettings, ShortSourceLeavesThe2018FileAsItWas) {
  auto src = source_records(13, 1.0);
  Bytes two = concat({src[0], src[1]});
  two.resize(two.size() + 100, 1);  // and part of a third
  write_file(source("FIRMA1", "2017_ROK.REK"), two);
  write_file(target(), Bytes(3 * kSize, 9));  // an earlier file stays
  ScriptedRun sr("Enter\n");
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_EQ(read_file(target()), Bytes(3 * kSize, 9));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target().parent_path()), {}), 1);
  EXPECT_TRUE(shows(sr, "Błąd odczytu danych z 2017"));
  EXPECT_FALSE(shows(sr, "Utworzono dane w 2018"));
  EXPECT_EQ(sr.console().screens_shown(), 1);
}

TEST_F(AnnualSettings, NoAnnualDataWritesNothing) {
  write_file(source("FIRMA1", "2017_ROK.REK"), Bytes{});  // empty counts as missing
  ScriptedRun sr("Enter\n");
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_FALSE(file_exists(target()));
  EXPECT_TRUE(shows(sr, "Brak danych nnnnROK.REK danych za 2017 i 2018 !"));
  EXPECT_EQ(sr.console().screens_shown(), 1);
}

TEST_F(AnnualSettings, TargetThatCannotBeCreatedIsReported) {
  write_file(source("FIRMA9", "2017_ROK.REK"), concat(source_records(13, 1.0)));
  ScriptedRun sr("Enter\n");
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA9");  // no 2018 directory
  EXPECT_TRUE(shows(sr, "brak dostępu do danych FirmaREK za 2018 !"));
  EXPECT_EQ(sr.console().screens_shown(), 1);
}

TEST_F(AnnualSettings, NumberingStringsTravelWholeAsStored) {
  auto src = source_records(13, 1.0);
  Record& numbering = src[1];
  // Entry 1: a prefix of two characters with other bytes behind them, an
  // overlong suffix; entry 10 ends at 161, then the two bytes copied.
  const Bytes entry1 = {2, 'F', 'V', 'x', 'y', 'z', 'w', 0x34, 0x12, 9, '1', '2', '3', '4', '5', '6'};
  for (std::size_t i = 0; i < entry1.size(); ++i) numbering.u8(2 + i, entry1[i]);
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(src));
  ScriptedRun sr;
  prepare(sr.run());
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");

  const Bytes out = read_file(target());
  ASSERT_EQ(out.size(), 3 * kSize);
  const Bytes got(out.begin() + kSize + 2, out.begin() + kSize + 18);
  Bytes want = entry1;
  want[7] = 1;  // the counter starts again in the new year
  want[8] = 0;
  EXPECT_EQ(got, want);
  for (std::size_t i = 164; i < kSize; ++i) ASSERT_EQ(out[kSize + i], 0) << i;
  EXPECT_EQ(out[kSize + 162], numbering.bytes()[162]);
  EXPECT_EQ(out[kSize + 161], numbering.bytes()[161]);  // last byte of entry 10
}

TEST_F(AnnualSettings, AFailedReadKeepsWhatWasSettledBeforeIt) {
  // A 2018 file of one record and a part: chosen, its standards settled,
  // then the second read fails.
  auto src = source_records(4, 1.0);
  Bytes short_file = src[0].bytes();
  short_file.resize(kSize + 200, 7);
  // Converting with the standards as they stand before the company.
  const auto convert = [&](const Bytes& annual_2018, auto&& check) {
    write_file(source("FIRMA1", "2018_ROK.REK"), annual_2018);
    ScriptedRun sr("Enter\n");
    prepare(sr.run());
    sr.run().cs = {1, 2, 2};
    conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
    EXPECT_FALSE(file_exists(target()));
    EXPECT_TRUE(sr.run().conversion.from_2018_files);
    check(sr);
  };
  convert(short_file, [&](ScriptedRun& sr) {
    EXPECT_EQ(sr.run().cs.source_charset, 1);
    EXPECT_EQ(sr.run().cs.target_charset, 2);
    EXPECT_TRUE(shows(sr, "Błąd odczytu danych z 2017"));
    EXPECT_EQ(sr.console().screens_shown(), 1);
  });
  // Not even the first record: the standards stay as they were.
  convert(Bytes(100, 7), [](ScriptedRun& sr) {
    EXPECT_EQ(sr.run().cs.source_charset, 2);
    EXPECT_EQ(sr.run().cs.target_charset, 2);
  });
}

TEST_F(AnnualSettings, TheQuestionIgnoresOtherKeysAndShowsTheChoice) {
  write_file(source("FIRMA1", "2017_ROK.REK"), concat(source_records(13, 1.0)));
  write_file(source("FIRMA1", "2018_ROK.REK"), concat(source_records(4, 2.0)));
  ScriptedRun sr("t\nEnter\nEsc\n1\nn\n");
  prepare(sr.run());
  sr.run().out.set_window({3, 6, 76, 19});  // the copy plan's window
  conversion::convert_annual_settings(sr.run().company_job, "FIRMA1");
  EXPECT_EQ(sr.console().screens_shown(), 5);  // four ignored keys, then N
  EXPECT_TRUE(sr.run().conversion.from_2018_files);
  const auto rows = sr.screen();
  EXPECT_EQ(rows[5], "  Konwersja danych ROCZNYCH ustawień firmy");
  EXPECT_EQ(rows[6], "  Występują dane ROCZNE za rok 2017 i 2018 !");
  // The question is cut to the 74 columns of the window, leaving no room
  // for the answer behind it; then an empty line.
  EXPECT_EQ(rows[7], "  Wybierz z których skrzystać : B-2017  N-2018, A-wszyskie następne na N   (");
  EXPECT_EQ(rows[8], "");
  EXPECT_EQ(rows[9], "  Utworzono dane w 2018");
}

}  // namespace
}  // namespace vx::test
