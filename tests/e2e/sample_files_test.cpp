// The generator's office, read back through the record layouts: every file
// the migration carries is there with whole records, the staff and the
// documents hold the cases a run must handle, texts are in the company's
// standard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "charset/polish_table.hpp"
#include "support/fixture.hpp"
#include "support/program_runner.hpp"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

constexpr int kCompanies = 8, kPersons = 9, kDocs = 18;

// Files of every company with their record length (1: any length).
const std::map<std::string, std::size_t> kEveryCompany = {
    {"_vx_wex.rek", 256},   {"2017_ROK.REK", 512},  {"FIRMATXT.INI", 1},   {"FIRMA_A8.REK", 224},
    {"DANE_PR8.REK", 2048}, {"DANE_PF8.REK", 352},  {"UMOWY.INI", 1},      {"2017p5.13", 13952},
    {"2017_p28.rek", 13952}, {"baza_ad8.rek", 480}, {"baza_sp8.rek", 160}, {"baza_za8.rek", 160},
    {"baza_ff.txt", 1},     {"Notatnik.txt", 1},    {"Notatka.txt", 1},    {"Notes.txt", 1},
    {"BAZA_PP8.REK", 432},  {"2017_lp.cc", 2048},   {"ZUS_PEL.INI", 1},    {"ESTUJ.REK", 768},
    {"BAZA_PP8.INI", 1},    {"BAZA_DW8.REK", 784},  {"ODS_ZOB.REK", 200},  {"AUTAVAT.REK", 824},
    {"AUTOV26.REK", 320},   {"2018K880.1", 400},    {"dokument.rek", 1},   {"srodki.rek", 39771},
    {"wyposaz.rek", 39771}, {"st.cnf", 3837},       {"stbazy.rek", 367},   {"km.cnf", 2395},
    {"adresy.rek", 557},    {"samochod.rek", 704},  {"km150cnf.rek", 1},   {"wex_import.xml", 1},
};
// Files of the companies that opened 2018 in the old installation.
const std::map<std::string, std::size_t> kEntered2018 = {
    {"2018_ROK.REK", 512}, {"2018v7.17", 14048},   {"2018kol2.rek", 1},   {"2018ZAL.REK", 1024},
    {"2018p5.13", 13952},  {"2018_p28.rek", 13952}, {"2018WP2.REK", 10176}, {"2018UZ3.REK", 552},
    {"2018_NK8.REK", 848},
};
const char* const kGlobalFiles[] = {"baza_ad8.rek", "baza_us8.rek", "baza_ff.txt", "2017_BR.REK",
                                    "WEX_VX.INI",   "2017spd.ini",  "2017_lp.cc",  "KOLORY.VX",
                                    "OPERATOR.REK", "ZUS_PEL.INI",  "UMOWY.INI",   "wex_2017.ini"};

std::int64_t i64_at(const Bytes& b, std::size_t at) {
  std::int64_t v;
  std::memcpy(&v, b.data() + at, sizeof v);
  return v;
}
std::uint32_t u32_at(const Bytes& b, std::size_t at) {
  std::uint32_t v;
  std::memcpy(&v, b.data() + at, sizeof v);
  return v;
}
double f64_at(const Bytes& b, std::size_t at) {
  double v;
  std::memcpy(&v, b.data() + at, sizeof v);
  return v;
}
std::string text_at(const Bytes& b, std::size_t at) {
  return std::string(reinterpret_cast<const char*>(b.data() + at + 1), b[at]);
}
constexpr std::uint32_t packed(int d, int m, int y) {
  return static_cast<std::uint32_t>(d | m << 8 | y << 16);
}

// Which standard a text is in: 1 Mazovia, 2 CP852, 0 plain ASCII, -1 neither.
int standard_of(const std::string& text) {
  auto in_row = [](int row, unsigned char c) {
    const auto& r = charset::kPolishLetters[static_cast<std::size_t>(row)];
    return std::find(r.begin(), r.end(), c) != r.end();
  };
  bool maz = true, cp = true, high = false;
  for (unsigned char c : text) {
    if (c < 0x80) continue;
    high = true;
    maz = maz && in_row(charset::kMazovia, c);
    cp = cp && in_row(charset::kCp852, c);
  }
  if (!high) return 0;
  if (maz && !cp) return 1;
  if (cp && !maz) return 2;
  return maz && cp ? 3 : -1;  // 3: letters both standards share
}

class SampleFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    tmp_ = new TempDir;
    const auto made = run_program({.arguments = {tmp_->str(), "--companies", std::to_string(kCompanies), "--persons",
                                                 std::to_string(kPersons), "--docs", std::to_string(kDocs), "--seed", "5"},
                                   .program = VX_SAMPLE_TOOL});
    ASSERT_EQ(made.exit_code, 0) << made.errors;
    const Bytes reg = read_file(root() / "SPISFIRM.DAT");
    for (std::size_t at = 0; at + 103 <= reg.size(); at += 103) {
      dirs_.push_back(text_at(reg, at + 32));
      names_.push_back(text_at(reg, at));
    }
  }
  static void TearDownTestSuite() {
    delete tmp_;
    tmp_ = nullptr;
  }
  static fs::path root() { return tmp_->path() / "WEX_2017"; }
  static Bytes company_file(const std::string& dir, const std::string& name) { return read_file(root() / dir / name); }

  static TempDir* tmp_;
  static std::vector<std::string> dirs_, names_;
};

TempDir* SampleFiles::tmp_ = nullptr;
std::vector<std::string> SampleFiles::dirs_, SampleFiles::names_;

TEST_F(SampleFiles, EveryCompanyHoldsEveryFileWithWholeRecords) {
  ASSERT_EQ(dirs_.size(), static_cast<std::size_t>(kCompanies));
  EXPECT_EQ(std::set<std::string>(dirs_.begin(), dirs_.end()).size(), dirs_.size());
  int entered = 0;
  for (const auto& dir : dirs_) {
    SCOPED_TRACE(dir);
    EXPECT_LE(dir.size(), 8u);
    const bool has_2018 = fs::exists(root() / dir / "2018_ROK.REK");
    entered += has_2018;
    auto check = [&](const std::map<std::string, std::size_t>& files) {
      for (const auto& [name, record] : files) {
        const fs::path p = root() / dir / name;
        ASSERT_TRUE(fs::exists(p)) << name;
        EXPECT_GT(fs::file_size(p), 0u) << name;
        EXPECT_EQ(fs::file_size(p) % record, 0u) << name;
      }
    };
    check(kEveryCompany);
    if (has_2018) check(kEntered2018);
    EXPECT_EQ(fs::file_size(root() / dir / "2017_ROK.REK"), 3 * 512u);
    // Further fixed-asset registers listed beside the main one.
    const Bytes list = company_file(dir, "stbazy.rek");
    for (std::size_t at = 0; at < list.size(); at += 367) {
      std::string base = text_at(list, at + 51);
      for (auto& ch : base) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      if (base == "SRODKI") continue;
      EXPECT_EQ(fs::file_size(root() / dir / (text_at(list, at + 51) + ".REK")) % 39771, 0u) << base;
    }
    EXPECT_FALSE(fs::is_empty(root() / dir / "_2018"));
    // DRA declarations: the main block and whole attachments.
    for (const auto& e : fs::directory_iterator(root() / dir)) {
      const std::string name = e.path().filename().string();
      if (name.starts_with("2018D4")) {
        EXPECT_EQ((fs::file_size(e.path()) - 896) % 448, 0u) << name;
      }
    }
  }
  EXPECT_GT(entered, 0);
  EXPECT_LT(entered, kCompanies);
  for (const char* name : kGlobalFiles) EXPECT_GT(fs::file_size(root() / "#BIN970" / name), 0u) << name;
  EXPECT_TRUE(fs::is_directory(tmp_->path() / "WEX_2018" / "#BIN980"));
}

