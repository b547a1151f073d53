#include "conversion/copy_plan.hpp"
#include "conversion/hide_converted.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "conversion/office_fixture.hpp"
#include "support/fixture.hpp"
#include "support/scripted_run.hpp"
#include "transfer/file_presence.hpp"

namespace vx::test {
namespace {

// The plan with its company put in place where it was built: only the
// hiding of 2017 files waits for that.
bool copy_in_place(Session& run, const std::string& dir) {
  return conversion::copy_company(run.company_job, dir, [&run, &dir] {
    if (!conversion::write_pending_hides(run.company_job, dir)) return false;
    conversion::finish_pending_hides(run.company_job, dir);
    return true;
  });
}

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
  bool run_plan() { return copy_in_place(r.run(), dirs.company); }
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
}

TEST(CopyPlanSteps, WithoutHidingTheUnsettledDocumentsStayEvenAfterYes) {
  PlanCase c("t\n");
  write_file(c.dirs.old_file("0000K880.00"), concat({document(5, 11, "U1")}));
  ASSERT_TRUE(c.run_plan());
  EXPECT_TRUE(c.shown("Usunać plik \"Dokumenty nierozliczone\" z 2017"));
  EXPECT_EQ(c.r.console().screens_shown(), 1);  // the question's key only
  EXPECT_TRUE(file_exists(c.dirs.old_file("0000K880.00")));
  EXPECT_FALSE(file_exists(c.dirs.old_file("0000K880.00~")));
  EXPECT_FALSE(c.shown("Zmiana nazwy pliku"));
  EXPECT_FALSE(c.shown("Błąd zmiany nazwy pliku"));
  EXPECT_EQ(read_file(c.dirs.new_file("2018K880.1")).size(), 400u);
}

TEST(CopyPlanSteps, HidingRenamesEveryConvertedFileAndReportsAFailure) {
  PlanCase c("t\n");
  c.r.run().options.hide_converted = 1;
  write_file(c.dirs.old_file("0000K880.00"), concat({document(5, 11, "U1")}));
  write_file(c.dirs.old_file("2018K880.3"), concat({document(2, 3, "M1")}));
  write_file(c.dirs.old_file("2018SP.3"), Bytes(48, 0));
  write_file(c.dirs.old_file("2018K880.4"), concat({document(2, 4, "A1")}));
  write_file(c.dirs.old_file("2018K880.4~"), std::string("hidden before"));
  ASSERT_TRUE(c.run_plan());
  for (const char* name : {"0000K880.00", "2018K880.3", "2018SP.3"}) {
    EXPECT_FALSE(file_exists(c.dirs.old_file(name))) << name;
    EXPECT_TRUE(file_exists(c.dirs.old_file(std::string(name) + "~"))) << name;
  }
  const std::string march = c.dirs.old_file("2018K880.3").string();
  EXPECT_TRUE(c.shown("Zmiana nazwy pliku " + march)) << c.r.transcript();
  // April's rename fails: reported, its file stays, the plan goes on.
  const std::string april = c.dirs.old_file("2018K880.4").string();
  EXPECT_TRUE(c.shown("Błąd zmiany nazwy pliku " + april));
  EXPECT_TRUE(file_exists(c.dirs.old_file("2018K880.4")));
  EXPECT_EQ(read_file(c.dirs.old_file("2018K880.4~")), as_bytes("hidden before"));
  EXPECT_EQ(read_file(c.dirs.new_file("2018K880.4")).size(), 400u);
  EXPECT_TRUE(c.shown("Koniec konwersji danych firmy"));
}

TEST(CopyPlanSteps, StruckOffDocumentsAreListedAndLeftOut) {
  PlanCase c;
  Record struck = document(3, 3, "M2");
  struck.u16(30, 0x0002);
  write_file(c.dirs.old_file("2018K880.3"),
             concat({document(2, 3, "M1"), struck, document(4, 3, "M3")}));
  ASSERT_TRUE(c.run_plan());
  const Bytes march = read_file(c.dirs.new_file("2018K880.3"));
  ASSERT_EQ(march.size(), 2u * 400);
  const auto doc = [&](std::size_t i) {
    return ConstRecordView(std::span<const std::uint8_t>(march).subspan(i * 400, 400));
  };
  EXPECT_EQ(doc(0).text(55, 18), "M1");
  EXPECT_EQ(doc(1).text(55, 18), "M3");
  EXPECT_EQ(doc(0).u32(0), 1u);  // numbered by position in the 2018 file
  EXPECT_EQ(doc(1).u32(0), 2u);
  EXPECT_TRUE(c.shown("WEX=03-03-2018 M2         towar SKREŚLONY"));
  EXPECT_TRUE(c.shown("WEX=02-03-2018 M1         towar.ok"));
}

TEST(CopyPlanSteps, CompanyAddressBaseIsBuiltOnZerosLikeTheGlobalOne) {
  PlanCase c;
  Record old(480);
  old.fill(0, 480, 0x41);
  for (std::size_t at : {5u, 42u, 79u, 181u, 202u, 233u, 254u, 275u, 388u, 425u}) old.u8(at, 3);
  write_file(c.dirs.old_file("baza_ad8.rek"), old.bytes());
  ASSERT_TRUE(c.run_plan());
  EXPECT_TRUE(c.shown("Baza adresów"));

  Record expected(480);
  for (auto [at, length] : std::initializer_list<std::pair<std::size_t, std::size_t>>{
           {0, 4}, {116, 19}, {135, 15}, {150, 12}, {162, 7}, {312, 39}, {462, 1}})
    expected.fill(at, length, 0x41);
  // The texts as stored: three letters each, nothing behind them.
  for (std::size_t at : {5u, 42u, 79u, 181u, 202u, 233u, 254u, 275u, 388u, 425u})
    expected.u8(at, 3).fill(at + 1, 3, 0x41);
  expected.u8(4, 0);
  EXPECT_EQ(read_file(c.dirs.new_file("baza_ad8.rek")), expected.bytes());
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
  // Upper-cased name order: a.kst before B.KST, though 'B' < 'a' as bytes.
  const std::string t = c.r.transcript();
  ASSERT_NE(t.find("a.kst"), std::string::npos);
  EXPECT_LT(t.find("a.kst"), t.find("B.KST"));
  EXPECT_LT(t.find("B.KST"), t.find("t.wyj"));
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

TEST(CopyPlanSteps, PidStepsWithoutSourcesSaySoNothingButTheirLabels) {
  PlanCase c;
  c.r.run().options.company_items = 1 << 3;  // PID-5 and PIT-28 only
  c.r.run().options.entered_2018_items = 0;
  c.r.run().options.addon_items = 0;
  ASSERT_TRUE(c.run_plan());
  EXPECT_TRUE(c.shown("PID-5 \"PIT-28\" "));
  EXPECT_FALSE(c.shown("Brak pliku źródłowego ")) << c.r.transcript();
  EXPECT_FALSE(file_exists(c.dirs.new_file("2018p5.13")));
  EXPECT_FALSE(file_exists(c.dirs.new_file("2018_p28.rek")));
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

TEST(CopyPlanSteps, DocumentBaseTravelsAsBytesAndNotesAsText) {
  PlanCase c;
  c.r.run().options.company_items = 1 << 7;  // notes
  c.r.run().options.entered_2018_items = 0;
  c.r.run().options.addon_items = 1 << 0;    // fixed assets
  c.r.run().cs.charset_mode = 1;             // Mazovia to CP852
  // A record file: a Mazovia byte, a line feed and a run of 300 bytes with
  // no line end; none of it may change.
  Bytes base{0x86, '\n', 0x00, 0x01};
  base.insert(base.end(), 300, 'd');
  write_file(c.dirs.old_file("dokument.rek"), base);
  write_file(c.dirs.old_file("Notatnik.txt"), std::string("\x86\nb", 3));
  ASSERT_TRUE(c.run_plan());
  EXPECT_TRUE(c.shown("DLL: Srodki Trwale"));
  EXPECT_EQ(read_file(c.dirs.new_file("dokument.rek")), base);
  // The text file is rewritten line by line, letters converted, CR LF after each.
  EXPECT_EQ(read_file(c.dirs.new_file("Notatnik.txt")), as_bytes(std::string("\xA5\r\nb\r\n", 6)));
}

TEST(CopyPlanSteps, MatchingFilesGoInNameOrderMaskAfterMask) {
  PlanCase c;
  c.r.run().options.company_items = 0;
  c.r.run().options.entered_2018_items = 0;
  c.r.run().options.addon_items = 1 << 2;  // KM 150
  for (auto name : {"km18z.rek", "km__b.rek", "KM__A.REK", "km18a.rek", "km_x.rek", "km18a.txt", "km150cnf.rek"})
    write_file(c.dirs.old_file(name), std::string(name));
#ifndef _WIN32
  // A listed name that would climb out of the company is told, not copied.
  write_file(c.dirs.old_file("km18..\\..\\x.rek"), std::string("x"));
#endif
  ASSERT_TRUE(c.run_plan());
  const std::string t = c.r.transcript();
#ifndef _WIN32
  EXPECT_NE(t.find("Niedozwolona nazwa pliku: km18..\\..\\x.rek"), std::string::npos);
  EXPECT_FALSE(file_exists(c.dirs.tmp / "x.rek"));
#endif
  std::vector<std::size_t> at;
  for (auto name : {"km150cnf.rek", "KM__A.REK", "km__b.rek", "km18a.rek", "km18z.rek"}) {
    at.push_back(t.find(std::string("Kopiuję ") + c.dirs.old_file(name).string()));
    ASSERT_NE(at.back(), std::string::npos) << name;
    EXPECT_EQ(read_file(c.dirs.new_file(name)), as_bytes(name));
  }
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end()));
  EXPECT_FALSE(file_exists(c.dirs.new_file("km_x.rek")));
  EXPECT_FALSE(file_exists(c.dirs.new_file("km18a.txt")));
}

// A company under roots deep enough that its paths are longer than 80
// characters; only the 2018 annual file.
struct DeepCompany {
  explicit DeepCompany(ScriptedRun& r) {
    std::filesystem::create_directories(old_dir);
    std::filesystem::create_directories(deep / "18");
    r.run().loc.source_root = (deep / "17").string() + platform::kSeparator;
    r.run().loc.target_root = (deep / "18").string() + platform::kSeparator;
    write_file(old_dir / "2018_ROK.REK", concat({Record(512), Record(512), Record(512)}));
    write_file(old_dir / "_vx_wex.rek", Record(256).bytes());
  }
  TempDir tmp;
  std::filesystem::path deep = tmp / std::string(70, 'g');
  std::filesystem::path old_dir = deep / "17" / "F1", new_dir = deep / "18" / "F1";
};

std::size_t columns(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  }));
}

