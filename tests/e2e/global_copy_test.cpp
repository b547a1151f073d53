// The global files of the program directory carried into "#BIN980".
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <span>

#include "support/office.hpp"

namespace vx::test {
namespace {

// Page 4, which opens on its stop box: to the scope group, companies off.
const std::string kCompaniesOff = "S-Tab\nS-Tab\nDown\nSpace\n";
const std::string kToPage4 = "PgDn\nPgDn\nPgDn\n";
// Page 1: the second character standard, Mazovia to CP852.
const std::string kMazoviaTo852 = "Tab\nTab\nDown\nSpace\n";

// An installation the locations page accepts: a register of one company.
void with_register(Office& office) { office.company({.name = "Alfa", .dir = "ALFA"}); }

std::set<std::string> names_in(const std::filesystem::path& dir) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

// --- address records ------------------------------------------------------

struct Span {
  std::size_t at, length;
};
// A text of capacity n takes n + 1 bytes.
constexpr Span text(std::size_t at, std::size_t capacity) { return {at, capacity + 1}; }

// What the 2018 record keeps of the 2017 one; everything else is zero.
const Span kAddressTexts[] = {text(5, 36),   text(42, 36),  text(79, 36),  text(181, 20),
                              text(202, 30), text(233, 20), text(254, 20), text(275, 36),
                              text(388, 36), text(425, 36)};
const Span kAddressKept[] = {{0, 4},         text(116, 18), text(135, 14), text(150, 11),
                             text(162, 6),   {312, 39},     {462, 1}};
const Span kTaxOfficeTexts[] = {text(5, 48), text(61, 26), text(88, 44), text(133, 52), text(186, 20)};
const Span kTaxOfficeKept[] = {{0, 4},    text(54, 6), text(402, 4), {207, 39},
                               {246, 39}, {285, 39},   {324, 39},    {363, 39}};
constexpr std::size_t kAddressKind = 4;

// Filler everywhere; each text a short text with a clean tail; other kept
// bytes a pattern.
Record address_2017(std::span<const Span> texts, std::span<const Span> kept, int n) {
  Record r(480);
  r.fill(0, 480, 0xEE);
  for (const auto& s : kept)
    for (std::size_t i = 0; i < s.length; ++i) r.u8(s.at + i, static_cast<std::uint8_t>(s.at * 7 + i * 13 + n));
  for (const auto& s : texts) {
    r.fill(s.at, s.length, 0);
    r.text(s.at, s.length - 1, "T" + std::to_string(s.at) + "\xA7" + std::to_string(n));
  }
  for (const auto& s : kept) {
    if (s.length < 2 || s.at == 0 || s.length == 39) continue;  // texts among the kept spans
    r.fill(s.at, s.length, 0);
    r.text(s.at, s.length - 1, std::string(s.length - 1, static_cast<char>('a' + n)));
  }
  r.u32(0, 1000u + static_cast<std::uint32_t>(n));
  return r;
}

Bytes address_2018(const Record& old, std::span<const Span> texts, std::span<const Span> kept,
                   std::uint8_t kind) {
  Bytes out(480, 0);
  for (auto spans : {texts, kept})
    for (const auto& s : spans)
      std::copy_n(old.bytes().begin() + static_cast<long>(s.at), s.length, out.begin() + static_cast<long>(s.at));
  out[kAddressKind] = kind;
  return out;
}

// --- operator records -----------------------------------------------------

// The operator file's scrambling as documented: for every record the
// generator starts at 20171231; x := x * 134775813 + 1 (mod 2^32) and each
// byte is XORed with x * 255 div 2^32.
Bytes scrambled(Bytes record) {
  std::uint32_t x = 20171231u;
  for (auto& b : record) {
    x = static_cast<std::uint32_t>(std::uint64_t{x} * 134775813u + 1u);
    b = static_cast<std::uint8_t>(b ^ static_cast<std::uint8_t>((std::uint64_t{x} * 255u) >> 32));
  }
  return record;
}
Bytes unscrambled(const Bytes& record) { return scrambled(record); }

constexpr std::size_t kOperatorSize = 512;
constexpr std::size_t rights(int group) { return 133 + 2 * static_cast<std::size_t>(group); }

Record operator_2017(std::uint16_t group3, std::uint16_t group5, std::string_view name) {
  Record r(kOperatorSize);
  for (std::size_t i = 0; i < kOperatorSize; ++i) r.u8(i, static_cast<std::uint8_t>(i * 31 + 5));
  for (int g = 0; g < 7; ++g) r.u16(rights(g), 0x4100);
  r.u16(rights(3), group3).u16(rights(5), group5);
  // Name, login and position; the rest of the record is carried as it is.
  r.fill(24, 31, 0).text(24, 30, name);
  r.fill(55, 17, 0).text(55, 16, "op");
  r.fill(93, 38, 0).text(93, 37, mazovia("Księgowa"));
  return r;
}

Bytes operator_file(const std::vector<Record>& plain) {
  Bytes out;
  for (const auto& r : plain) {
    const auto s = scrambled(r.bytes());
    out.insert(out.end(), s.begin(), s.end());
  }
  return out;
}

std::vector<Bytes> operator_records(const Bytes& file) {
  std::vector<Bytes> out;
  for (std::size_t at = 0; at + kOperatorSize <= file.size(); at += kOperatorSize)
    out.push_back(unscrambled(Bytes(file.begin() + static_cast<long>(at),
                                    file.begin() + static_cast<long>(at + kOperatorSize))));
  return out;
}

// --- the files of one program directory ------------------------------------

struct GlobalFiles {
  Record address0 = address_2017(kAddressTexts, kAddressKept, 0);
  Record address1 = address_2017(kAddressTexts, kAddressKept, 1);
  Record tax_office = address_2017(kTaxOfficeTexts, kTaxOfficeKept, 2);
  std::vector<Record> operators = {operator_2017(0x0004, 0, "Anna"), operator_2017(0, 0x0002, "Jan"),
                                   operator_2017(0xFFFF, 0xFFFF, "Szef")};
  // Each plain file holds its name and a Mazovia letter (0xA7), kept as is.
  static Bytes plain(const std::string& name) { return as_bytes(name + "=\xA7\r\n"); }

