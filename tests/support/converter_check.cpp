#include "support/converter_check.hpp"

#include <gtest/gtest.h>

#include "conversion/record_converters.hpp"

namespace vx::test {

namespace {
const std::string kShort = "Łódź";
}

Fields run_of(std::size_t count, std::size_t first, std::size_t stride, std::size_t capacity) {
  Fields out;
  for (std::size_t i = 0; i < count; ++i) out.push_back({first + stride * i, capacity});
  return out;
}

Fields operator+(Fields a, const Fields& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Record mazovia_record(std::size_t size, const Fields& texts) {
  Record rec(size);
  rec.fill(0, size, 0x86);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i % 2 == 0)
      rec.text(texts[i].offset, texts[i].capacity, mazovia(kShort));
    else
      rec.u8(texts[i].offset, 0xFF);  // longer than the field: cut to its capacity
  }
  return rec;
}

Record converted_in_place(Record rec, const Fields& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i % 2 == 0) {
      rec.text(texts[i].offset, texts[i].capacity, cp852_bytes(kShort));
    } else {
      rec.u8(texts[i].offset, static_cast<std::uint8_t>(texts[i].capacity));
      rec.fill(texts[i].offset + 1, texts[i].capacity, 0xA5);  // CP852 "ą"
    }
  }
  return rec;
}

void put_converted(Record& rec, const Record& old, const Fields& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto& f = texts[i];
    if (old.bytes()[f.offset] == 0xFF) {
      rec.u8(f.offset, static_cast<std::uint8_t>(f.capacity));
      rec.fill(f.offset + 1, f.capacity, 0xA5);
    } else {
      rec.text(f.offset, f.capacity, cp852_bytes(kShort));
    }
  }
}

void copy_bytes(Record& to, const Record& from, std::size_t at, std::size_t length) {
  for (std::size_t i = at; i < at + length; ++i) to.u8(i, from.bytes()[i]);
}

namespace {
charset::Charsets standards(bool convert) {
  charset::Charsets cs;
  cs.charset_mode = convert ? 1 : 0;
  cs.source_charset = 1;
  cs.target_charset = 2;
  return cs;
}
}  // namespace

Bytes run_in_place(const conversion::layout::InPlaceLayout& layout, const Record& rec, bool convert) {
  Bytes b = rec.bytes();
  EXPECT_TRUE(conversion::convert_in_place(layout, standards(convert), RecordView(b)));
  return b;
}

Bytes run_two_size(RebuiltConverter conv, const Record& old, bool convert) {
  Bytes fresh(old.bytes().size(), 0x77);  // whatever the buffer held before
  EXPECT_TRUE(conv(standards(convert), ConstRecordView(old.bytes()), RecordView(fresh)));
  return fresh;
}

}  // namespace vx::test
