// "/bo": after the 2017 books were closed late, the opening balance of the
// companies already carried is taken again from BZ.2017. Only the opening
// balance and the first entry of the second amount table of 2018_ROK.REK
// change, only for the companies selected, once; "/cofnij" takes it back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <optional>

#include "e2e/sample_office_runs.hpp"
#include "support/office.hpp"

namespace vx::test {
namespace {

// Record 1 of the annual settings file.
constexpr std::size_t kRecord = 512;
constexpr std::size_t kMonthState = 3;
constexpr std::uint8_t kDecemberApproved = 13;
constexpr std::size_t kOpening = 150;         // BO: balance table entry 0
constexpr std::size_t kClosing = 150 + 8 * 12;  // BZ: balance table entry 12
constexpr std::size_t kSecondFirst = 248 + 8;  // second amount table, entry 1
constexpr std::size_t kSecondLast = 248 + 8 * 12;

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

void set_f64(Bytes& b, std::size_t at, double v) { std::memcpy(b.data() + at, &v, 8); }

// The 2018 file as /bo must leave it: the two amounts taken from 2017.
Bytes carried_again(Bytes file_2018, const Bytes& file_2017) {
  std::memcpy(file_2018.data() + kOpening, file_2017.data() + kClosing, 8);
  std::memcpy(file_2018.data() + kSecondFirst, file_2017.data() + kSecondLast, 8);
  return file_2018;
}

std::map<std::string, fs::file_time_type> stamps(const fs::path& root) {
  std::map<std::string, fs::file_time_type> out;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    if (it->path().filename() == kRunFolder) {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file()) out[it->path().generic_string()] = it->last_write_time();
  }
  return out;
}

std::size_t run_folders(const fs::path& root_2018) {
  std::size_t n = 0;
  if (fs::exists(root_2018 / kRunFolder))
    for (const auto& e : fs::directory_iterator(root_2018 / kRunFolder)) n += e.is_directory();
  return n;
}

// raport.txt of the one run kept in the 2018 tree.
std::string the_report(const fs::path& root_2018) {
  for (const auto& e : fs::directory_iterator(root_2018 / kRunFolder)) {
    if (!e.is_directory()) continue;  // the lock file
    const Bytes text = read_file(e.path() / "raport.txt");
    return std::string(text.begin(), text.end());
  }
  return {};
}

// The folders of the 2017 register, in its order.
std::vector<std::string> register_folders(const fs::path& root_2017) {
  const Bytes reg = read_file(root_2017 / "SPISFIRM.DAT");
  std::vector<std::string> dirs;
  for (std::size_t i = 0; i + 103 <= reg.size(); i += 103)
    dirs.push_back(ConstRecordView(std::span<const std::uint8_t>(reg).subspan(i, 103)).text(32, 8));
  return dirs;
}

TEST(OpeningBalance, TakenAgainForTheSelectedCompaniesOnlyOnceAndUndone) {
  OfficeRuns office;
  office.write_anew();
  ASSERT_EQ(office.run(false).exit_code, 0);

  // The books closed later: December approved everywhere, BZ.2017 and the
  // last amount of the second table changed in every other company.
  std::vector<std::string> listed;
  for (const auto& dir : register_folders(office.root_2017()))
    if (fs::exists(office.root_2018() / dir / "2018_ROK.REK")) listed.push_back(dir);
  ASSERT_GE(listed.size(), 3u);
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const auto path = office.root_2017() / listed[i] / "2017_ROK.REK";
    Bytes b = read_file(path);
    b[kMonthState] = kDecemberApproved;
    if (i % 2 == 0) {
      set_f64(b, kClosing, 100000.25 + static_cast<double>(i));
      set_f64(b, kSecondLast, -7.5 - static_cast<double>(i));
    }
    write_file(path, b);
  }
  const Tree before = office.tree_2018(), before_2017 = office.tree_2017();

  // The second company of the list left out.
  const std::string keys = "Down\nSpace\nF5\nEnter\n";
  const auto first = office.command({"/BO"}, keys);
  ASSERT_EQ(first.exit_code, 0) << first.output;
  EXPECT_TRUE(first.shows("Raport: ")) << first.output;

