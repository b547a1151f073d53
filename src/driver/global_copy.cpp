#include "driver/global_copy.hpp"

#include "charset/cp852.hpp"
#include "conversion/record_converters.hpp"
#include "driver/office_record.hpp"
#include "driver/operator_record.hpp"
#include "platform/filesystem.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/file_presence.hpp"
#include "transfer/record_copy.hpp"
#include "transfer/text_copy.hpp"

namespace vx::driver {

using namespace transfer;

namespace {

constexpr std::uint16_t kAddressRecordSize = 480;

struct GlobalPaths {
  std::string source_dir, target_dir;
  std::string source(std::string_view name) const { return source_dir + platform::kSeparator + std::string(name); }
  std::string target(std::string_view name) const { return target_dir + platform::kSeparator + std::string(name); }
};

[[noreturn]] void fatal_box(Session& run, std::string_view line, const std::string& path) {
  const std::string lines[] = {std::string(line), path};
  run.talk.report(lines);
  throw platform::ProgramExit{0};
}

void heading(Session& run, std::string_view text) { run.talk.label(text); }

void copy_items(Session& run, const GlobalPaths& p) {
  const std::uint16_t items = run.options.global_items;
  auto& copier = run.copier;
  const auto& cs = run.cs;
  if (has_bit(items, 0)) {
    heading(run, cp852("Globalna baza adresów"));
    convert_records(
        copier, p.source("baza_ad8.rek"), p.target("baza_ad8.rek"), kAddressRecordSize, kAddressRecordSize,
        [&](ConstRecordView old, RecordView fresh) { return conversion::convert_address(cs, old, fresh); });
  }
  if (has_bit(items, 8)) {
    heading(run, cp852("Konfigurator wex_2017.ini"));
    copy_text_file(copier, p.source("wex_2017.ini"), p.target("wex_2018.ini"));
  }
  if (has_bit(items, 1)) {
    heading(run, cp852("Baza urzedów skarbowych"));
    convert_records(copier, p.source("baza_us8.rek"), p.target("baza_us8.rek"), kAddressRecordSize,
                    kAddressRecordSize, [&](ConstRecordView old, RecordView fresh) {
                      return conversion::convert_tax_office(cs, old, fresh);
                    });
  }
  if (has_bit(items, 2)) {
    heading(run, cp852("Globale stale klawiszy F2..F10"));
    copy_bytes(copier, p.source("baza_ff.txt"), p.target("baza_ff.txt"), true);
  }
  if (has_bit(items, 3)) {
    heading(run, cp852("Dane biura do FRV"));
    convert_records(
        copier, p.source("2017_BR.REK"), p.target("2018_BR.REK"), kOfficeRecordSize, kOfficeRecordSize,
        [&](ConstRecordView old, RecordView fresh) { return convert_office_record(cs, old, fresh); });
  }
  if (has_bit(items, 4)) {
    heading(run, cp852("Konfigurator WEX_VX.INI"));
    copy_bytes(copier, p.source("WEX_VX.INI"), p.target("WEX_VX.INI"), true);
  }
  if (has_bit(items, 5)) {
    heading(run, cp852("Zeszloroczne stale podatkowe"));
    copy_bytes(copier, p.source("2017spd.ini"), p.target("2017spd.ini"), false);
  }
  if (has_bit(items, 6)) {
    heading(run, cp852("Globale ustawienia wynagrodzen"));
    copy_bytes(copier, p.source("2017_lp.cc"), p.target("2018_lp.cc"), true);
    // A 2018 wage file already present in the old tree follows, under the
    // overwrite question.
    copy_bytes(copier, p.source("2018_lp.cc"), p.target("2018_lp.cc"), true);
  }
  if (has_bit(items, 7)) {
    heading(run, cp852("Ustawienia kolorów"));
    copy_bytes(copier, p.source("KOLORY.VX"), p.target("KOLORY.VX"), false);
  }
  // The operators and the two settings files go without a heading.
  heading(run, "");
  if (has_bit(items, 9))
    copy_records(copier, p.source("OPERATOR.REK"), p.target("OPERATOR.REK"), kOperatorRecordSize,
                 [&](RecordView rec) { return convert_operator_record(cs, rec); });
  if (has_bit(items, 10)) {
    copy_bytes(copier, p.source("ZUS_PEL.INI"), p.target("ZUS_PEL.INI"), false);
    copy_bytes(copier, p.source("UMOWY.INI"), p.target("UMOWY.INI"), false);
  }
}

}  // namespace

void copy_global_data(Session& run) {
  const platform::ListingScope listings;
  if (run.cs.charset_mode == 1) {
    run.cs.source_charset = charset::kMazovia;
    run.cs.target_charset = charset::kCp852;
  } else {
    run.cs.source_charset = run.cs.target_charset = charset::kCp852;
  }
  const dialogue::Dialogue::Scope window(run.talk, dialogue::Area::kCopyWindow);
  run.talk.global_copy();
  const GlobalPaths p{run.loc.source_root + run.options.source_version,
                      run.loc.target_root + std::string(kTargetProgramDir)};
  if (run.options.global_items != 0 && has_bit(run.options.copy_scope, kCopyGlobal) &&
      !directory_exists(p.source_dir))
    fatal_box(run, cp852("Brak katalogu zródłowego"), p.source_dir);
  if (!directory_exists(p.target_dir) && !platform::make_directory(p.target_dir))
    fatal_box(run, cp852("Utworzenia katalogu"), p.target_dir);

  copy_items(run, p);

  if (run.options.stop_per_company) {
    run.talk.line(cp852("cdn - nacisnij dowolny klawisz."));
    run.talk.stop_to_look();
  }
  run.talk.new_page();
}

}  // namespace vx::driver