TEST_F(SampleFiles, StaffHoldsEveryCaseOfTheYearEndAndNoOrphans) {
  for (const auto& dir : dirs_) {
    SCOPED_TRACE(dir);
    const Bytes persons = company_file(dir, "DANE_PR8.REK");
    ASSERT_EQ(persons.size(), kPersons * 2048u);
    std::set<std::int64_t> ids;
    int deleted = 0, on_last_day = 0, before = 0, employed = 0;
    for (std::size_t at = 0; at < persons.size(); at += 2048) {
      const std::int64_t id = i64_at(persons, at);
      ids.insert(id);
      const std::uint32_t left = u32_at(persons, at + 213);
      deleted += id < 0;
      on_last_day += left == packed(31, 12, 2017);
      before += left != 0 && left < packed(31, 12, 2017);
      employed += left == 0;
      EXPECT_GT(persons[at + 40], 0);  // a surname
    }
    EXPECT_EQ(ids.size(), kPersons + 0u);
    EXPECT_GT(deleted, 0);
    EXPECT_EQ(on_last_day, 1);
    EXPECT_GT(before, 0);
    EXPECT_GT(employed, 0);
    // Every dependent record belongs to a person of the file, so a run
    // carrying everybody never stops on one.
    const Bytes families = company_file(dir, "DANE_PF8.REK");
    for (std::size_t at = 0; at < families.size(); at += 352) EXPECT_TRUE(ids.count(i64_at(families, at)));
    const std::pair<const char*, std::size_t> dependents[] = {{"2018WP2.REK", 10176}, {"2018UZ3.REK", 552}};
    for (const auto& [name, size] : dependents) {
      if (!fs::exists(root() / dir / name)) continue;
      const Bytes records = company_file(dir, name);
      for (std::size_t at = 0; at < records.size(); at += size) EXPECT_TRUE(ids.count(i64_at(records, at))) << name;
    }
  }
}

TEST_F(SampleFiles, DocumentsOfEachMonthWithStruckOffOnesAndVat) {
  int struck_off = 0, months_with_two_digits = 0, unsettled_files = 0;
  for (const auto& dir : dirs_) {
    SCOPED_TRACE(dir);
    for (int month = 0; month <= 12; ++month) {
      const std::string name = month == 0 ? "0000K880.00" : "2018K880." + std::to_string(month);
      if (!fs::exists(root() / dir / name)) continue;
      const Bytes docs = company_file(dir, name);
      if (month == 0) ++unsettled_files;
      if (month >= 10) ++months_with_two_digits;
      if (month > 0) {
        EXPECT_EQ(docs.size(), kDocs * 400u) << name;
      }
      for (std::size_t at = 0; at < docs.size(); at += 400) {
        const std::uint32_t date = u32_at(docs, at + 18);
        const std::uint32_t expected = month == 0 ? 2017u : static_cast<std::uint32_t>(2018 << 8 | month);
        EXPECT_EQ(month == 0 ? date >> 16 : date >> 8, expected) << name;
        struck_off += (docs[at + 30] & 0x02) != 0;
        const double net = f64_at(docs, at + 248), tax = f64_at(docs, at + 256);
        EXPECT_GT(net, 0.0);
        EXPECT_NEAR(tax / net, 0.225, 0.006) << name;  // 22 or 23 percent
      }
    }
  }
  EXPECT_GT(struck_off, 0);
  EXPECT_GT(months_with_two_digits, 0);
  EXPECT_GT(unsettled_files, 0);
  EXPECT_LT(unsettled_files, kCompanies);
}

TEST_F(SampleFiles, AnnualSettingsOpenTheNewYearFromTheOldClosingBalance) {
  int approved = 0, open = 0;
  for (const auto& dir : dirs_) {
    SCOPED_TRACE(dir);
    const Bytes y2017 = company_file(dir, "2017_ROK.REK");
    approved += y2017[3] == 13;
    open += y2017[3] == 12;
    if (!fs::exists(root() / dir / "2018_ROK.REK")) continue;
    const Bytes y2018 = company_file(dir, "2018_ROK.REK");
    EXPECT_EQ(f64_at(y2018, 150), f64_at(y2017, 150 + 8 * 12));
    EXPECT_LE(y2018[3], 2);
  }
  EXPECT_GT(approved, 0);
  EXPECT_GT(open, 0);
}

