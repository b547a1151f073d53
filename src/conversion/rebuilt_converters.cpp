// Records carried from the old buffer into the new one.
#include "conversion/company_record.hpp"
#include "conversion/rebuilt_layouts.hpp"
#include "conversion/rebuilt_record.hpp"
#include "conversion/record_converters.hpp"
#include "conversion/text_fields.hpp"

namespace vx::conversion {

using namespace layout;

bool convert_company(Session& run, ConstRecordView old_record, RecordView new_record) {
  copy_record(old_record, new_record);
  convert_company_record(new_record, run.cs);
  return true;
}

bool convert_address(Session& run, ConstRecordView old_record, RecordView new_record) {
  // One record shape for addresses and tax offices: the global copy sets
  // the mode while it carries the tax-office base.
  if (run.conversion.tax_office_mode) {
    rebuild_record(old_record, new_record, {kTaxOfficeTexts, kTaxOfficeCopied}, run.cs);
    new_record.set_u8(kAddressKind, kAddressKindTaxOffice);
  } else {
    rebuild_record(old_record, new_record, {kAddressTexts, kAddressCopied}, run.cs);
    new_record.set_u8(kAddressKind, kAddressKindAddress);
  }
  return true;
}

bool convert_automat(Session& run, ConstRecordView old_record, RecordView new_record) {
  rebuild_record(old_record, new_record, {kAutomatTexts, {}}, run.cs);
  return true;
}

bool convert_transfer_order(Session& run, ConstRecordView old_record, RecordView new_record) {
  rebuild_record(old_record, new_record, {kTransferOrderTexts, kTransferOrderCopied}, run.cs);
  // The kind-dependent texts of the block, converted where it now lies.
  switch (new_record.u8(kTransferOrderKind)) {
    case 0: convert_texts(new_record, kTransferOrderKind0Texts, run.cs); break;
    case 1: convert_texts(new_record, kTransferOrderKind1Texts, run.cs); break;
    default: break;  // kind 2 holds no texts there
  }
  return true;
}

bool convert_internal_voucher(Session& run, ConstRecordView old_record, RecordView new_record) {
  rebuild_record(old_record, new_record, {kInternalVoucherTexts, kInternalVoucherCopied}, run.cs);
  return true;
}

bool convert_correction_note(Session& run, ConstRecordView old_record, RecordView new_record) {
  copy_record(old_record, new_record);
  convert_texts(new_record, kCorrectionNoteTexts, run.cs);
  return true;
}

}  // namespace vx::conversion
