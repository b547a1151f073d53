#include "conversion/document_converter.hpp"

#include <vector>

#include "charset/cp852.hpp"
#include "conversion/document_layout.hpp"
#include "conversion/rebuilt_record.hpp"
#include "recordfile/date_text.hpp"
#include "recordfile/text_fields.hpp"
#include "transfer/file_presence.hpp"

namespace vx::conversion {

namespace {

using namespace layout;

constexpr auto kStruckOffMark = cp852(" SKREŚLONY");
constexpr std::string_view kConverted = ".ok";
constexpr PackedDate kNewYear{1, 1, 2018};

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

std::string document_line(ConstRecordView doc) {
  return "WEX=" + date_text(doc.date(kDocumentDate)) + " " +
         padded(doc.text(kDocumentShownNumber.offset, kDocumentShownNumber.capacity),
                kShownNumberWidth) +
         " " + doc.text(kDocumentShownParty.offset, kDocumentShownParty.capacity);
}

std::uint16_t vat_code(ConstRecordView doc, const VatPair& pair) {
  const double net = doc.f64(pair.net);
  if (net == 0.0) return pair.higher;
  const double rate = 100.0 * doc.f64(pair.tax) / net;
  return rate > pair.threshold ? pair.higher : pair.lower;
}

// The third pair booked under another rate in 2018 joins that rate's pair.
void fold_third_pair(RecordView doc) {
  const VatPair& from = kVatPairs[kFoldedPair];
  for (const auto& folding : kFoldings) {
    if (doc.u8(kFoldRate) != folding.rate) continue;
    const VatPair& into = kVatPairs[folding.into_pair];
    doc.set_f64(into.net, doc.f64(into.net) + doc.f64(from.net));
    doc.set_f64(into.tax, doc.f64(into.tax) + doc.f64(from.tax));
    doc.set_f64(from.net, 0.0);
    doc.set_f64(from.tax, 0.0);
    doc.set_u16(into.code, into.higher);
    return;
  }
}

}  // namespace

DocumentCursor start_document_file(std::string_view target_path, std::int16_t month, bool appending) {
  const std::uint64_t present = appending ? transfer::file_size_of(target_path) / kDocumentSize : 0;
  return {month, static_cast<std::uint32_t>(present + 1)};
}

bool convert_document(DocumentCopy& job, ConstRecordView old_record, RecordView doc) {
  std::vector<std::uint8_t> store;
  const ConstRecordView old = at_full_size(old_record, kDocumentSize, store);
  doc.clear();
  job.talk.write(document_line(old));

  if ((old.u16(kDocumentStatus) & kStruckOff) != 0) {
    job.talk.line(kStruckOffMark);
    if (job.options.show_slowly)
      job.talk.pause_if_slow();
    else if (job.options.stop_per_company)
      job.talk.stop_to_look();
    return false;
  }

  doc.set_u32(kDocumentNumber, job.cursor.next_number++);
  convert_texts_into(old, doc, kDocumentTexts, job.cs);
  for (const auto& r : kDocumentCopied) doc.copy_from(old, r.offset, r.length);
  if (job.cursor.month == 0) {
    // Unsettled documents of 2017 are booked on the first day of 2018.
    doc.set_date(kDocumentBooked, kNewYear);
    doc.set_f64(kDocumentSettled, 0.0);
  } else {
    for (const auto& r : kDocumentOfMonth) doc.copy_from(old, r.offset, r.length);
  }

  for (const auto& pair : kVatPairs) doc.set_u16(pair.code, vat_code(ConstRecordView(doc.bytes()), pair));
  fold_third_pair(doc);
  doc.set_u8(kFoldRate, 0);
  doc.set_u8(kFoldRateSpare, 0);
  doc.set_u8(kDocumentVersion, kDocumentVersion2018);
  job.talk.line(kConverted);
  return true;
}

bool convert_repayment(DocumentCopy& job, ConstRecordView old_record, RecordView repayment) {
  copy_record(old_record, repayment);
  convert_texts(repayment, std::span(&kRepaymentDocument, 1), job.cs);
  job.talk.write("SP= dnia:" + date_text(repayment.date(kRepaymentDate)) +
                 " dok:" + repayment.text(kRepaymentDocument.offset, kRepaymentDocument.capacity));
  return true;
}

}  // namespace vx::conversion