TEST_F(SampleFiles, TextsFollowTheCompanysStandard) {
  int mazovia = 0, cp852 = 0;
  for (std::size_t n = 0; n < dirs_.size(); ++n) {
    SCOPED_TRACE(dirs_[n]);
    const Bytes company = company_file(dirs_[n], "FIRMA_A8.REK");
    const Bytes persons = company_file(dirs_[n], "DANE_PR8.REK");
    // The company's texts together tell its standard; none mixes them.
    std::string texts = names_[n] + text_at(company, 69) + text_at(company, 116);
    for (std::size_t at = 0; at < persons.size(); at += 2048) texts += text_at(persons, at + 40) + text_at(persons, at + 72);
    const int standard = standard_of(texts);
    ASSERT_TRUE(standard == 1 || standard == 2) << standard;
    (standard == 1 ? mazovia : cp852) += 1;
    EXPECT_EQ(standard_of(text_at(company, 143) + text_at(company, 209)), 0);  // codes stay plain
  }
  EXPECT_EQ(mazovia, kCompanies / 2);
  EXPECT_EQ(cp852, kCompanies / 2);
}

TEST_F(SampleFiles, OperatorsAreStoredScrambled) {
  const Bytes stored = read_file(root() / "#BIN970" / "OPERATOR.REK");
  ASSERT_EQ(stored.size() % 512, 0u);
  ASSERT_GT(stored.size(), 0u);
  for (std::size_t at = 0; at < stored.size(); at += 512) {
    // The documented generator: x := x * 134775813 + 1 from 20171231, each
    // byte XOR x * 255 div 2^32.
    Bytes plain(stored.begin() + static_cast<std::ptrdiff_t>(at), stored.begin() + static_cast<std::ptrdiff_t>(at + 512));
    std::uint32_t x = 20171231;
    for (auto& b : plain) {
      x = x * 134775813u + 1u;
      b ^= static_cast<std::uint8_t>((static_cast<std::uint64_t>(x) * 255u) >> 32);
    }
    const std::string name = text_at(plain, 24);
    EXPECT_GE(name.size(), 5u);
    EXPECT_LE(name.size(), 30u);
    EXPECT_NE(standard_of(name), -1) << "record " << at / 512;
    EXPECT_NE(stored[24], plain[24]);
  }
}

TEST_F(SampleFiles, CompanyTextFileHoldsEveryKeyOfTheCompanyData) {
  const std::map<std::string, std::vector<std::string>> keys = {
      {"WEX", {"NAZWA_ZUS", "INFO1", "INFO5", "PATHXML", "PRZEXML", "FAS"}},
      {"URZEDY_SKARBOWE", {"VAT-7", "PIT-4R", "PIT-8AR", "PIT-XX"}},
      {"FIRMA", {"TYP", "NIP", "REGON"}},
      {"PATH", {"WEX2016", "WEX2015", "WEX2014", "WEX2013"}},
      {"BANKI", {"DEF", "NAZWA1", "NRB1", "IRKwZUS", "DATA_ZBA"}},
      {"OSOBA_FIZYCZNA", {"PESEL", "NAZWISKO", "IMIE1", "DATA_URODZENIA", "INNY_RODZAJ"}},
      {"ADRES_SIEDZIBY", {"KRAJ", "WOJEWODZTWO", "GMINA", "ULICA", "DOM", "LOKAL", "MIEJSCOWOSC", "KOD",
                          "POCZTA", "SKRYTKA", "TELEFON", "POWIAT", "KODUE", "KODGMINY", "IAP"}},
      {"ADRES_KOREPONDENCJA", {"ULICA", "EMAIL", "FAKS"}},
      {"ZUS_ZxA", {"DATAPOSK", "ZPWA_KOR", "DRAI01", "DRAIX02_"}},
      {"ZIPA", {"I", "01", "09", "IV09"}},
  };
  for (const auto& dir : dirs_) {
    SCOPED_TRACE(dir);
    const Bytes bytes = company_file(dir, "FIRMATXT.INI");
    const std::string text(bytes.begin(), bytes.end());
    // Lines end with CR LF; sections may come back (WEX opens three times).
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    std::map<std::string, std::set<std::string>> found;
    std::string section;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t end = text.find("\r\n", at);
      const std::string line = text.substr(at, end - at);
      at = end + 2;
      if (line.starts_with("[")) section = line.substr(1, line.size() - 2);
      else if (line.find('=') != std::string::npos) found[section].insert(line.substr(0, line.find('=')));
    }
    for (const auto& [name, list] : keys)
      for (const auto& key : list) EXPECT_TRUE(found[name].count(key)) << name << " " << key;
    EXPECT_FALSE(found["PATH"].count("WEX2017"));  // the rewrite adds it
  }
}

