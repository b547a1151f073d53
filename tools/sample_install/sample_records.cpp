#include "sample_records.hpp"

#include "transfer/company_record.hpp"

namespace vx::sample {

namespace {
// The fields of the company record in table order, named.
using transfer::kCompanyRecordCodes;
using transfer::kCompanyRecordTexts;
constexpr TextField kCountry = kCompanyRecordTexts[0];
constexpr TextField kVoivodeship = kCompanyRecordTexts[1];
constexpr TextField kCommune = kCompanyRecordTexts[2];
constexpr TextField kStreet = kCompanyRecordTexts[3];
constexpr TextField kHouse = kCompanyRecordTexts[4];
constexpr TextField kFlat = kCompanyRecordTexts[5];
constexpr TextField kCity = kCompanyRecordTexts[6];
constexpr TextField kPostOffice = kCompanyRecordTexts[7];
constexpr TextField kBox = kCompanyRecordTexts[8];
constexpr TextField kPhone = kCompanyRecordTexts[9];
constexpr TextField kCounty = kCompanyRecordTexts[10];
constexpr TextField kPostcode = kCompanyRecordCodes[0];
constexpr TextField kEuCode = kCompanyRecordCodes[1];

TextField at_offset(TextField f, std::size_t by) { return {f.offset + by, f.capacity}; }
}  // namespace

void put_text(RecordView rec, TextField f, std::string_view utf8, const Encoder& enc) {
  rec.set_text(f.offset, f.capacity, enc(utf8));
}

void put_address(RecordView rec, std::size_t at, const Address& a, const Encoder& enc) {
  put_text(rec, at_offset(kCountry, at), a.country, enc);
  put_text(rec, at_offset(kVoivodeship, at), a.voivodeship, enc);
  put_text(rec, at_offset(kCommune, at), a.commune, enc);
  put_text(rec, at_offset(kStreet, at), a.street, enc);
  put_text(rec, at_offset(kHouse, at), a.house, enc);
  put_text(rec, at_offset(kFlat, at), a.flat, enc);
  put_text(rec, at_offset(kCity, at), a.city, enc);
  put_text(rec, at_offset(kPostcode, at), a.postcode, enc);
  put_text(rec, at_offset(kPostOffice, at), a.post_office, enc);
  put_text(rec, at_offset(kBox, at), a.box, enc);
  put_text(rec, at_offset(kPhone, at), a.phone, enc);
  put_text(rec, at_offset(kCounty, at), a.county, enc);
  put_text(rec, at_offset(kEuCode, at), a.eu_code, enc);
}

void fill_remaining(RecordView rec, std::span<const TextField> fields, Dice& dice, const Encoder& enc,
                    std::size_t shift) {
  for (TextField f : fields) {
    f.offset += shift;
    if (rec.u8(f.offset) != 0 || dice.percent(20)) continue;
    put_text(rec, f, dice.pick(words::kRemarks), enc);
  }
}

}  // namespace vx::sample
