#include "conversion/plan_steps.hpp"

#include <algorithm>
#include <span>
#include <string>

#include "charset/cp852.hpp"
#include "conversion/company_path.hpp"
#include "conversion/plan_converters.hpp"
#include "config/options.hpp"
#include "platform/filesystem.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/console_prompts.hpp"
#include "transfer/listed_files.hpp"
#include "transfer/overwrite_question.hpp"
#include "transfer/record_copy.hpp"
#include "transfer/text_copy.hpp"

namespace vx::conversion {

using namespace transfer;

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

using Custom = void (*)(Session&, const CompanyPaths&);

enum class How : std::uint8_t {
  kText,         // whole-file text copy
  kBytes,        // byte copy, no conversion
  kSameSize,     // same-length record copy with a converter
  kTwoSize,      // old-to-new record copy with a converter
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
  When when;
  int bit;
  Label label;  // empty: no label
  How how;
  std::string_view source;
  std::string_view target;
  std::uint16_t size = 0;
  SameSizeConverter same = nullptr;
  TwoSizeConverter two = nullptr;
  Custom custom = nullptr;
  bool label_stays_open = false;  // label written without a line end
};

bool applies(const Session& run, const Step& s) {
  const Options& o = run.options;
  switch (s.when) {
    case When::kAlways: return true;
    case When::kFrom2018Files: return plan::from_2018_files(run);
    case When::kCompanyItem: return has_bit(o.company_items, s.bit);
    case When::kFamilies: return has_bit(o.company_items, 1) && has_bit(o.company_items, 2);
    case When::kEntered2018: return has_bit(o.entered_2018_items, s.bit);
    case When::kAddon: return has_bit(o.addon_items, s.bit);
    case When::kListGiven: return !run.loc.company_file_list.empty();
  }
  return false;
}

// --- steps with a logic of their own ----------------------------------------------

void vat7(Session& run, const CompanyPaths& p) { plan::convert_vat7_declarations(run, p.dir); }
void company_text(Session& run, const CompanyPaths& p) { plan::rewrite_company_text(run, p.dir); }
void personnel_setup(Session& run, const CompanyPaths&) { plan::reset_personnel(run); }
void personnel_summary(Session& run, const CompanyPaths&) { plan::report_lack_of_room(run); }

// The 2018-named file of the 2017 directory, when present and chosen, else
// the 2017-named one; the target is always the 2018 name.
std::string chosen_source(Session& run, const CompanyPaths& p, std::string_view name_2018,
                          std::string_view name_2017) {
  const std::string y = p.source(name_2018);
  if (file_size_of(y) == 0) return p.source(name_2017);
  if (plan::from_2018_files(run)) return y;
  // Leaving the found file (Z or N) takes it as the source.
  return keep_existing(run, name_2018) ? y : p.source(name_2017);
}

constexpr std::uint16_t kPitRecordSize = 13952;

// A chosen source that is missing or empty is skipped without a word: these
// steps test their source themselves.
template <typename Filter>
void carry_chosen(Session& run, const CompanyPaths& p, std::string_view name_2018,
                  std::string_view name_2017, Filter filter) {
  const std::string source = chosen_source(run, p, name_2018, name_2017);
  if (file_size_of(source) == 0) return;
  convert_records(run, source, p.target(name_2018), kPitRecordSize, kPitRecordSize, filter);
}

void pid5(Session& run, const CompanyPaths& p) {
  carry_chosen(run, p, "2018p5.13", "2017p5.13", plan::pid5_filter);
}

void pit28(Session& run, const CompanyPaths& p) {
  carry_chosen(run, p, "2018_p28.rek", "2017_p28.rek", plan::pit28_filter);
}

void company_file_list(Session& run, const CompanyPaths& p) {
  for (const auto& name : run.loc.company_file_list) copy_named(run, p, name, false);
}

constexpr std::uint16_t kDocumentSize = 400;
constexpr std::uint16_t kRepaymentSize = 48;
constexpr std::size_t kMonthNameWidth = 11;

void documents(Session& run, const CompanyPaths& p) {
  const std::string unsettled = p.source("0000K880.00");
  if (file_size_of(unsettled) > 0) {
    run.transfer.doc_month = 0;
    print_line(run, cp852("Konwertuje miesiąc \"Dokumenty nierozliczone\""));
    plan::start_document_file(run, p.target("2018K880.1"));
    convert_records(run, unsettled, p.target("2018K880.1"), kDocumentSize, kDocumentSize,
                    plan::document_record);
    if (ask_yes_no(run, cp852("Usunać plik \"Dokumenty nierozliczone\" z 2017")))
      plan::hide_converted_file(run, unsettled);
  }
  for (int month = 1; month <= 12; ++month) {
    // January's records go behind the unsettled documents already written.
    run.transfer.append_mode = month == 1;
    run.transfer.doc_month = static_cast<std::int16_t>(month);
    std::string name = plan::month_name(month);
    name.resize(std::max(name.size(), kMonthNameWidth), ' ');
    const std::string docs = "2018K880." + std::to_string(month);
    if (file_size_of(p.source(docs)) > 0) {
      print_line(run, cp852("Konwertuję zapisy : ") + name);
      plan::start_document_file(run, p.target(docs));
      convert_records(run, p.source(docs), p.target(docs), kDocumentSize, kDocumentSize,
                      plan::document_record);
      plan::hide_converted_file(run, p.source(docs));
    }
    const std::string repayments = "2018SP." + std::to_string(month);
    if (file_size_of(p.source(repayments)) > 0) {
      print_line(run, cp852("Konwertuję spłaty : ") + plan::month_name(month));
      convert_records(run, p.source(repayments), p.target(repayments), kRepaymentSize,
                      kRepaymentSize, plan::repayment_record);
      plan::hide_converted_file(run, p.source(repayments));
    }
  }
  run.transfer.append_mode = false;
}

void dra(Session& run, const CompanyPaths& p) { plan::carry_dra_declarations(run, p.dir); }
void fixed_asset_registers(Session& run, const CompanyPaths& p) { plan::carry_fixed_asset_registers(run, p.dir); }

void km140_files(Session& run, const CompanyPaths& p) {
  for (auto mask : {"*.cel", "cel*.rek", "*.trs", "tras*.rek"}) copy_matching(run, p, mask, true);
}

// The mileage "_2018" directory is made once, by whichever of the two log
// steps finds a file first.
struct MileageDirectory {
  bool pending = true;
};

void mileage_files(Session& run, const CompanyPaths& p, std::string_view mask, std::uint16_t size,
                   SameSizeConverter converter, MileageDirectory& dir) {
  const std::string target_dir = p.target("_2018");
  for (const auto& entry : listed_files(run, p.source_dir, mask)) {
    if (dir.pending) {
      if (!directory_exists(target_dir) && !platform::make_directory(target_dir)) {
        failure_line(run, cp852("Błąd utworzenia folderu ") + target_dir);
        return;
      }
      dir.pending = false;
    }
    const std::string rel = "_2018" + std::string(1, platform::kSeparator) + entry.name;
    copy_records(run, p.source(rel), p.target(rel), size, converter);
  }
}

void mileage_logs_and_trips(Session& run, const CompanyPaths& p) {
  MileageDirectory dir;
  mileage_files(run, p, "_2018\\*.kst", 572, plan::mileage_log, dir);
  mileage_files(run, p, "_2018\\*.wyj", 128, plan::mileage_trip, dir);
}

void km150_files(Session& run, const CompanyPaths& p) {
  copy_named(run, p, "km150cnf.rek", false);
  for (auto mask : {"km__*.rek", "km18*.rek"}) copy_matching(run, p, mask, false);
}

// --- the plan -----------------------------------------------------------------------

constexpr Step kPlan[] = {
    {When::kFrom2018Files, 0, label(cp852("Deklaracja VAT-7 z 2018")), How::kCustom, "2018v7.17", "2018vJ17.REK", 0, nullptr, nullptr, vat7},
    {When::kFrom2018Files, 0, label(cp852("Suma z kolumn za 2018")), How::kBytes, "2018kol2.rek", "2018kol2.rek"},
    {When::kFrom2018Files, 0, {}, How::kSameSize, "2018ZAL.REK", "2018ZAL.REK", 1024, plan::advance_payment},
    {When::kCompanyItem, 0, {}, How::kCustom, "FIRMATXT.INI", "FIRMATXT.INI", 0, nullptr, nullptr, company_text},
    {When::kCompanyItem, 0, {}, How::kTwoSize, "FIRMA_A8.REK", "FIRMA_A8.REK", 224, nullptr, plan::company_record},
    {When::kAlways, 0, {}, How::kCustom, {}, {}, 0, nullptr, nullptr, personnel_setup},
    {When::kCompanyItem, 1, label(cp852("Pracownicy / Właściciele")), How::kTwoSize, "DANE_PR8.REK", "DANE_PR8.REK", 2048, nullptr, plan::person_filter},
    {When::kFamilies, 2, label(cp852("Rodziny pracowników")), How::kTwoSize, "DANE_PF8.REK", "DANE_PF8.REK", 352, nullptr, plan::family_filter},
    {When::kCompanyItem, 1, label(cp852("Dane umów o pracę UMOWY.INI")), How::kNamed, "UMOWY.INI", "UMOWY.INI"},
    {When::kCompanyItem, 3, label(cp852("PID-5 ")), How::kCustom, {}, {}, 0, nullptr, nullptr, pid5, true},
    {When::kCompanyItem, 3, label(cp852("\"PIT-28\" ")), How::kCustom, {}, {}, 0, nullptr, nullptr, pit28, true},
    {When::kCompanyItem, 4, label(cp852("Baza adresów")), How::kTwoSize, "baza_ad8.rek", "baza_ad8.rek", 480, nullptr, plan::address_record},
    {When::kCompanyItem, 5, label(cp852("Automat sprzedaży")), How::kTwoSize, "baza_sp8.rek", "baza_sp8.rek", 160, nullptr, plan::automat_record},
    {When::kCompanyItem, 6, label(cp852("Automat zakupów")), How::kTwoSize, "baza_za8.rek", "baza_za8.rek", 160, nullptr, plan::automat_record},
    {When::kCompanyItem, 7, label(cp852("Baza stałych F1..F10")), How::kText, "baza_ff.txt", "baza_ff.txt"},
    {When::kCompanyItem, 7, label(cp852("Notatnik")), How::kText, "Notatnik.txt", "Notatnik.txt"},
    {When::kCompanyItem, 7, label(cp852("Notatka")), How::kText, "Notatka.txt", "Notatka.txt"},
    {When::kCompanyItem, 7, label(cp852("Notes")), How::kText, "Notes.txt", "Notes.txt"},
    {When::kCompanyItem, 8, label(cp852("Baza przelewów")), How::kTwoSize, "BAZA_PP8.REK", "BAZA_PP8.REK", 432, nullptr, plan::transfer_record},
    {When::kListGiven, 0, label(cp852("Lista dodatkowa ....")), How::kCustom, {}, {}, 0, nullptr, nullptr, company_file_list},
    {When::kCompanyItem, 9, label(cp852("Ustawienia lokalne listy wynagrodzeń")), How::kSameSize, "2017_lp.cc", "2018_lp.cc", 2048, plan::wage_list_settings_filter},
    {When::kCompanyItem, 9, {}, How::kNamedConvert, "2018_lp.cc", "2018_lp.cc"},
    {When::kCompanyItem, 10, label(cp852("Ustawienia ZUS_PEL")), How::kNamed, "ZUS_PEL.INI", "ZUS_PEL.INI"},
    {When::kCompanyItem, 11, label(cp852("Środki umożone jednorazowo (3500)")), How::kSameSize, "ESTUJ.REK", "ESTUJ.REK", 768, plan::write_off_record},
    {When::kCompanyItem, 12, label(cp852("Ustawienia przelewów")), How::kText, "BAZA_PP8.INI", "BAZA_PP8.INI"},
    {When::kCompanyItem, 13, label(cp852("Dwody wewnętrzne")), How::kTwoSize, "BAZA_DW8.REK", "BAZA_DW8.REK", 784, nullptr, plan::internal_voucher_record},
    {When::kCompanyItem, 14, label(cp852("Wystawiona lista odsetek")), How::kSameSize, "ODS_ZOB.REK", "ODS_ZOB.REK", 200, plan::interest_note_record},
    {When::kCompanyItem, 15, label(cp852("Lista pojazdów dla VAT")), How::kSameSize, "AUTAVAT.REK", "AUTAVAT.REK", 824, plan::vehicle_record},
    {When::kCompanyItem, 15, {}, How::kSameSize, "AUTOV26.REK", "AUTOV26.REK", 320, plan::vat26_vehicle_record},
    {When::kEntered2018, 0, label(cp852("Dane wprowadzone do WEX:")), How::kCustom, {}, {}, 0, nullptr, nullptr, documents},
    {When::kEntered2018, 1, label(cp852("Wynagrodzenia wprowadzone w 2018")), How::kSameSize, "2018WP2.REK", "2018WP2.REK", 10176, plan::wage_filter},
    {When::kEntered2018, 2, label(cp852("Umowy zlecenia wprowadzone w 2018")), How::kSameSize, "2018UZ3.REK", "2018UZ3.REK", 552, plan::contract_filter},
    // The last step that needs the table of persons.
    {When::kAlways, 0, {}, How::kCustom, {}, {}, 0, nullptr, nullptr, personnel_summary},
    {When::kEntered2018, 3, label(cp852("Noty korygujące z 2018")), How::kTwoSize, "2018_NK8.REK", "2018_NK8.REK", 848, nullptr, plan::note_record},
    {When::kEntered2018, 4, {}, How::kCustom, {}, {}, 0, nullptr, nullptr, dra},
    // The fixed-asset document base is a record file: copied byte for byte.
    {When::kAddon, 0, label(cp852("DLL: Srodki Trwale")), How::kBytes, "dokument.rek", "dokument.rek"},
    {When::kAddon, 0, {}, How::kSameSize, "srodki.rek", "srodki.rek", 39771, plan::fixed_asset_record},
    {When::kAddon, 0, {}, How::kSameSize, "wyposaz.rek", "wyposaz.rek", 39771, plan::fixed_asset_record},
    {When::kAddon, 0, {}, How::kSameSize, "st.cnf", "st.cnf", 3837, plan::fixed_asset_settings},
    {When::kAddon, 0, {}, How::kSameSize, "stbazy.rek", "stbazy.rek", 367, plan::fixed_asset_register_list},
    {When::kAddon, 0, {}, How::kCustom, {}, {}, 0, nullptr, nullptr, fixed_asset_registers},
    {When::kAddon, 1, label(cp852("DLL : Kilometrówka KM140 \"Kolmo\"")), How::kCustom, {}, {}, 0, nullptr, nullptr, km140_files},
    {When::kAddon, 1, {}, How::kSameSize, "km.cnf", "km.cnf", 2395, plan::mileage_settings},
    {When::kAddon, 1, {}, How::kSameSize, "adresy.rek", "adresy.rek", 557, plan::mileage_address},
    {When::kAddon, 1, {}, How::kSameSize, "samochod.rek", "samochod.rek", 704, plan::mileage_car},
    {When::kAddon, 1, {}, How::kCustom, {}, {}, 0, nullptr, nullptr, mileage_logs_and_trips},
    {When::kAddon, 2, label(cp852("DLL : Kilometrówka KM150 \"vx\"")), How::kCustom, {}, {}, 0, nullptr, nullptr, km150_files},
    {When::kAlways, 0, label(cp852("DLL : Import2WEX.EXE -> wex_import.xml")), How::kNamed, "wex_import.xml", "wex_import.xml"},
};

void run_step(Session& run, const CompanyPaths& p, const Step& s) {
  if (s.label.size > 0) {
    if (s.label_stays_open)
      write_clipped(run, s.label.view());
    else
      print_line(run, s.label.view());
  }
  switch (s.how) {
    case How::kText: copy_text_file(run, p.source(s.source), p.target(s.target)); break;
    case How::kBytes: copy_bytes(run, p.source(s.source), p.target(s.target), false); break;
    case How::kSameSize: copy_records(run, p.source(s.source), p.target(s.target), s.size, s.same); break;
    case How::kTwoSize:
      convert_records(run, p.source(s.source), p.target(s.target), s.size, s.size, s.two);
      break;
    case How::kNamed: copy_named(run, p, s.source, false); break;
    case How::kNamedConvert: copy_named(run, p, s.source, true); break;
    case How::kCustom: s.custom(run, p); break;
  }
}


}  // namespace

void copy_named(Session& run, const CompanyPaths& p, std::string_view name, bool convert) {
  std::string_view old_name = name, new_name = name;
  if (const auto gt = name.find('>'); gt != std::string_view::npos) {
    old_name = name.substr(0, gt);
    new_name = name.substr(gt + 1);
  }
  if (!plain_file_name(old_name) || !plain_file_name(new_name)) {
    failure_line(run, cp852("Niedozwolona nazwa pliku: ") + std::string(name));
    read_key(run);  // as every copy failure, seen before the plan goes on
    return;
  }
  copy_bytes(run, p.source(old_name), p.target(new_name), convert);
}

void copy_matching(Session& run, const CompanyPaths& p, std::string_view mask, bool convert) {
  for (const auto& entry : listed_files(run, p.source_dir, mask)) {
    copy_bytes(run, p.source(entry.name), p.target(entry.name), convert);
  }
}

void run_transfer_steps(Session& run, const CompanyPaths& paths) {
  for (const Step& s : kPlan)
    if (applies(run, s)) run_step(run, paths, s);
}

}  // namespace vx::conversion
