#pragma once
// Converters of the company's record files, named by the file they serve.
// Each carries a record into the 2018 file with its text fields converted
// from the company's source to its target standard (nothing converted when
// the standard is kept). Layouts: in_place_layouts.hpp, rebuilt_layouts.hpp.
#include "charset/polish.hpp"
#include "recordfile/record_view.hpp"

namespace vx::conversion {

// Same-length records converted in place.
bool convert_advance_payments(const charset::Charsets& cs, RecordView rec);       // 2018ZAL.REK
bool convert_one_off_write_off(const charset::Charsets& cs, RecordView rec);      // ESTUJ.REK
bool convert_interest_note(const charset::Charsets& cs, RecordView rec);          // ODS_ZOB.REK
bool convert_vat_vehicle(const charset::Charsets& cs, RecordView rec);            // AUTAVAT.REK
bool convert_vat26_vehicle(const charset::Charsets& cs, RecordView rec);          // AUTOV26.REK
bool convert_fixed_asset(const charset::Charsets& cs, RecordView rec);            // srodki.rek, wyposaz.rek
bool convert_fixed_asset_settings(const charset::Charsets& cs, RecordView rec);   // st.cnf
bool convert_fixed_asset_registers(const charset::Charsets& cs, RecordView rec);  // stbazy.rek
bool convert_mileage_settings(const charset::Charsets& cs, RecordView rec);       // km.cnf
bool convert_mileage_address(const charset::Charsets& cs, RecordView rec);        // adresy.rek
bool convert_mileage_car(const charset::Charsets& cs, RecordView rec);            // samochod.rek
bool convert_mileage_log(const charset::Charsets& cs, RecordView rec);            // _2018\*.kst
bool convert_mileage_trip(const charset::Charsets& cs, RecordView rec);           // _2018\*.wyj

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
