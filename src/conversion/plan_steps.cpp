#include "conversion/plan_steps.hpp"

#include <algorithm>
#include <span>
#include <string>

#include "charset/cp852.hpp"
#include "conversion/company_paths.hpp"
#include "conversion/plan_converters.hpp"
#include "platform/filesystem.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/listed_files.hpp"
#include "transfer/overwrite_question.hpp"
#include "transfer/record_copy.hpp"
#include "transfer/text_copy.hpp"

namespace vx::conversion {

using transfer::directory_exists;
using transfer::file_size_of;

namespace {

// When a step runs: always, or under a bit of one of the option words.
enum class When : std::uint8_t {
  kAlways,
  kFrom2018Files,
  kCompanyItem,   // company_items bit
  kFamilies,      // company_items bits 1 and 2
  kEntered2018,   // entered_2018_items bit
  kAddon,         // addon_items bit
  kListGiven,     // the ".LST" list is not empty
};

using Custom = void (*)(CompanyJob&, const CompanyPaths&);
using Rebuilt = bool (*)(const charset::Charsets&, ConstRecordView, RecordView);
using StaffInPlace = bool (*)(personnel::Staff&, RecordView);
using StaffRebuilt = bool (*)(personnel::Staff&, ConstRecordView, RecordView);

enum class How : std::uint8_t {
  kText,         // whole-file text copy
  kBytes,        // byte copy, no conversion
  kInPlace,      // same-length record copy, the texts of its layout converted
  kTwoSize,      // old-to-new record copy with a converter
  kStaffSameSize,  // the same, the converter a personnel filter
  kStaffTwoSize,
  kNamed,        // copy_named without conversion
  kNamedConvert, // copy_named with conversion
  kCustom,
};

// A progress label held in the step itself, CP852.
struct Label {
  char bytes[48]{};
  std::size_t size = 0;
  std::string_view view() const { return {bytes, size}; }
};

// Takes the converted text rather than the literal: clang does not let a
// consteval function hand its parameter on to cp852.
template <std::size_t N>
consteval Label label(const Cp852Text<N>& text) {
  Label l;
  for (std::size_t i = 0; i < text.size; ++i) l.bytes[i] = text.bytes[i];
  l.size = text.size;
  return l;
}

struct Step {
  When when = When::kAlways;
  int bit = 0;
  Label label{};  // empty: no label
  How how = How::kCustom;
  std::string_view source{};
  std::string_view target{};
  std::uint16_t size = 0;
  const layout::InPlaceLayout* in_place = nullptr;
  Rebuilt two = nullptr;
  StaffInPlace staff_same = nullptr;
  StaffRebuilt staff_two = nullptr;
  Custom custom = nullptr;
  bool label_stays_open = false;  // label written without a line end
};

bool applies(const CompanyJob& job, const Step& s) {
  const Options& o = job.options;
  switch (s.when) {
    case When::kAlways: return true;
    case When::kFrom2018Files: return job.state.from_2018_files;
    case When::kCompanyItem: return has_bit(o.company_items, s.bit);
    case When::kFamilies: return has_bit(o.company_items, 1) && has_bit(o.company_items, 2);
    case When::kEntered2018: return has_bit(o.entered_2018_items, s.bit);
    case When::kAddon: return has_bit(o.addon_items, s.bit);
    case When::kListGiven: return !job.loc.company_file_list.empty();
  }
  return false;
}

// --- steps with a logic of their own ----------------------------------------------

void vat7(CompanyJob& job, const CompanyPaths& p) { plan::convert_vat7_declarations(job, p.dir); }
void company_text(CompanyJob& job, const CompanyPaths& p) { plan::rewrite_company_text(job, p.dir); }
void personnel_setup(CompanyJob& job, const CompanyPaths&) { plan::reset_personnel(job.staff); }
void personnel_summary(CompanyJob& job, const CompanyPaths&) { plan::report_lack_of_room(job.staff); }

// The 2018-named file of the 2017 directory, when present and chosen, else
// the 2017-named one; the target is always the 2018 name.
std::string chosen_source(CompanyJob& job, const CompanyPaths& p, std::string_view name_2018,
                          std::string_view name_2017) {
  const std::string y = p.source(name_2018);
  if (file_size_of(y) == 0) return p.source(name_2017);
  if (job.state.from_2018_files) return y;
  // Leaving the found file (Z or N) takes it as the source.
  return keep_existing(job.copier, name_2018) ? y : p.source(name_2017);
}

constexpr std::uint16_t kPitRecordSize = 13952;

// A chosen source that is missing or empty is skipped without a word: these
// steps test their source themselves.
void carry_chosen(CompanyJob& job, const CompanyPaths& p, std::string_view name_2018,
                  std::string_view name_2017, StaffRebuilt filter) {
  const std::string source = chosen_source(job, p, name_2018, name_2017);
  if (file_size_of(source) == 0) return;
  convert_records(job.copier, source, p.target(name_2018), kPitRecordSize, kPitRecordSize,
                  [&](ConstRecordView old, RecordView fresh) { return filter(job.staff, old, fresh); });
}

void pid5(CompanyJob& job, const CompanyPaths& p) {
  carry_chosen(job, p, "2018p5.13", "2017p5.13", personnel::pid5_filter);
}

void pit28(CompanyJob& job, const CompanyPaths& p) {
  carry_chosen(job, p, "2018_p28.rek", "2017_p28.rek", personnel::pit28_filter);
}

void company_file_list(CompanyJob& job, const CompanyPaths& p) {
  for (const auto& name : job.loc.company_file_list) copy_named(job, p, name, false);
}

constexpr std::uint16_t kDocumentSize = 400;
constexpr std::uint16_t kRepaymentSize = 48;
constexpr std::size_t kMonthNameWidth = 11;

void documents(CompanyJob& job, const CompanyPaths& p) {
  DocumentCopy copy{job.talk, job.cs, job.options, {}};
  auto document = [&](ConstRecordView old, RecordView fresh) { return convert_document(copy, old, fresh); };
  const std::string unsettled = p.source("0000K880.00");
  if (file_size_of(unsettled) > 0) {
    job.talk.line(cp852("Konwertuje miesiąc \"Dokumenty nierozliczone\""));
    copy.cursor = start_document_file(p.target("2018K880.1"), 0, false);
    convert_records(job.copier, unsettled, p.target("2018K880.1"), kDocumentSize, kDocumentSize, document);
    if (job.talk.yes_no(dialogue::Question::kHideUnsettledDocuments,
                        cp852("Usunać plik \"Dokumenty nierozliczone\" z 2017")))
      plan::hide_converted_file(job, unsettled);
  }
  for (std::int16_t month = 1; month <= 12; ++month) {
    // January's records go behind the unsettled documents already written.
    const bool appending = month == 1;
    std::string name = plan::month_name(month);
    name.resize(std::max(name.size(), kMonthNameWidth), ' ');
    const std::string docs = "2018K880." + std::to_string(month);
    if (file_size_of(p.source(docs)) > 0) {
      job.talk.line(cp852("Konwertuję zapisy : ") + name);
      copy.cursor = start_document_file(p.target(docs), month, appending);
      convert_records(job.copier, p.source(docs), p.target(docs), kDocumentSize, kDocumentSize, document,
                      appending ? transfer::Existing::kAppend : transfer::Existing::kAsk);
      plan::hide_converted_file(job, p.source(docs));
    }
    const std::string repayments = "2018SP." + std::to_string(month);
    if (file_size_of(p.source(repayments)) > 0) {
      job.talk.line(cp852("Konwertuję spłaty : ") + plan::month_name(month));
      convert_records(job.copier, p.source(repayments), p.target(repayments), kRepaymentSize, kRepaymentSize,
                      [&](ConstRecordView old, RecordView fresh) { return convert_repayment(copy, old, fresh); },
                      appending ? transfer::Existing::kAppend : transfer::Existing::kAsk);
      plan::hide_converted_file(job, p.source(repayments));
    }
  }
}

void dra(CompanyJob& job, const CompanyPaths& p) { plan::carry_dra_declarations(job, p.dir); }
void fixed_asset_registers(CompanyJob& job, const CompanyPaths& p) { plan::carry_fixed_asset_registers(job, p.dir); }

void km140_files(CompanyJob& job, const CompanyPaths& p) {
  for (auto mask : {"*.cel", "cel*.rek", "*.trs", "tras*.rek"}) copy_matching(job, p, mask, true);
}

// The mileage "_2018" directory is made once, by whichever of the two log
// steps finds a file first.
struct MileageDirectory {
  bool pending = true;
};

void mileage_files(CompanyJob& job, const CompanyPaths& p, std::string_view mask,
                   const layout::InPlaceLayout& records, MileageDirectory& dir) {
  const std::string target_dir = p.target("_2018");
  for (const auto& entry : listed_files(job.copier, p.source_dir, mask)) {
    if (dir.pending) {
      if (!directory_exists(target_dir) && !platform::make_directory(target_dir)) {
        job.talk.failure(cp852("Błąd utworzenia folderu ") + target_dir);
        return;
      }
      dir.pending = false;
    }
    const std::string rel = "_2018" + std::string(1, platform::kSeparator) + entry.name;
    copy_records(job.copier, p.source(rel), p.target(rel), static_cast<std::uint16_t>(records.size),
                 [&](RecordView rec) { return convert_in_place(records, job.cs, rec); });
  }
}

void mileage_logs_and_trips(CompanyJob& job, const CompanyPaths& p) {
  MileageDirectory dir;
  mileage_files(job, p, "_2018\\*.kst", layout::kMileageLog, dir);
  mileage_files(job, p, "_2018\\*.wyj", layout::kMileageTrip, dir);
}

void km150_files(CompanyJob& job, const CompanyPaths& p) {
  copy_named(job, p, "km150cnf.rek", false);
  for (auto mask : {"km__*.rek", "km18*.rek"}) copy_matching(job, p, mask, false);
}

// --- the plan -----------------------------------------------------------------------

// One row per step, as the plan reads.
// clang-format off
constexpr Step kPlan[] = {
    {.when = When::kFrom2018Files, .label = label(cp852("Deklaracja VAT-7 z 2018")), .how = How::kCustom, .source = "2018v7.17", .target = "2018vJ17.REK", .custom = vat7},
    {.when = When::kFrom2018Files, .label = label(cp852("Suma z kolumn za 2018")), .how = How::kBytes, .source = "2018kol2.rek", .target = "2018kol2.rek"},
    {.when = When::kFrom2018Files, .how = How::kInPlace, .source = "2018ZAL.REK", .target = "2018ZAL.REK", .in_place = &layout::kAdvancePayment},
    {.when = When::kCompanyItem, .how = How::kCustom, .source = "FIRMATXT.INI", .target = "FIRMATXT.INI", .custom = company_text},
    {.when = When::kCompanyItem, .how = How::kTwoSize, .source = "FIRMA_A8.REK", .target = "FIRMA_A8.REK", .size = 224, .two = convert_company},
    {.how = How::kCustom, .custom = personnel_setup},
    {.when = When::kCompanyItem, .bit = 1, .label = label(cp852("Pracownicy / Właściciele")), .how = How::kStaffTwoSize, .source = "DANE_PR8.REK", .target = "DANE_PR8.REK", .size = 2048, .staff_two = personnel::person_filter},
    {.when = When::kFamilies, .bit = 2, .label = label(cp852("Rodziny pracowników")), .how = How::kStaffTwoSize, .source = "DANE_PF8.REK", .target = "DANE_PF8.REK", .size = 352, .staff_two = personnel::family_filter},
    {.when = When::kCompanyItem, .bit = 1, .label = label(cp852("Dane umów o pracę UMOWY.INI")), .how = How::kNamed, .source = "UMOWY.INI", .target = "UMOWY.INI"},
    {.when = When::kCompanyItem, .bit = 3, .label = label(cp852("PID-5 ")), .how = How::kCustom, .custom = pid5, .label_stays_open = true},
    {.when = When::kCompanyItem, .bit = 3, .label = label(cp852("\"PIT-28\" ")), .how = How::kCustom, .custom = pit28, .label_stays_open = true},
    {.when = When::kCompanyItem, .bit = 4, .label = label(cp852("Baza adresów")), .how = How::kTwoSize, .source = "baza_ad8.rek", .target = "baza_ad8.rek", .size = 480, .two = convert_address},
    {.when = When::kCompanyItem, .bit = 5, .label = label(cp852("Automat sprzedaży")), .how = How::kTwoSize, .source = "baza_sp8.rek", .target = "baza_sp8.rek", .size = 160, .two = convert_automat},
    {.when = When::kCompanyItem, .bit = 6, .label = label(cp852("Automat zakupów")), .how = How::kTwoSize, .source = "baza_za8.rek", .target = "baza_za8.rek", .size = 160, .two = convert_automat},
    {.when = When::kCompanyItem, .bit = 7, .label = label(cp852("Baza stałych F1..F10")), .how = How::kText, .source = "baza_ff.txt", .target = "baza_ff.txt"},
    {.when = When::kCompanyItem, .bit = 7, .label = label(cp852("Notatnik")), .how = How::kText, .source = "Notatnik.txt", .target = "Notatnik.txt"},
    {.when = When::kCompanyItem, .bit = 7, .label = label(cp852("Notatka")), .how = How::kText, .source = "Notatka.txt", .target = "Notatka.txt"},
    {.when = When::kCompanyItem, .bit = 7, .label = label(cp852("Notes")), .how = How::kText, .source = "Notes.txt", .target = "Notes.txt"},
    {.when = When::kCompanyItem, .bit = 8, .label = label(cp852("Baza przelewów")), .how = How::kTwoSize, .source = "BAZA_PP8.REK", .target = "BAZA_PP8.REK", .size = 432, .two = convert_transfer_order},
    {.when = When::kListGiven, .label = label(cp852("Lista dodatkowa ....")), .how = How::kCustom, .custom = company_file_list},
    {.when = When::kCompanyItem, .bit = 9, .label = label(cp852("Ustawienia lokalne listy wynagrodzeń")), .how = How::kStaffSameSize, .source = "2017_lp.cc", .target = "2018_lp.cc", .size = 2048, .staff_same = personnel::wage_list_settings_filter},
    {.when = When::kCompanyItem, .bit = 9, .how = How::kNamedConvert, .source = "2018_lp.cc", .target = "2018_lp.cc"},
    {.when = When::kCompanyItem, .bit = 10, .label = label(cp852("Ustawienia ZUS_PEL")), .how = How::kNamed, .source = "ZUS_PEL.INI", .target = "ZUS_PEL.INI"},
    {.when = When::kCompanyItem, .bit = 11, .label = label(cp852("Środki umożone jednorazowo (3500)")), .how = How::kInPlace, .source = "ESTUJ.REK", .target = "ESTUJ.REK", .in_place = &layout::kOneOffWriteOff},
    {.when = When::kCompanyItem, .bit = 12, .label = label(cp852("Ustawienia przelewów")), .how = How::kText, .source = "BAZA_PP8.INI", .target = "BAZA_PP8.INI"},
    {.when = When::kCompanyItem, .bit = 13, .label = label(cp852("Dwody wewnętrzne")), .how = How::kTwoSize, .source = "BAZA_DW8.REK", .target = "BAZA_DW8.REK", .size = 784, .two = convert_internal_voucher},
    {.when = When::kCompanyItem, .bit = 14, .label = label(cp852("Wystawiona lista odsetek")), .how = How::kInPlace, .source = "ODS_ZOB.REK", .target = "ODS_ZOB.REK", .in_place = &layout::kInterestNote},
    {.when = When::kCompanyItem, .bit = 15, .label = label(cp852("Lista pojazdów dla VAT")), .how = How::kInPlace, .source = "AUTAVAT.REK", .target = "AUTAVAT.REK", .in_place = &layout::kVatVehicle},
    {.when = When::kCompanyItem, .bit = 15, .how = How::kInPlace, .source = "AUTOV26.REK", .target = "AUTOV26.REK", .in_place = &layout::kVat26Vehicle},
    {.when = When::kEntered2018, .label = label(cp852("Dane wprowadzone do WEX:")), .how = How::kCustom, .custom = documents},
    {.when = When::kEntered2018, .bit = 1, .label = label(cp852("Wynagrodzenia wprowadzone w 2018")), .how = How::kStaffSameSize, .source = "2018WP2.REK", .target = "2018WP2.REK", .size = 10176, .staff_same = personnel::wage_filter},
    {.when = When::kEntered2018, .bit = 2, .label = label(cp852("Umowy zlecenia wprowadzone w 2018")), .how = How::kStaffSameSize, .source = "2018UZ3.REK", .target = "2018UZ3.REK", .size = 552, .staff_same = personnel::contract_filter},
    // The last step that needs the table of persons.
    {.how = How::kCustom, .custom = personnel_summary},
    {.when = When::kEntered2018, .bit = 3, .label = label(cp852("Noty korygujące z 2018")), .how = How::kTwoSize, .source = "2018_NK8.REK", .target = "2018_NK8.REK", .size = 848, .two = convert_correction_note},
    {.when = When::kEntered2018, .bit = 4, .how = How::kCustom, .custom = dra},
    // The fixed-asset document base is a record file: copied byte for byte.
    {.when = When::kAddon, .label = label(cp852("DLL: Srodki Trwale")), .how = How::kBytes, .source = "dokument.rek", .target = "dokument.rek"},
    {.when = When::kAddon, .how = How::kInPlace, .source = "srodki.rek", .target = "srodki.rek", .in_place = &layout::kFixedAsset},
    {.when = When::kAddon, .how = How::kInPlace, .source = "wyposaz.rek", .target = "wyposaz.rek", .in_place = &layout::kFixedAsset},
    {.when = When::kAddon, .how = How::kInPlace, .source = "st.cnf", .target = "st.cnf", .in_place = &layout::kFixedAssetSettings},
    {.when = When::kAddon, .how = How::kInPlace, .source = "stbazy.rek", .target = "stbazy.rek", .in_place = &layout::kFixedAssetRegister},
    {.when = When::kAddon, .how = How::kCustom, .custom = fixed_asset_registers},
    {.when = When::kAddon, .bit = 1, .label = label(cp852("DLL : Kilometrówka KM140 \"Kolmo\"")), .how = How::kCustom, .custom = km140_files},
    {.when = When::kAddon, .bit = 1, .how = How::kInPlace, .source = "km.cnf", .target = "km.cnf", .in_place = &layout::kMileageSettings},
    {.when = When::kAddon, .bit = 1, .how = How::kInPlace, .source = "adresy.rek", .target = "adresy.rek", .in_place = &layout::kMileageAddress},
    {.when = When::kAddon, .bit = 1, .how = How::kInPlace, .source = "samochod.rek", .target = "samochod.rek", .in_place = &layout::kMileageCar},
    {.when = When::kAddon, .bit = 1, .how = How::kCustom, .custom = mileage_logs_and_trips},
    {.when = When::kAddon, .bit = 2, .label = label(cp852("DLL : Kilometrówka KM150 \"vx\"")), .how = How::kCustom, .custom = km150_files},
    {.label = label(cp852("DLL : Import2WEX.EXE -> wex_import.xml")), .how = How::kNamed, .source = "wex_import.xml", .target = "wex_import.xml"},
};
// clang-format on

void run_step(CompanyJob& job, const CompanyPaths& p, const Step& s) {
  job.talk.label(s.label.view(), s.label_stays_open);
  switch (s.how) {
    case How::kText: copy_text_file(job.copier, p.source(s.source), p.target(s.target)); break;
    case How::kBytes: copy_bytes(job.copier, p.source(s.source), p.target(s.target), false); break;
    case How::kInPlace:
      copy_records(job.copier, p.source(s.source), p.target(s.target),
                   static_cast<std::uint16_t>(s.in_place->size),
                   [&](RecordView rec) { return convert_in_place(*s.in_place, job.cs, rec); });
      break;
    case How::kTwoSize:
      convert_records(job.copier, p.source(s.source), p.target(s.target), s.size, s.size,
                      [&](ConstRecordView old, RecordView fresh) { return s.two(job.cs, old, fresh); });
      break;
    case How::kStaffSameSize:
      copy_records(job.copier, p.source(s.source), p.target(s.target), s.size,
                   [&](RecordView rec) { return s.staff_same(job.staff, rec); });
      break;
    case How::kStaffTwoSize:
      convert_records(job.copier, p.source(s.source), p.target(s.target), s.size, s.size,
                      [&](ConstRecordView old, RecordView fresh) { return s.staff_two(job.staff, old, fresh); });
      break;
    case How::kNamed: copy_named(job, p, s.source, false); break;
    case How::kNamedConvert: copy_named(job, p, s.source, true); break;
    case How::kCustom: s.custom(job, p); break;
  }
}


}  // namespace

void copy_named(CompanyJob& job, const CompanyPaths& p, std::string_view name, bool convert) {
  std::string_view old_name = name, new_name = name;
  if (const auto gt = name.find('>'); gt != std::string_view::npos) {
    old_name = name.substr(0, gt);
    new_name = name.substr(gt + 1);
  }
  if (!plain_file_name(old_name) || !plain_file_name(new_name)) {
    job.talk.failure(cp852("Niedozwolona nazwa pliku: ") + std::string(name));
    job.talk.acknowledge();  // as every copy failure, seen before the plan goes on
    return;
  }
  copy_bytes(job.copier, p.source(old_name), p.target(new_name), convert);
}

void copy_matching(CompanyJob& job, const CompanyPaths& p, std::string_view mask, bool convert) {
  for (const auto& entry : listed_files(job.copier, p.source_dir, mask)) {
    copy_bytes(job.copier, p.source(entry.name), p.target(entry.name), convert);
  }
}

void run_transfer_steps(CompanyJob& job, const CompanyPaths& paths) {
  for (const Step& s : kPlan)
    if (applies(job, s)) run_step(job, paths, s);
}

}  // namespace vx::conversion
