#include "conversion/document_converter.hpp"

#include <gtest/gtest.h>

#include "support/converter_check.hpp"
#include "support/scripted_run.hpp"

namespace vx::test {
namespace {

constexpr std::size_t kSize = 400;

const Fields kTexts = {{32, 22}, {55, 18}, {74, 36}, {111, 36}, {148, 36}, {185, 20}, {223, 12}};

// A 2017 document with every byte set and Polish texts in its fields.
Record document() {
  Record d = mazovia_record(kSize, kTexts);
  d.u16(30, 0x0001);  // status: not struck off
  d.date(14, 20, 3, 2018).date(18, 5, 3, 2018);
  d.f64(215, 99.5);
  d.u8(344, 0).u8(345, 7);
  // Pairs of net and tax: 22 %, 7 %, 3 %, 6 %.
  d.f64(248, 100).f64(256, 22).f64(264, 100).f64(272, 7);
  d.f64(296, 100).f64(304, 3).f64(312, 100).f64(320, 6);
  return d;
}

// The converters' view of a run: its dialogue, standards and options.
conversion::DocumentCopy copy_in(Session& run, int month = 1, std::uint32_t number = 1) {
  return {run.talk, run.cs, run.options, {static_cast<std::int16_t>(month), number}};
}

struct Converted {
  Bytes bytes;
  bool kept;
  std::string line;
};

Converted convert(const Record& old, int month, bool charset = true, std::uint32_t number = 1) {
  ScriptedRun sr;
  auto& run = sr.run();
  run.cs = {static_cast<std::uint16_t>(charset ? 1 : 0), 1, 2};
  auto copy = copy_in(run, month, number);
  Bytes fresh(kSize, 0x55);
  const bool kept = conversion::convert_document(copy, ConstRecordView(old.bytes()), RecordView(fresh));
  return {fresh, kept, sr.row(1)};
}

double f64_at(const Bytes& b, std::size_t at) { return ConstRecordView(b).f64(at); }
std::uint16_t u16_at(const Bytes& b, std::size_t at) { return ConstRecordView(b).u16(at); }

TEST(DocumentConverter, MonthDocumentIsRebuiltFieldByField) {
  const Record old = document();
  Record expected(kSize);
  expected.u32(0, 7);
  put_converted(expected, old, kTexts);
  for (auto [at, len] : std::initializer_list<std::pair<std::size_t, std::size_t>>{
           {4, 4}, {8, 2}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 4}, {30, 2}, {206, 4},
           {210, 4}, {214, 1}, {215, 8}, {236, 1}, {237, 1}, {238, 4}, {242, 104}, {346, 1},
           {347, 1}, {348, 1}, {350, 1}, {360, 1}, {361, 2}, {363, 2}, {368, 9}, {377, 9}})
    copy_bytes(expected, old, at, len);
  expected.u16(352, 2200).u16(354, 700).u16(356, 300).u16(358, 600);
  expected.u8(344, 0).u8(345, 0).u8(367, 2);

  const auto out = convert(old, 3, true, 7);
  EXPECT_TRUE(out.kept);
  EXPECT_EQ(out.bytes, expected.bytes());

