#pragma once
// INI text as the system writes it: sections, "KEY=value" lines, CR LF line
// ends, values in the company's standard.
#include <string>
#include <string_view>

#include "recordfile/record_view.hpp"
#include "sample_company.hpp"

namespace vx::sample {

class IniText {
 public:
  explicit IniText(const Encoder& enc) : enc_(enc) {}
  IniText& section(std::string_view name);
  IniText& text(std::string_view key, std::string_view utf8);
  IniText& number(std::string_view key, long value);
  IniText& yes_no(std::string_view key, bool value);
  IniText& date(std::string_view key, PackedDate d);  // "31-12-2017"
  // The thirteen address keys.
  IniText& address(const Address& a);
  const std::string& str() const { return text_; }

 private:
  const Encoder& enc_;
  std::string text_;
};

}  // namespace vx::sample
