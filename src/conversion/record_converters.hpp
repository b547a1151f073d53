#pragma once
// Converters of the company's record files, named by the file they serve.
// Each carries a record into the 2018 file with its text fields converted
// from the company's source to its target standard (nothing converted when
// the standard is kept). Layouts: in_place_layouts.hpp, rebuilt_layouts.hpp.
#include "driver/session.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

// Same-length records converted in place (transfer::SameSizeConverter).
bool convert_advance_payments(Session& run, RecordView rec);      // 2018ZAL.REK
bool convert_one_off_write_off(Session& run, RecordView rec);     // ESTUJ.REK
bool convert_interest_note(Session& run, RecordView rec);         // ODS_ZOB.REK
bool convert_vat_vehicle(Session& run, RecordView rec);           // AUTAVAT.REK
bool convert_vat26_vehicle(Session& run, RecordView rec);         // AUTOV26.REK
bool convert_fixed_asset(Session& run, RecordView rec);           // srodki.rek, wyposaz.rek
bool convert_fixed_asset_settings(Session& run, RecordView rec);  // st.cnf
bool convert_fixed_asset_registers(Session& run, RecordView rec); // stbazy.rek
bool convert_mileage_settings(Session& run, RecordView rec);      // km.cnf
bool convert_mileage_address(Session& run, RecordView rec);       // adresy.rek
bool convert_mileage_car(Session& run, RecordView rec);           // samochod.rek
bool convert_mileage_log(Session& run, RecordView rec);           // _2018\*.kst
bool convert_mileage_trip(Session& run, RecordView rec);          // _2018\*.wyj

// Old record to new record (transfer::TwoSizeConverter).
// FIRMA_A8.REK: the whole record carried, its texts converted.
bool convert_company(Session& run, ConstRecordView old_record, RecordView new_record);
// baza_ad8.rek and, while run.conversion.tax_office_mode is set (global
// copy), baza_us8.rek: the new record built on zeros.
bool convert_address(Session& run, ConstRecordView old_record, RecordView new_record);
// baza_sp8.rek, baza_za8.rek: the new record built on zeros.
bool convert_automat(Session& run, ConstRecordView old_record, RecordView new_record);
// BAZA_PP8.REK: the new record built on zeros.
bool convert_transfer_order(Session& run, ConstRecordView old_record, RecordView new_record);
// BAZA_DW8.REK: the new record built on zeros.
bool convert_internal_voucher(Session& run, ConstRecordView old_record, RecordView new_record);
// 2018_NK8.REK: the whole record carried, its texts converted.
bool convert_correction_note(Session& run, ConstRecordView old_record, RecordView new_record);

}  // namespace vx::conversion