  Tree want = before;
  for (auto& [name, bytes] : want)
    for (std::size_t i = 0; i < listed.size(); ++i)
      if (i != 1 && name == listed[i] + "/2018_ROK.REK")
        bytes = carried_again(bytes, read_file(office.root_2017() / listed[i] / "2017_ROK.REK"));
  const Tree after = office.tree_2018();
  EXPECT_TRUE(after == want) << first_difference(after, want);
  EXPECT_NE(after, before);
  EXPECT_TRUE(office.tree_2017() == before_2017);
  // The report names every change, old and new amount Polish-written.
  fs::path report;
  for (const auto& e : fs::directory_iterator(office.root_2018() / kRunFolder))
    if (e.is_directory() && !e.path().filename().string().starts_with("~") && e.path() > report) report = e.path();
  const Bytes text = read_file(report / "raport.txt");
  const std::string said(text.begin(), text.end());
  EXPECT_NE(said.find(" -> 100 000,25: skopiowany (bajty: 16)"), std::string::npos) << said;
  EXPECT_NE(said.find(" -> 100 002,25: skopiowany (bajty: 16)"), std::string::npos) << said;

  // Once is enough: the same run again writes nothing and leaves no run behind.
  const auto stamped = stamps(office.root_2018());
  const std::size_t runs = run_folders(office.root_2018());
  const auto second = office.command({"/bo"}, keys);
  ASSERT_EQ(second.exit_code, 0) << second.output;
  EXPECT_TRUE(office.tree_2018() == after) << first_difference(office.tree_2018(), after);
  EXPECT_EQ(stamps(office.root_2018()), stamped);
  EXPECT_EQ(run_folders(office.root_2018()), runs);
  EXPECT_TRUE(second.shows("Niczego nie zmieniono")) << second.output;

  const auto undone = office.undo();
  ASSERT_EQ(undone.exit_code, 0) << undone.output;
  EXPECT_TRUE(office.tree_2018() == before) << first_difference(office.tree_2018(), before);
  EXPECT_TRUE(office.tree_2017() == before_2017);
}

// A small office: ALFA and BETA carried, their 2018 files full of bytes
// that must stay.
struct CarriedOffice {
  CarriedOffice() {
    office.company({"Alfa", "ALFA", "", ""}).company({"Beta", "BETA", "", ""});
    for (const char* dir : {"ALFA", "BETA"}) {
      office.file17(dir, "2017_ROK.REK", year_2017(kDecemberApproved, 4321.5, 65.25));
      write_file(office.new_file(std::string(dir) + "/2018_ROK.REK"), year_2018());
    }
  }
  static Bytes year_2017(std::uint8_t month_state, double closing, double last_amount) {
    Bytes b(3 * kRecord, 0x11);
    b[kMonthState] = month_state;
    set_f64(b, kClosing, closing);
    set_f64(b, kSecondLast, last_amount);
    return b;
  }
  static Bytes year_2018() {
    Bytes b(3 * kRecord);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
    set_f64(b, kOpening, 1000.0);
    set_f64(b, kSecondFirst, 2.0);
    return b;
  }
  Bytes file_2018(const char* dir) const { return read_file(office.new_file(std::string(dir) + "/2018_ROK.REK")); }
  Bytes file_2017(const char* dir) const { return read_file(office.old_file(std::string(dir) + "/2017_ROK.REK")); }
  std::string path(bool year_2017, const char* dir) const {
    return dir_prefix(year_2017 ? office.root17() : office.root18()) + dir + kSep +
           (year_2017 ? "2017_ROK.REK" : "2018_ROK.REK");
  }

  Office office;
};

