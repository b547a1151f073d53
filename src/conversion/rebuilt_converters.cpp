// Records carried from the old buffer into the new one.
#include "conversion/rebuilt_layouts.hpp"
#include "conversion/rebuilt_record.hpp"
#include "conversion/record_converters.hpp"
#include "recordfile/text_fields.hpp"
#include "transfer/company_record.hpp"

namespace vx::conversion {

using namespace layout;

bool convert_company(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record) {
  copy_record(old_record, new_record);
  transfer::convert_company_record(new_record, cs);
  return true;
}

// One record shape for addresses and tax offices, each with its own texts.
bool convert_address(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record) {
  rebuild_record(old_record, new_record, {kAddressTexts, kAddressCopied}, cs);
  new_record.set_u8(kAddressKind, kAddressKindAddress);
  return true;
}

bool convert_tax_office(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record) {
  rebuild_record(old_record, new_record, {kTaxOfficeTexts, kTaxOfficeCopied}, cs);
  new_record.set_u8(kAddressKind, kAddressKindTaxOffice);
  return true;
}

bool convert_automat(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record) {
  rebuild_record(old_record, new_record, {kAutomatTexts, {}}, cs);
  return true;
}

bool convert_transfer_order(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record) {
  rebuild_record(old_record, new_record, {kTransferOrderTexts, kTransferOrderCopied}, cs);
  // The kind-dependent texts of the block, converted where it now lies.
  switch (new_record.u8(kTransferOrderKind)) {
    case 0:
      convert_texts(new_record, kTransferOrderKind0Texts, cs);
      break;
    case 1:
      convert_texts(new_record, kTransferOrderKind1Texts, cs);
      break;
    default: break;  // kind 2 holds no texts there
  }
  return true;
}

bool convert_internal_voucher(const charset::Charsets& cs, ConstRecordView old_record,
                              RecordView new_record) {
  rebuild_record(old_record, new_record, {kInternalVoucherTexts, kInternalVoucherCopied}, cs);
  return true;
}

bool convert_correction_note(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record) {
  copy_record(old_record, new_record);
  convert_texts(new_record, kCorrectionNoteTexts, cs);
  return true;
}

}  // namespace vx::conversion