  void write(Office& office, const std::string& dir = "#BIN970") const {
    office.global17("baza_ad8.rek", concat({address0, address1}), dir)
        .global17("baza_us8.rek", tax_office.bytes(), dir)
        .global17("OPERATOR.REK", operator_file(operators), dir);
    for (const char* name : {"baza_ff.txt", "2017_BR.REK", "WEX_VX.INI", "2017spd.ini", "2017_lp.cc",
                             "KOLORY.VX", "wex_2017.ini", "ZUS_PEL.INI", "UMOWY.INI"})
      office.global17(name, plain(dir + name), dir);
  }
};

TEST(GlobalCopy, DefaultsCarryTheirItemsIntoANewProgramDirectory) {
  Office office;
  with_register(office);
  const GlobalFiles files;
  files.write(office);
  const auto before = snapshot_tree(office.root17());
  auto r = office.migrate(kToPage4 + kCompaniesOff + "F5\n" + finish());
  ASSERT_EQ(r.exit_code, 0) << r.output;
  EXPECT_TRUE(r.shows("Koniec pracy kopiera danych WEX_VX na rok 2018"));
  EXPECT_EQ(snapshot_tree(office.root17()), before);

  // Items 0, 1, 2, 4, 6, 7, 9 and 10; 3, 5 and 8 are off.
  const auto bin = office.new_file("#BIN980");
  ASSERT_TRUE(std::filesystem::is_directory(bin));
  EXPECT_EQ(names_in(bin), (std::set<std::string>{"baza_ad8.rek", "baza_us8.rek", "baza_ff.txt",
                                                  "WEX_VX.INI", "2018_lp.cc", "KOLORY.VX",
                                                  "OPERATOR.REK", "ZUS_PEL.INI", "UMOWY.INI"}));
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"baza_ff.txt", "baza_ff.txt"}, {"WEX_VX.INI", "WEX_VX.INI"}, {"2017_lp.cc", "2018_lp.cc"},
           {"KOLORY.VX", "KOLORY.VX"}, {"ZUS_PEL.INI", "ZUS_PEL.INI"}, {"UMOWY.INI", "UMOWY.INI"}})
    EXPECT_EQ(read_file(bin / to), GlobalFiles::plain("#BIN970" + from)) << to;

  // Addresses: rebuilt field by field, unlisted bytes zero, kind 0.
  Bytes addresses = address_2018(files.address0, kAddressTexts, kAddressKept, 0);
  const auto second = address_2018(files.address1, kAddressTexts, kAddressKept, 0);
  addresses.insert(addresses.end(), second.begin(), second.end());
  EXPECT_EQ(read_file(bin / "baza_ad8.rek"), addresses);
  EXPECT_EQ(read_file(bin / "baza_us8.rek"), address_2018(files.tax_office, kTaxOfficeTexts, kTaxOfficeKept, 1));

  // Operators: rights granted, none taken, everything else as it was.
  const auto ops = operator_records(read_file(bin / "OPERATOR.REK"));
  ASSERT_EQ(ops.size(), 3u);
  std::vector<Record> expected = files.operators;
  expected[0].u16(rights(3), 0x0014);  // 0x04 brings 0x10
  expected[1].u16(rights(3), 0x0008);  // group 5's 0x02 brings group 3's 0x08
  for (std::size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(ops[i], expected[i].bytes()) << i;
}

