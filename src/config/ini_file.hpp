#pragma once
// INI files of the tax-book system: sections in square brackets, entry lines
// "key=value". Section names and keys are compared without regard to case
// (Polish letters included); values keep their case. The whole file is held
// in memory in file order and written back whole.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "recordfile/record_view.hpp"

namespace vx::config {

// An address as the system keeps it: thirteen text keys in the address's
// own section, in this order.
struct Address {
  std::string country, province, commune, street, house, flat, town, postcode, post_office,
      post_box, phone, district, eu_code;

  // The fields in the order of kAddressKeys.
  std::array<std::string*, 13> fields() {
    return {&country, &province, &commune,  &street, &house, &flat,     &town,
            &postcode, &post_office, &post_box, &phone, &district, &eu_code};
  }
  std::array<const std::string*, 13> fields() const {
    return {&country, &province, &commune,  &street, &house, &flat,     &town,
            &postcode, &post_office, &post_box, &phone, &district, &eu_code};
  }
  bool operator==(const Address&) const = default;
};
inline constexpr std::array<std::string_view, 13> kAddressKeys = {
    "KRAJ",    "WOJEWODZTWO", "GMINA",   "ULICA",   "DOM",     "LOKAL", "MIEJSCOWOSC",
    "KOD",     "POCZTA",      "SKRYTKA", "TELEFON", "POWIAT",  "KODUE",
};

class IniFile {
 public:
  // Loads the file; a missing file gives no sections. False when the file
  // exists but cannot be read.
  bool open(std::string_view file_name);
  const std::string& file_name() const { return file_name_; }
  // Takes the lines of a file read already, in place of what was loaded.
  void read_lines(std::string_view content);

  // Missing key: empty text.
  std::string read_text(std::string_view section, std::string_view key) const;
  // Missing key or a value that is no number: the default.
  long read_integer(std::string_view section, std::string_view key, long default_value) const;
  // "TAK" in any case is yes; anything else, or nothing, is no.
  bool read_yes_no(std::string_view section, std::string_view key) const;
  // The first character of the value; 0 when it is empty or missing.
  char read_char(std::string_view section, std::string_view key) const;
  PackedDate read_date(std::string_view section, std::string_view key) const;
  Address read_address(std::string_view section) const;

  // Every line of the file but the section headers, in file order, for a
  // reader that checks each one: its section as written, its upper-cased
  // key (empty for a line that is no entry), value and text trimmed, and
  // its line number from 1.
  struct Entry {
    std::string section, key, value, text;
    int line = 0;
  };
  std::vector<Entry> entries() const;

  // Replaces the value of an existing entry; otherwise adds the entry to its
  // section, adding the section when it is missing.
  void write_text(std::string_view section, std::string_view key, std::string_view value);
  void write_integer(std::string_view section, std::string_view key, long value);
  void write_yes_no(std::string_view section, std::string_view key, bool value);
  void write_char(std::string_view section, std::string_view key, char value);
  void write_date(std::string_view section, std::string_view key, PackedDate value);
  void write_address(std::string_view section, const Address& value);

  // Rewrites the whole file (CR LF line ends); false when it cannot be written.
  bool save() const;
  void close();

 private:
  struct Line {
    std::string text;
    std::string key;  // upper-cased key of an entry line; empty for other lines
    int number = 0;   // in the file as read; 0 for a line written since
  };
  struct Section {
    std::string name;  // as written; the lines before the first section have none
    std::string key;   // upper-cased name
    bool has_header = true;
    std::vector<Line> lines;
  };

  // Position of the named section, or the section count when it is missing.
  std::size_t section_index(std::string_view name) const;
  const Section* find_section(std::string_view name) const;
  Section& section_for_writing(std::string_view name);
  // The value, or the marker when the key is missing.
  std::string read_value(std::string_view section, std::string_view key,
                         std::string_view missing) const;

  std::string file_name_;
  std::vector<Section> sections_;
};

}  // namespace vx::config
