#include "conversion/copy_plan.hpp"

#include <gtest/gtest.h>

#include "conversion/office_fixture.hpp"
#include "support/fixture.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {
namespace {

// A company whose 2017 directory passes the opening checks.
struct PlanCase {
  explicit PlanCase(const std::string& keys = "") : r(keys), dirs(r) {
    Record annual(512);
    annual.u8(3, 13);
    write_file(dirs.old_file("2017_ROK.REK"), concat({annual, Record(512), Record(512)}));
    Record stamp(256);
    stamp.u16(0, 2017).u16(2, 2017).u16(4, 2017).u8(6, 0x33).u8(7, 0).fill(8, 248, 0x5A);
    write_file(dirs.old_file("_vx_wex.rek"), stamp.bytes());
  }
  bool run_plan() { return conversion::copy_company(r.run(), dirs.company); }
  bool shown(std::string_view utf8) const { return r.transcript().find(utf8) != std::string::npos; }

  ScriptedRun r;
  CompanyDirs dirs;
};

Record document(int day, int month, const std::string& number) {
  Record d(400);
  d.date(18, day, month, 2018).date(14, day, month, 2018).text(55, 18, number).text(148, 36, "towar");
  return d;
}

TEST(CopyPlanOpening, A2018AnnualFileAlonePassesAfterOneLine) {
  PlanCase c;
  std::filesystem::remove(c.dirs.old_file("2017_ROK.REK"));
  write_file(c.dirs.old_file("2018_ROK.REK"), concat({Record(512), Record(512), Record(512)}));
  EXPECT_TRUE(c.run_plan());
  EXPECT_EQ(c.r.transcript().find("Brak :"), c.r.transcript().rfind("Brak :"));  // one line only
  EXPECT_TRUE(c.shown("Brak :" + c.dirs.old_file("2017_ROK.REK").string()));
  EXPECT_TRUE(file_exists(c.dirs.new_file("2018_ROK.REK")));
}

TEST(CopyPlanOpening, WithoutAnnualFilesNothingIsCopied) {
  PlanCase c("x\n");
  std::filesystem::remove(c.dirs.old_file("2017_ROK.REK"));
  write_file(c.dirs.old_file("2018_ROK.REK"), Bytes{});  // empty counts as missing
  EXPECT_FALSE(c.run_plan());
  const auto rows = c.r.screen();
  EXPECT_EQ(rows[5], "  Brak :" + c.dirs.old_file("2017_ROK.REK").string().substr(0, 72));
  EXPECT_EQ(rows[6].substr(0, 8), "  Brak :");
  EXPECT_EQ(rows[7], "");
  EXPECT_EQ(rows[8], "  Brak danych za rok 2017 czy 2018");
  EXPECT_EQ(rows[9], "  Nie można dokonać konwersji ...");
  EXPECT_EQ(c.r.console().screens_shown(), 1);  // one key wait
  EXPECT_FALSE(file_exists(c.dirs.new_file("_vx_wex.rek")));
}

TEST(CopyPlanOpening, StampCarries2018AndTheRestAsRead) {
  PlanCase c;
  ASSERT_TRUE(c.run_plan());
  const Bytes stamp = read_file(c.dirs.new_file("_vx_wex.rek"));
  ASSERT_EQ(stamp.size(), 256u);
  Record expected(256);
  expected.u16(0, 2018).u16(2, 2018).u16(4, 2018).u8(6, 0x33).u8(7, 1).fill(8, 248, 0x5A);
  EXPECT_EQ(stamp, expected.bytes());
}

TEST(CopyPlanOpening, UnreadableStampStopsTheCompany) {
  PlanCase c("x\n");
  write_file(c.dirs.old_file("_vx_wex.rek"), Bytes(100, 1));  // shorter than a record
  EXPECT_FALSE(c.run_plan());
  EXPECT_TRUE(c.shown("Błąd odczytu danych z "));
  EXPECT_FALSE(file_exists(c.dirs.new_file("_vx_wex.rek")));
}

TEST(CopyPlanSteps, ListedFilesAreCopiedUnderTheirNewNames) {
  PlanCase c("x\nx\n");  // one key for each refused name
  c.r.run().loc.company_file_list = {"DANE.TXT>NOWE.TXT", "INNE.DAT", "../ZLY.TXT", "X>../Y"};
  write_file(c.dirs.old_file("DANE.TXT"), std::string("abc"));
  write_file(c.dirs.old_file("INNE.DAT"), std::string("\x86\x01", 2));
  write_file(c.dirs.tmp / "17" / "ZLY.TXT", std::string("zly"));
  write_file(c.dirs.old_file("X"), std::string("x"));
  ASSERT_TRUE(c.run_plan());
  EXPECT_TRUE(c.shown("Lista dodatkowa ...."));
  EXPECT_EQ(read_file(c.dirs.new_file("NOWE.TXT")), as_bytes("abc"));
  EXPECT_FALSE(file_exists(c.dirs.new_file("DANE.TXT")));
  EXPECT_EQ(read_file(c.dirs.new_file("INNE.DAT")), as_bytes(std::string("\x86\x01", 2)));
  EXPECT_FALSE(file_exists(c.dirs.tmp / "18" / "ZLY.TXT"));
  EXPECT_FALSE(file_exists(c.dirs.tmp / "18" / "Y"));
  EXPECT_TRUE(c.shown("Niedozwolona nazwa pliku: ../ZLY.TXT"));
  EXPECT_TRUE(c.shown("Niedozwolona nazwa pliku: X>../Y"));
}

TEST(CopyPlanSteps, UnsettledDocumentsGoFirstAndJanuaryFollows) {
  PlanCase c("n\n");
  write_file(c.dirs.old_file("0000K880.00"), concat({document(5, 11, "U1"), document(6, 11, "U2")}));
  write_file(c.dirs.old_file("2018K880.1"), concat({document(2, 1, "J1")}));
  write_file(c.dirs.old_file("2018K880.9"), concat({document(3, 9, "S1")}));
  write_file(c.dirs.old_file("2018K880.10"), concat({document(4, 10, "P1")}));
  ASSERT_TRUE(c.run_plan());
  const Bytes january = read_file(c.dirs.new_file("2018K880.1"));
  ASSERT_EQ(january.size(), 3u * 400);
  auto number = [&](std::size_t i) { return ConstRecordView(std::span<const std::uint8_t>(january).subspan(i * 400, 400)).text(55, 18); };
  EXPECT_EQ(number(0), "U1");
  EXPECT_EQ(number(1), "U2");
  EXPECT_EQ(number(2), "J1");
  EXPECT_EQ(read_file(c.dirs.new_file("2018K880.9")).size(), 400u);
  EXPECT_EQ(read_file(c.dirs.new_file("2018K880.10")).size(), 400u);
  EXPECT_TRUE(c.shown("Konwertuje miesiąc \"Dokumenty nierozliczone\""));
  EXPECT_TRUE(c.shown("Konwertuję zapisy : Wrzesień   "));
  EXPECT_TRUE(c.shown("Konwertuję zapisy : Październik"));
  EXPECT_FALSE(c.r.run().transfer.append_mode);
}

TEST(CopyPlanSteps, MileageLogsShareOneNewDirectory) {
  PlanCase c;
  c.r.run().options.addon_items = 0x0002;  // KM 140 only
  write_file(c.dirs.old_file("_2018/a.kst"), Bytes(572, 0));
  write_file(c.dirs.old_file("_2018/B.KST"), Bytes(572, 0));
  write_file(c.dirs.old_file("_2018/t.wyj"), Bytes(128, 0));
  write_file(c.dirs.old_file("trasa.cel"), std::string("cel"));
  ASSERT_TRUE(c.run_plan());
  EXPECT_TRUE(file_exists(c.dirs.new_file("_2018/a.kst")));
  EXPECT_TRUE(file_exists(c.dirs.new_file("_2018/B.KST")));
  EXPECT_TRUE(file_exists(c.dirs.new_file("_2018/t.wyj")));
  EXPECT_TRUE(file_exists(c.dirs.new_file("trasa.cel")));
  EXPECT_FALSE(c.shown("Błąd utworzenia folderu"));
  EXPECT_TRUE(c.shown("DLL : Kilometrówka KM140 \"Kolmo\""));
}

TEST(CopyPlanSteps, UntickedItemsSkipStepsAndLabels) {
  PlanCase c;
  c.r.run().options.company_items = 0;
  c.r.run().options.entered_2018_items = 0;
  c.r.run().options.addon_items = 0;
  write_file(c.dirs.old_file("Notatnik.txt"), std::string("x\r\n"));
  write_file(c.dirs.old_file("wex_import.xml"), std::string("<x/>"));
  write_file(c.dirs.old_file("FIRMA_A8.REK"), Bytes(224, 0));
  ASSERT_TRUE(c.run_plan());
  for (auto label : {"Pracownicy / Właściciele", "Notatnik", "Baza adresów", "Dane wprowadzone do WEX:",
                     "DLL: Srodki Trwale", "Ustawienia ZUS_PEL"})
    EXPECT_FALSE(c.shown(label)) << label;
  EXPECT_FALSE(file_exists(c.dirs.new_file("Notatnik.txt")));
  EXPECT_FALSE(file_exists(c.dirs.new_file("FIRMA_A8.REK")));
  // The import file goes with every company.
  EXPECT_TRUE(c.shown("DLL : Import2WEX.EXE -> wex_import.xml"));
  EXPECT_EQ(read_file(c.dirs.new_file("wex_import.xml")), as_bytes("<x/>"));
  EXPECT_TRUE(c.shown("Koniec konwersji danych firmy"));
}

TEST(CopyPlanSteps, PersonnelSetUpRunsForEveryCompany) {
  PlanCase c;
  c.r.run().options.company_items = 0;
  c.r.run().options.person_scope = 2;
  c.r.run().personnel.transfer_mode = 0;
  c.r.run().personnel.persons.add(77);
  ASSERT_TRUE(c.run_plan());
  EXPECT_EQ(c.r.run().personnel.transfer_mode, 2);
  EXPECT_FALSE(c.r.run().personnel.persons.contains(77));
}

TEST(CopyPlanSteps, PidSourceChosenByTheFoundFileQuestion) {
  const auto pid = [](std::int64_t id) { Record p(13952); p.i64(0, id); return p; };
  {
    PlanCase keep("z\n");  // leave the found file: it becomes the source
    write_file(keep.dirs.old_file("2018p5.13"), pid(18).bytes());
    write_file(keep.dirs.old_file("2017p5.13"), pid(17).bytes());
    ASSERT_TRUE(keep.run_plan());
    EXPECT_TRUE(keep.shown("Stwierdzono obecność pliku 2018p5.13"));
    EXPECT_EQ(ConstRecordView(read_file(keep.dirs.new_file("2018p5.13"))).i64(0), 18);
  }
  {
    PlanCase copy("w\n");
    write_file(copy.dirs.old_file("2018p5.13"), pid(18).bytes());
    write_file(copy.dirs.old_file("2017p5.13"), pid(17).bytes());
    ASSERT_TRUE(copy.run_plan());
    EXPECT_EQ(ConstRecordView(read_file(copy.dirs.new_file("2018p5.13"))).i64(0), 17);
  }
  {
    PlanCase only_old;
    write_file(only_old.dirs.old_file("2017_p28.rek"), pid(28).bytes());
    ASSERT_TRUE(only_old.run_plan());
    EXPECT_FALSE(only_old.shown("Stwierdzono"));
    EXPECT_EQ(ConstRecordView(read_file(only_old.dirs.new_file("2018_p28.rek"))).i64(0), 28);
  }
}

TEST(CopyPlanSteps, PidSourceIsThe2018FileWhenTheYearWasKeptThere) {
  PlanCase c("n\n");  // the annual question: take the 2018 file
  write_file(c.dirs.old_file("2018_ROK.REK"), concat({Record(512), Record(512), Record(512)}));
  Record p18(13952), p17(13952);
  p18.i64(0, 18);
  p17.i64(0, 17);
  write_file(c.dirs.old_file("2018p5.13"), p18.bytes());
  write_file(c.dirs.old_file("2017p5.13"), p17.bytes());
  ASSERT_TRUE(c.run_plan());
  EXPECT_TRUE(c.r.run().conversion.from_2018_files);
  EXPECT_FALSE(c.shown("Stwierdzono obecność pliku 2018p5.13"));
  EXPECT_EQ(ConstRecordView(read_file(c.dirs.new_file("2018p5.13"))).i64(0), 18);
}

}  // namespace
}  // namespace vx::test