TEST(GlobalCopy, ChangedSourceVersionTakesThatDirectory) {
  Office office;
  with_register(office);
  GlobalFiles().write(office, "#BIN960");
  // Page 4: to the version field, cleared, typed.
  auto r = office.migrate(kToPage4 + "S-Tab\nC-Y\ntext #BIN960\nS-Tab\nDown\nSpace\nF5\n" + finish());
  ASSERT_EQ(r.exit_code, 0) << r.output;
  const auto bin = office.new_file("#BIN980");
  EXPECT_EQ(names_in(bin).size(), 9u);
  EXPECT_EQ(read_file(bin / "KOLORY.VX"), GlobalFiles::plain("#BIN960KOLORY.VX"));
  EXPECT_FALSE(std::filesystem::exists(office.new_file("#BIN960")));
}

TEST(GlobalCopy, MissingSourceDirectoryEndsTheProgram) {
  Office office;
  with_register(office);
  std::filesystem::remove(office.old_file("#BIN970"));
  auto r = office.migrate(kToPage4 + kCompaniesOff + "F5\nEnter\n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(r.shows("Brak katalogu zródłowego"));
  EXPECT_TRUE(r.shows((office.root17() / "#BIN970").string().substr(0, 30)));
  EXPECT_FALSE(r.shows("Nacisnij Enter"));
  EXPECT_FALSE(r.shows("Koniec pracy"));
  EXPECT_TRUE(snapshot_tree(office.root18()).empty());
  EXPECT_FALSE(std::filesystem::exists(office.new_file("#BIN980")));
}

TEST(GlobalCopy, OfficeRecordsStartTheirNumberingAgain) {
  // Mazovia data converted to CP852, or kept; a text whose length byte claims
  // more than its field holds comes out cut to the field either way.
  Record with_text(384), empty_text(384), overlong(384);
  for (Record* r : {&with_text, &empty_text, &overlong}) {
    r->fill(0, 384, 0xEE);
    for (std::size_t at : {0u, 37u, 74u, 125u, 245u, 283u, 111u, 204u}) r->fill(at, at == 204 ? 41 : 37, 0);
    r->u8(282, 3).fill(310, 39, 0x5C).u16(349, 0x0102);
  }
  for (Record* r : {&with_text, &empty_text}) {
    r->text(0, 36, mazovia("Biuro Rachunkowe Żółć")).text(37, 36, mazovia("ul. Łąkowa 5"))
        .text(74, 36, mazovia("Kraków")).text(111, 13, "PL1234567890").text(125, 26, mazovia("Bank Śląski"))
        .text(204, 40, "12 1020 3040 0000 1234 5678 9012").text(283, 26, mazovia("Jan Kowalski"));
  }
  with_text.text(245, 36, mazovia("Usługi księgowe {zamiesiac}"));
  const std::pair<std::size_t, std::size_t> kOverlong[] = {{0, 36}, {125, 26}, {245, 36}, {283, 26}};
  for (const auto& [at, capacity] : kOverlong) overlong.u8(at, 0xFF).fill(at + 1, capacity, 0x86);  // Mazovia ą
  for (const bool convert : {true, false}) {
    Office office;
    with_register(office);
    office.global17("2017_BR.REK", concat({with_text, empty_text, overlong}));
    auto r = office.migrate((convert ? kMazoviaTo852 : "") + "PgDn\nDown\nDown\nDown\nSpace\nPgDn\nPgDn\n" +
                            kCompaniesOff + "F5\n" + finish());
    ASSERT_EQ(r.exit_code, 0) << r.output;
    const auto file = read_file(office.new_file("#BIN980/2018_BR.REK"));
    ASSERT_EQ(file.size(), 3u * 384);
    auto text = [&](const std::string& utf8) { return convert ? cp852_bytes(utf8) : mazovia(utf8); };
    for (int n = 0; n < 3; ++n) {
      Record want(384);
      if (n < 2) {
        want.text(0, 36, text("Biuro Rachunkowe Żółć")).text(37, 36, text("ul. Łąkowa 5"))
            .text(74, 36, text("Kraków")).text(111, 13, "PL1234567890")
            .text(125, 26, text("Bank Śląski")).text(204, 40, "12 1020 3040 0000 1234 5678 9012")
            .text(245, 36, n == 0 ? text("Usługi księgowe {zamiesiac}") : cp852_bytes("Prowadzenie księgi - {zamiesiac}"))
            .text(283, 26, text("Jan Kowalski"));
      } else {
        for (const auto& [at, capacity] : kOverlong)
          want.u8(at, static_cast<std::uint8_t>(capacity)).fill(at + 1, capacity, convert ? 0xA5 : 0x86);
      }
      want.u8(282, 3).fill(310, 39, 0x5C).u16(349, 0x0102);
      for (std::size_t at : {152u, 165u, 178u, 191u}) want.u16(at, 1).text(at + 2, 10, "/2018");
      EXPECT_EQ(Bytes(file.begin() + n * 384, file.begin() + (n + 1) * 384), want.bytes()) << convert << n;
    }
  }
}

TEST(GlobalCopy, OperatorNamesConvertedAndRightsOnlyGranted) {
  const std::vector<Record> plain = {operator_2017(0x0014, 0x0002, mazovia("Łucja")),
                                     operator_2017(0x0010, 0x0000, mazovia("Żaneta")),
                                     operator_2017(0x000C, 0x0002, "Ola")};
  Office office;
  with_register(office);
  office.global17("OPERATOR.REK", operator_file(plain));
  auto r = office.migrate(kMazoviaTo852 + kToPage4 + kCompaniesOff + "F5\n" + finish());
  ASSERT_EQ(r.exit_code, 0) << r.output;
  const auto ops = operator_records(read_file(office.new_file("#BIN980/OPERATOR.REK")));
  ASSERT_EQ(ops.size(), 3u);
  std::vector<Record> want = plain;
  for (auto& w : want) w.text(93, 37, cp852_bytes("Księgowa"));
  want[0].u16(rights(3), 0x001C).text(24, 30, cp852_bytes("Łucja"));
  want[1].text(24, 30, cp852_bytes("Żaneta"));  // 0x10 alone brings nothing
  want[2].u16(rights(3), 0x001C);               // 0x04 brings 0x10; 0x08 was there
  for (std::size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(ops[i], want[i].bytes()) << i;
}

}  // namespace
}  // namespace vx::test
