// The INI reader on any file: read back, then written and saved again,
// which must give a file the reader takes once more.
#include <cctype>
#include <cstdint>
#include <span>
#include <string>

#include "config/ini_file.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vx;
  const auto dir = fuzz::fresh_dir("ini");
  const std::string path = (dir / "FIRMA.INI").string();
  fuzz::write_bytes(dir / "FIRMA.INI", std::span<const std::uint8_t>(data, size));

  config::IniFile ini;
  if (!ini.open(path)) return 0;
  // Section and key names taken from the input itself, as well as fixed ones.
  const std::string probe(reinterpret_cast<const char*>(data), size < 12 ? size : 12);
  for (const std::string_view section : {std::string_view("FIRMA"), std::string_view("ADRES"),
                                         std::string_view(probe)}) {
    (void)ini.read_text(section, "NAZWA");
    (void)ini.read_integer(section, "ROK", -1);
    (void)ini.read_yes_no(section, "VAT");
    (void)ini.read_char(section, probe);
    (void)ini.read_date(section, "DATA");
    (void)ini.read_address(section);
  }
  // A value as the program writes one: letters and digits.
  std::string value;
  for (const char c : probe) value += std::isalnum(static_cast<unsigned char>(c)) ? c : 'x';
  ini.write_text("FIRMA", "NAZWA", value);
  ini.write_integer(probe, "ROK", 2018);
  ini.write_date("FIRMA", "DATA", PackedDate{31, 12, 2017});
  config::Address a;
  a.town = probe;
  ini.write_address("ADRES", a);
  if (!ini.save()) return 0;
  config::IniFile again;
  if (!again.open(path) || again.read_text("FIRMA", "NAZWA") != ini.read_text("FIRMA", "NAZWA"))
    __builtin_trap();
  return 0;
}