  // Keeping the standard: the texts arrive as stored, nothing after them.
  for (const auto& f : kTexts)
    copy_bytes(expected, old, f.offset, 1 + std::min<std::size_t>(old.bytes()[f.offset], f.capacity));
  EXPECT_EQ(convert(old, 3, false, 7).bytes, expected.bytes());
}

TEST(DocumentConverter, UnsettledDocumentIsBookedOnTheFirstDayOf2018) {
  const auto out = convert(document(), 0);
  const ConstRecordView doc(out.bytes);
  EXPECT_EQ(doc.date(14), (PackedDate{1, 1, 2018}));
  EXPECT_EQ(doc.f64(215), 0.0);
  EXPECT_EQ(doc.date(18), (PackedDate{5, 3, 2018}));  // its own date stays
}

TEST(DocumentConverter, VatCodesFollowTheRateOfEachPair) {
  struct Case {
    std::size_t net, tax, code;
    double lower_rate, higher_rate;
    std::uint16_t lower, higher;
  };
  const Case cases[] = {
      {248, 256, 352, 22, 23, 2200, 2300},
      {264, 272, 354, 7, 8, 700, 800},
      {296, 304, 356, 3, 5, 300, 500},
      {312, 320, 358, 6, 7, 600, 700},
  };
  for (const auto& c : cases) {
    Record d = document();
    d.f64(c.net, 100).f64(c.tax, c.lower_rate);
    EXPECT_EQ(u16_at(convert(d, 1).bytes, c.code), c.lower) << c.code;
    d.f64(c.tax, c.higher_rate);
    EXPECT_EQ(u16_at(convert(d, 1).bytes, c.code), c.higher) << c.code;
    d.f64(c.net, 0).f64(c.tax, 0);
    EXPECT_EQ(u16_at(convert(d, 1).bytes, c.code), c.higher) << c.code;
    d.f64(c.net, -200).f64(c.tax, -2 * c.lower_rate);  // a correction keeps its rate
    EXPECT_EQ(u16_at(convert(d, 1).bytes, c.code), c.lower) << c.code;
  }
}

TEST(DocumentConverter, ThirdPairFoldsIntoThePairOfItsNewRate) {
  Record d = document();
  d.u8(344, 23);
  auto out = convert(d, 2).bytes;
  EXPECT_EQ(f64_at(out, 248), 200.0);
  EXPECT_EQ(f64_at(out, 256), 25.0);
  EXPECT_EQ(f64_at(out, 296), 0.0);
  EXPECT_EQ(f64_at(out, 304), 0.0);
  EXPECT_EQ(u16_at(out, 352), 2300);
  EXPECT_EQ(f64_at(out, 264), 100.0);
  EXPECT_EQ(out[344], 0);

  d.u8(344, 8);
  out = convert(d, 2).bytes;
  EXPECT_EQ(f64_at(out, 264), 200.0);
  EXPECT_EQ(f64_at(out, 272), 10.0);
  EXPECT_EQ(f64_at(out, 296), 0.0);
  EXPECT_EQ(u16_at(out, 354), 800);
  EXPECT_EQ(f64_at(out, 248), 100.0);
  EXPECT_EQ(u16_at(out, 352), 2200);

  d.u8(344, 5);  // no other rate: the pair stays
  out = convert(d, 2).bytes;
  EXPECT_EQ(f64_at(out, 296), 100.0);
  EXPECT_EQ(f64_at(out, 248), 100.0);
  EXPECT_EQ(out[344], 0);
}

TEST(DocumentConverter, ShowsOneLinePerDocument) {
  Record d = document();
  d.text(55, 18, "FV/1").text(148, 36, "Kowalski Jan");
  EXPECT_EQ(convert(d, 1).line, "WEX=05-03-2018 FV/1       Kowalski Jan.ok");
  d.date(18, 0, 3, 2018).text(55, 18, "FAKTURA/2018/00077");
  EXPECT_EQ(convert(d, 1).line, "WEX=- FAKTURA/2018/00077 Kowalski Jan.ok");
}

TEST(DocumentConverter, StruckOffDocumentIsDroppedAndListed) {
  Record d = document();
  d.u16(30, 0x0003).text(55, 18, "FV/2").text(148, 36, "Nowak");
  ScriptedRun sr;
  auto copy = copy_in(sr.run());
  Bytes fresh(kSize);
  EXPECT_FALSE(conversion::convert_document(copy, ConstRecordView(d.bytes()), RecordView(fresh)));
  EXPECT_EQ(sr.row(1), "WEX=05-03-2018 FV/2       Nowak SKREŚLONY");
  // The next document kept takes the first number.
  EXPECT_TRUE(conversion::convert_document(copy, ConstRecordView(document().bytes()), RecordView(fresh)));
  EXPECT_EQ(ConstRecordView(fresh).u32(0), 1u);

  // Stopping after each company waits for a key at a struck-off document.
  ScriptedRun stop("Enter\n");
  stop.run().options.stop_per_company = 1;
  auto stopping = copy_in(stop.run());
  EXPECT_FALSE(conversion::convert_document(stopping, ConstRecordView(d.bytes()), RecordView(fresh)));
  EXPECT_EQ(stop.console().screens_shown(), 1);
}

TEST(DocumentConverter, NumbersFollowThePositionInThe2018File) {
  TempDir dir;
  const auto target = (dir / "2018K880.1").string();
  write_file(target, Bytes(3 * kSize, 1));
  ScriptedRun sr;
  auto copy = copy_in(sr.run());
  Bytes fresh(kSize);
  auto next = [&] {
    EXPECT_TRUE(conversion::convert_document(copy, ConstRecordView(document().bytes()), RecordView(fresh)));
    return ConstRecordView(fresh).u32(0);
  };

  copy.cursor = conversion::start_document_file(target, 1, true);  // January behind the unsettled documents
  EXPECT_EQ(next(), 4u);
  EXPECT_EQ(next(), 5u);

  copy.cursor = conversion::start_document_file(target, 1, false);  // a month file written anew
  EXPECT_EQ(next(), 1u);
  copy.cursor = conversion::start_document_file((dir / "2018K880.2").string(), 2, true);  // not there yet
  EXPECT_EQ(next(), 1u);
}

TEST(RepaymentConverter, CarriesTheRecordAndConvertsItsDocumentText) {
  Record old(48);
  old.fill(0, 48, 0x86).date(5, 7, 2, 2018).text(17, 12, mazovia("FV/Łódź"));
  ScriptedRun sr;
  sr.run().cs = {1, 1, 2};
  Bytes fresh(48, 0x55);
  auto copy = copy_in(sr.run());
  EXPECT_TRUE(conversion::convert_repayment(copy, ConstRecordView(old.bytes()), RecordView(fresh)));
  Record expected = old;
  expected.text(17, 12, cp852_bytes("FV/Łódź"));
  EXPECT_EQ(fresh, expected.bytes());
  EXPECT_EQ(sr.row(1), "SP= dnia:07-02-2018 dok:FV/Łódź");

  sr.run().cs.charset_mode = 0;
  conversion::convert_repayment(copy, ConstRecordView(old.bytes()), RecordView(fresh));
  EXPECT_EQ(fresh, old.bytes());
}

}  // namespace
}  // namespace vx::test