TEST_F(SampleFiles, DeclarationsOf2018InTheirOldLayouts) {
  int vat7 = 0;
  for (const auto& dir : dirs_) {
    SCOPED_TRACE(dir);
    if (!fs::exists(root() / dir / "2018v7.17")) continue;
    ++vat7;
    const Bytes v = company_file(dir, "2018v7.17");
    int declared = 0;
    for (int m = 0; m < 12; ++m) {
      const std::size_t at = 1168 * static_cast<std::size_t>(m);
      if (v[at + 36] != 1) continue;
      ++declared;
      EXPECT_LE(v[at] | v[at + 1] << 8, 2);  // kind 0, 1 or 2
    }
    EXPECT_GT(declared, 0);
    EXPECT_LE(v[14016], 1);
    // One DRA attachment per person insured at the turn of the year.
    std::size_t insured = 0;
    const Bytes persons = company_file(dir, "DANE_PR8.REK");
    for (std::size_t at = 0; at < persons.size(); at += 2048) {
      const std::uint32_t left = u32_at(persons, at + 213);
      insured += i64_at(persons, at) > 0 && (left == 0 || left >= packed(31, 12, 2017));
    }
    EXPECT_EQ(fs::file_size(root() / dir / "2018D401.001"), 896 + 448 * insured);
  }
  EXPECT_GT(vat7, 0);
  // The global bases: addresses and tax offices told apart by byte 4.
  const Bytes addresses = read_file(root() / "#BIN970" / "baza_ad8.rek");
  const Bytes offices = read_file(root() / "#BIN970" / "baza_us8.rek");
  for (std::size_t at = 0; at < addresses.size(); at += 480) EXPECT_EQ(addresses[at + 4], 0);
  for (std::size_t at = 0; at < offices.size(); at += 480) EXPECT_EQ(offices[at + 4], 1);
}

TEST(SampleTool, RefusesBadArgumentsWithoutWriting) {
  TempDir tmp;
  for (const std::vector<std::string>& extra : {std::vector<std::string>{"--companies", "0"},
                                               {"--persons", "-1"},
                                               {"--docs", "12x"},
                                               {"--companies"},
                                               {"--colour", "blue"}}) {
    std::vector<std::string> args = {(tmp.path() / "o").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    const auto r = run_program({.arguments = args, .program = VX_SAMPLE_TOOL});
    EXPECT_EQ(r.exit_code, 2) << extra.front();
    EXPECT_FALSE(fs::exists(tmp.path() / "o")) << extra.front();
  }
}

// The path file the tool leaves for the program: both roots, absolute and
// in the system's form, each line ending in one CR LF.
TEST(SampleTool, PathFileNamesBothRootsInLinesOfTheirOwn) {
  TempDir tmp;
  const fs::path pth = tmp.path() / "vx17-18.PTH";
  const auto r = run_program({.arguments = {(tmp.path() / "o").string() + "/", "--companies", "1", "--persons", "1",
                                            "--docs", "1", "--pth", pth.string()},
                              .program = VX_SAMPLE_TOOL});
  ASSERT_EQ(r.exit_code, 0) << r.errors;
  const std::string root = dir_prefix(tmp.path() / "o");
  EXPECT_EQ(read_file(pth), as_bytes("WEX_2017=" + root + "WEX_2017\r\nWEX_2018=" + root + "WEX_2018\r\n"));
  EXPECT_TRUE(fs::is_regular_file(tmp.path() / "o" / "WEX_2017" / "SPISFIRM.DAT"));
}

}  // namespace
}  // namespace vx::test