TEST(CopyPlanSteps, ChosenSourcePathsAreNotCut) {
  ScriptedRun r;
  DeepCompany c(r);
  r.run().options.company_items = 1 << 3;  // PID-5 and PIT-28
  r.run().options.entered_2018_items = 1 << 0;
  r.run().options.addon_items = 0;
  Record pid(13952);
  pid.i64(0, 5);
  write_file(c.old_dir / "2017p5.13", pid.bytes());
  write_file(c.old_dir / "2018K880.2", Record(400).bytes());
  ASSERT_GT((c.old_dir / "2018K880.2").string().size(), 80u);
  ASSERT_TRUE(copy_in_place(r.run(), "F1"));
  EXPECT_EQ(ConstRecordView(read_file(c.new_dir / "2018p5.13")).i64(0), 5);
  EXPECT_EQ(read_file(c.new_dir / "2018K880.2").size(), 400u);
}

TEST(CopyPlanSteps, PrintsInColumns3To76OfRows6To19AndGivesTheWindowBack) {
  ScriptedRun r;
  DeepCompany c(r);
  r.run().options.company_items = 0;
  r.run().options.entered_2018_items = 0;
  r.run().options.addon_items = 0;
  r.run().out.set_window(ui::kCopyWindow);
  r.run().talk.line("firma");
  ASSERT_TRUE(copy_in_place(r.run(), "F1"));
  const auto rows = r.screen();
  EXPECT_EQ(rows[2], "  firma");  // the caller's line, untouched
  const std::string missing = "Brak :" + (c.old_dir / "2017_ROK.REK").string();
  ASSERT_GT(missing.size(), 74u);
  EXPECT_EQ(rows[5], "  " + missing.substr(0, 74));
  EXPECT_EQ(rows[6], "  " + std::string("Kopiowanie właściwe"));
  for (int row = 1; row <= 25; ++row) {
    const std::string& line = rows[static_cast<std::size_t>(row - 1)];
    if (row == 3) continue;
    if (row < 6 || row > 19) {
      EXPECT_EQ(line, "") << row;
    } else {
      EXPECT_LE(columns(line), 76u) << row;
      EXPECT_EQ(line.find_first_not_of(' ') == std::string::npos || line.find_first_not_of(' ') >= 2, true) << row;
    }
  }
  EXPECT_TRUE(r.transcript().find("Koniec konwersji danych firmy") != std::string::npos);
  // The caller's window comes back with its cursor below its own line.
  EXPECT_EQ(r.run().out.window(), ui::kCopyWindow);
  EXPECT_EQ(r.run().out.x(), 1);
  EXPECT_EQ(r.run().out.y(), 2);
}

}  // namespace
}  // namespace vx::test
