// Every kind of file the run reads, emptied, cut short, grown far beyond its
// records or overwritten with noise: the run goes on to its end with exit
// code 0, reports the failures the way they are reported elsewhere, draws
// no sanitizer report and changes nothing outside the 2018 tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/fixture.hpp"
#include "support/sample_run.hpp"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

enum class Damage { kEmpty, kTruncated, kOversized, kGarbage };

struct DamageCase {
  const char* label;
  const char* file;  // under the 2017 root; "bin/" for the program's side files
  Damage damage;
  const char* message = "";  // shown when the damage is met, UTF-8
  // The run ends before the companies with this exit code: 0 when the
  // program ends it, 3 when the wizard holds on and the key script runs out.
  int stops_at_start = -1;
  const char* before_list = "";  // keys for the waits of the register reading
  bool convert = false;          // Polish letters converted from Mazovia
};

// Failures name the case, not its bytes.
void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.label; }

// Noise that depends on the position only, the same in every run.
Bytes noise(std::size_t n, std::uint32_t seed) {
  Bytes b(n);
  std::uint32_t x = seed * 2654435761u + 1;
  for (auto& v : b) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    v = static_cast<std::uint8_t>(x);
  }
  return b;
}

Bytes damaged(const Bytes& original, Damage d) {
  switch (d) {
    case Damage::kEmpty: return {};
    case Damage::kTruncated: {
      // Under half, one byte short of any whole record count.
      const std::size_t keep = original.size() / 2 > 0 ? original.size() / 2 - 1 : 0;
      return Bytes(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(keep));
    }
    case Damage::kOversized: {
      Bytes b = original;
      const Bytes tail = noise((1 << 20) + 77, 7);
      b.insert(b.end(), tail.begin(), tail.end());
      return b;
    }
    case Damage::kGarbage: return noise(original.size(), 11);
  }
  return original;
}

class DamagedFile : public ::testing::TestWithParam<DamageCase> {
 protected:
  void SetUp() override {
    // Files the sample does not write for these companies: a VAT-7 file of
    // 2018 (read when the 2018 annual file of the 2017 directory is taken)
    // and a DRA declaration with two attachments.
    const fs::path dir = s_.old_root() / "PIEKARN";
    fs::copy_file(dir / "2017_ROK.REK", dir / "2018_ROK.REK");
    write_file(dir / "2018v7.17", noise(14048, 3));
    write_file(dir / "2018D401.1", noise(896 + 2 * 448, 5));
  }
  SampleRun s_;
};

TEST_P(DamagedFile, RunGoesOnAndNothingOutsideTheTargetChanges) {
  const DamageCase& c = GetParam();
  const std::string rel = c.file;
  const fs::path path = rel.starts_with("bin/") ? s_.program().parent_path() / rel.substr(4) : s_.old_root() / rel;
  write_file(path, damaged(read_file(path), c.damage));
  const auto before = s_.outside_2018();

  const auto r = s_.migrate(c.before_list, c.convert);
  if (c.stops_at_start >= 0) {
    EXPECT_EQ(r.exit_code, c.stops_at_start) << r.errors;
    EXPECT_EQ(r.errors.find("Sanitizer"), std::string::npos) << r.errors;
    EXPECT_EQ(r.errors.find("runtime error"), std::string::npos) << r.errors;
  } else {
    EXPECT_TRUE(ended_normally(r));
  }
  if (*c.message) {
    EXPECT_TRUE(r.shows(c.message)) << c.message;
  }
  EXPECT_TRUE(s_.outside_2018() == before) << "something outside the 2018 tree changed";
}

// The line of the output that starts so, without its start.
std::string output_line(const std::string& output, const std::string& start) {
  const auto at = output.find("\n" + start);
  if (at == std::string::npos) return {};
  const auto from = at + 1 + start.size();
  return output.substr(from, output.find('\n', from) - from);
}

// Without an operator the same damage never holds the run: with nothing on
// its input it ends by itself, every error in its report (before the
// copying, on standard error), and its exit code is the report's word.
TEST_P(DamagedFile, UnattendedRunNeverWaitsAndReportsIt) {
  const DamageCase& c = GetParam();
  const std::string rel = c.file;
  const fs::path path = rel.starts_with("bin/") ? s_.program().parent_path() / rel.substr(4) : s_.old_root() / rel;
  write_file(path, damaged(read_file(path), c.damage));
  const fs::path profile = s_.top() / "profil.ini";
  if (c.convert) write_file(profile, std::string_view("[OPCJE]\nSTANDARD_ZNAKOW=1\n"));
  const auto before = s_.outside_2018();

  const auto r = s_.unattended(c.convert ? profile.string() : "");
  for (const char* sanitizer : {"Sanitizer", "runtime error"})
    EXPECT_EQ(r.errors.find(sanitizer), std::string::npos) << r.errors;
  EXPECT_TRUE(s_.outside_2018() == before) << "something outside the 2018 tree changed";
  if (c.stops_at_start == 3) {  // the roots are refused before anything is written
    EXPECT_EQ(r.exit_code, 2) << r.output;
    EXPECT_NE(r.errors.find(c.message), std::string::npos) << r.errors;
    return;
  }
  ASSERT_TRUE(r.exit_code == 0 || r.exit_code == 1) << r.exit_code << "\n" << r.output << r.errors;
  const std::string report_path = output_line(r.output, "Raport: ");
  ASSERT_FALSE(report_path.empty()) << r.output;
  const Bytes bytes = read_file(report_path);
  const std::string report(bytes.begin(), bytes.end());
  if (*c.message) {
    EXPECT_NE(report.find(c.message), std::string::npos) << c.message << "\n" << report;
  }
  const bool clean = report.find("Firmy przeniesione z błędami: 0\r\n") != std::string::npos &&
                     report.find("Firmy pominięte: 0\r\n") != std::string::npos &&
                     report.find("  Błędy:\r\n") == std::string::npos && report.find(": błąd: ") == std::string::npos;
  EXPECT_EQ(r.exit_code, clean ? 0 : 1) << report;
}

