#pragma once
// Converters of the company's record files, named by the file they serve.
// Each carries a record into the 2018 file with its text fields converted
// from the company's source to its target standard (nothing converted when
// the standard is kept). Layouts: in_place_layouts.hpp, rebuilt_layouts.hpp.
#include "charset/polish.hpp"
#include "conversion/in_place_layouts.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

// Same-length records converted in place: the texts of the layout.
bool convert_in_place(const layout::InPlaceLayout& layout, const charset::Charsets& cs, RecordView rec);

// Old record to new record .
// FIRMA_A8.REK: the whole record carried, its texts converted.
bool convert_company(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record);
// baza_ad8.rek and the global tax-office base baza_us8.rek: the new record
// built on zeros.
bool convert_address(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record);
bool convert_tax_office(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record);
// baza_sp8.rek, baza_za8.rek: the new record built on zeros.
bool convert_automat(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record);
// BAZA_PP8.REK: the new record built on zeros.
bool convert_transfer_order(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record);
// BAZA_DW8.REK: the new record built on zeros.
bool convert_internal_voucher(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record);
// 2018_NK8.REK: the whole record carried, its texts converted.
bool convert_correction_note(const charset::Charsets& cs, ConstRecordView old_record, RecordView new_record);

}  // namespace vx::conversion