TEST(OpeningBalance, AnOpenDecemberIsCarriedOnlyWhenTheOperatorOrTheProfileSaysSo) {
  const struct {
    const char* answer;  // a key, or the profile's OTWARTY_GRUDZIEN
    bool unattended;
    bool carried;
  } cases[] = {{"t", false, true}, {"N", false, false}, {"TAK", true, true}, {"NIE", true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    CarriedOffice o;
    o.office.file17("ALFA", "2017_ROK.REK", CarriedOffice::year_2017(12, -250.75, 9.5));
    if (c.unattended) {
      const auto profile = o.office.root18().parent_path() / "bo.ini";
      write_file(profile, std::string("[ODPOWIEDZI]\r\nOTWARTY_GRUDZIEN=") + c.answer + "\r\n");
      const auto r = o.office.migrate("", {"/bo", "/auto:" + profile.string()});
      // A company left as it was is one the run skipped.
      EXPECT_EQ(r.exit_code, c.carried ? 0 : 1) << r.output << r.errors;
      EXPECT_TRUE(r.screens.empty()) << r.output;
      EXPECT_NE(r.output.find("Koniec przenoszenia BO.2018 z BZ.2017"), std::string::npos) << r.output;
    } else {
      // Enter and other keys are no answer.
      const std::string keys = std::string("F5\nEnter\nx\n") + c.answer + "\nEnter\n";
      const auto r = o.office.migrate(keys, {"/Bo"});
      ASSERT_EQ(r.exit_code, 0) << r.output;
      // The question waited for three keys, the end for one: nothing else.
      EXPECT_EQ(r.screens.size(), 6u) << r.output;
      EXPECT_TRUE(r.screens[1] == r.screens[3]);
      EXPECT_TRUE(r.shows("Nie zatwierdzono miesiąca GRUDNIA.2017"));
      EXPECT_TRUE(r.shows("Przenieść niezatwierdzony stan BZ.2017 jako BO.2018 ?"));
      EXPECT_TRUE(r.shows("BO.2018 dotychczas : 1 000,00"));
      EXPECT_TRUE(r.shows("BO.2018 z BZ.2017  : -250,75"));
    }
    const Bytes want = CarriedOffice::year_2018();
    EXPECT_EQ(o.file_2018("ALFA"), c.carried ? carried_again(want, o.file_2017("ALFA")) : want);
    // BETA's December was approved: no question, carried.
    EXPECT_EQ(o.file_2018("BETA"), carried_again(want, o.file_2017("BETA")));
  }
}

TEST(OpeningBalance, DamagedFilesLeaveTheirCompanyAsItIsWithOneLine) {
  const double nan = std::nan("");
  const struct {
    const char* what;
    std::optional<Bytes> year_2017, year_2018;  // nothing: no file
    std::string line;                          // "": ALFA not even listed
    bool side_2017;
  } cases[] = {
      {"2017 missing", std::nullopt, CarriedOffice::year_2018(), "Brak pliku ", true},
      {"2017 short", Bytes(kRecord - 1, 0), CarriedOffice::year_2018(), "Za krótki plik ",
       true},
      {"2017 closing no number", CarriedOffice::year_2017(13, nan, 1.0), CarriedOffice::year_2018(),
       "Kwota nie jest liczbą w pliku ", true},
      {"2017 last amount infinite", CarriedOffice::year_2017(13, 1.0, HUGE_VAL), CarriedOffice::year_2018(),
       "Kwota nie jest liczbą w pliku ", true},
      {"2018 empty", CarriedOffice::year_2017(13, 1.0, 1.0), Bytes{}, "Za krótki plik ",
       false},
      {"2018 opening no number",
       CarriedOffice::year_2017(13, 1.0, 1.0),
       [&] {
         Bytes b = CarriedOffice::year_2018();
         set_f64(b, kOpening, nan);
         return b;
       }(),
       "Kwota nie jest liczbą w pliku ", false},
      {"2018 missing", CarriedOffice::year_2017(13, 1.0, 1.0), std::nullopt, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CarriedOffice o;
    const auto alfa_2017 = o.office.old_file("ALFA/2017_ROK.REK"), alfa_2018 = o.office.new_file("ALFA/2018_ROK.REK");
    fs::remove(alfa_2017);
    fs::remove(alfa_2018);
    if (c.year_2017) write_file(alfa_2017, *c.year_2017);
    if (c.year_2018) write_file(alfa_2018, *c.year_2018);
    const Tree before_2017 = snapshot_tree(o.office.root17());

    // A line is seen: its key, then BETA's turn, then the end.
    const auto r = o.office.migrate(c.line.empty() ? "F5\nEnter\n" : "F5\nEnter\nEnter\n", {"/bo"});
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_EQ(r.screens.size(), c.line.empty() ? 3u : 4u) << r.output;
    EXPECT_EQ(r.shows("Alfa"), !c.line.empty()) << r.output;
    if (!c.line.empty()) {
      // The screen cuts a long path at its edge; the report keeps it whole.
      EXPECT_TRUE(r.shows(c.line)) << r.output;
      EXPECT_NE(the_report(o.office.root18()).find(c.line + o.path(c.side_2017, "ALFA")), std::string::npos);
      int lines = 0;
      for (const auto& row : r.screens[1])
        for (const char* said : {"Kwota nie jest", "Za krótki", "Brak pliku", "Brak dostępu"})
          lines += row.find(said) != std::string::npos;
      EXPECT_EQ(lines, 1) << r.output;
    }
    EXPECT_EQ(fs::exists(alfa_2018), c.year_2018.has_value());
    if (c.year_2018) {
      EXPECT_EQ(o.file_2018("ALFA"), *c.year_2018);
    }
    EXPECT_TRUE(snapshot_tree(o.office.root17()) == before_2017);
    EXPECT_EQ(o.file_2018("BETA"), carried_again(CarriedOffice::year_2018(), o.file_2017("BETA")));
  }
}

}  // namespace
}  // namespace vx::test