constexpr auto E = Damage::kEmpty, T = Damage::kTruncated, O = Damage::kOversized, G = Damage::kGarbage;

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DamagedFile,
    ::testing::Values(
        // An empty register is taken for a missing one by the location check.
        DamageCase{"RegisterEmpty", "SPISFIRM.DAT", E, "Brak pliku SPISFIRM.DAT", 3},
        DamageCase{"RegisterUnderOneRecord", "SPISFIRM.DAT", T, "Zerowa długość pliku SPISFIRM.DAT", 0},
        // Ten thousand records of noise after the two companies: only listed
        // companies count towards the limit, so both are still offered.
        DamageCase{"RegisterOverTheLimit", "SPISFIRM.DAT", O, "Napraw plik SPISFIRM.DAT !", -1, "Enter\n"},
        DamageCase{"RegisterNoise", "SPISFIRM.DAT", G, "Napraw plik SPISFIRM.DAT !"},
        DamageCase{"AnnualEmpty", "SLUSARZ/2017_ROK.REK", E},
        DamageCase{"AnnualShort", "SLUSARZ/2017_ROK.REK", T, "Błąd odczytu danych z 2017"},
        DamageCase{"AnnualOversized", "SLUSARZ/2017_ROK.REK", O},
        DamageCase{"AnnualNoise", "SLUSARZ/2017_ROK.REK", G},
        DamageCase{"Annual2018Short", "PIEKARN/2018_ROK.REK", T},
        DamageCase{"Annual2018Noise", "PIEKARN/2018_ROK.REK", G},
        DamageCase{"PersonsShort", "PIEKARN/DANE_PR8.REK", T},
        DamageCase{"PersonsOversized", "PIEKARN/DANE_PR8.REK", O},
        DamageCase{"PersonsNoise", "PIEKARN/DANE_PR8.REK", G},
        DamageCase{"FamiliesNoise", "PIEKARN/DANE_PF8.REK", G},
        DamageCase{"Pit28Noise", "PIEKARN/2017_p28.rek", G},
        DamageCase{"Pid5Short", "PIEKARN/2017p5.13", T},
        DamageCase{"DocumentsShort", "SLUSARZ/2018K880.1", T},
        DamageCase{"DocumentsOversized", "SLUSARZ/2018K880.2", O},
        DamageCase{"DocumentsNoise", "SLUSARZ/2018K880.1", G},
        DamageCase{"UnsettledNoise", "SLUSARZ/0000K880.00", G},
        DamageCase{"UnsettledEmpty", "SLUSARZ/0000K880.00", E},
        DamageCase{"Vat7Short", "PIEKARN/2018v7.17", T},
        DamageCase{"Vat7Oversized", "PIEKARN/2018v7.17", O},
        DamageCase{"DraEmpty", "PIEKARN/2018D401.1", E, "Błąd odczytania DRA:2018D401.1", -1, "", true},
        DamageCase{"DraShort", "PIEKARN/2018D401.1", T, "Błąd odczytania DRA:2018D401.1", -1, "", true},
        DamageCase{"DraEmptyKept", "PIEKARN/2018D401.1", E},
        DamageCase{"DraOversized", "PIEKARN/2018D401.1", O},
        DamageCase{"AssetListNoise", "PIEKARN/stbazy.rek", G},
        DamageCase{"AssetListOversized", "PIEKARN/stbazy.rek", O},
        DamageCase{"AssetsShort", "PIEKARN/srodki.rek", T},
        DamageCase{"CompanyRecordNoise", "PIEKARN/FIRMA_A8.REK", G},
        DamageCase{"CompanyRecordShort", "PIEKARN/FIRMA_A8.REK", T},
        DamageCase{"StampShort", "PIEKARN/_vx_wex.rek", T, "Błąd odczytu danych z "},
        DamageCase{"StampNoise", "PIEKARN/_vx_wex.rek", G},
        DamageCase{"CompanyIniNoise", "PIEKARN/FIRMATXT.INI", G},
        DamageCase{"CompanyIniOversized", "PIEKARN/FIRMATXT.INI", O},
        DamageCase{"ProgramIniNoise", "#BIN970/WEX_VX.INI", G},
        DamageCase{"YearIniNoise", "#BIN970/wex_2017.ini", G},
        DamageCase{"YearIniOversized", "#BIN970/wex_2017.ini", O},
        DamageCase{"TaxOfficesNoise", "#BIN970/baza_us8.rek", G},
        DamageCase{"AddressesOversized", "#BIN970/baza_ad8.rek", O},
        DamageCase{"OperatorsNoise", "#BIN970/OPERATOR.REK", G},
        DamageCase{"MileageLogNoise", "PIEKARN/_2018/2018_01.kst", G},
        DamageCase{"PathFileOversized", "bin/vx17-18.PTH", O}),
    [](const ::testing::TestParamInfo<DamageCase>& p) { return std::string(p.param.label); });

}  // namespace
}  // namespace vx::test
