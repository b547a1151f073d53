#include "driver/unattended_run.hpp"

#include <span>
#include <unordered_set>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "companies/register_loader.hpp"
#include "driver/balance_run.hpp"
#include "driver/data_locations.hpp"
#include "driver/location_check.hpp"
#include "driver/profile.hpp"
#include "driver/program_flow.hpp"
#include "driver/run_error.hpp"
#include "platform/filesystem.hpp"
#include "platform/process.hpp"
#include "platform/program_exit.hpp"
#include "recordfile/record_view.hpp"

namespace vx::driver {

namespace {

[[noreturn]] void refuse(std::string_view text) {
  error_line(text);
  throw platform::ProgramExit{kBadProfile};
}

// The value after "/AUTO:" or "/WZOR:", as typed.
std::string after_colon(const std::string& argument) { return argument.substr(argument.find(':') + 1); }

// The roots need no redrawing or focus: there are no fields.
class NoFields final : public RootFields {
  void Redraw(RootField) override {}
  void Focus(RootField) override {}
};

// The folders the 2017 register names, upper-cased; read straight from the
// file, so that checking a profile writes nothing and asks nothing.
std::unordered_set<std::string> registered_folders(const Session& run) {
  std::unordered_set<std::string> out;
  const auto bytes = platform::read_whole_file(run.loc.source_root + run.env.register_file_name);
  if (!bytes) return out;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
  for (std::size_t at = 0; at + companies::kRegisterRecordSize <= bytes->size(); at += companies::kRegisterRecordSize) {
    const ConstRecordView record(std::span<const std::uint8_t>(data + at, companies::kRegisterRecordSize));
    out.insert(charset::upper_text(
        record.text(companies::kRegisterDirectory.offset, companies::kRegisterDirectory.capacity)));
  }
  return out;
}

void check_folders(const Session& run, const std::string& path, const Profile& profile) {
  if (profile.folders.empty()) return;
  const auto known = registered_folders(run);
  for (const auto& folder : profile.folders)
    if (!known.contains(charset::upper_text(folder)))
      refuse(profile_error_text(path, {profile.folders_line, std::string(kCompaniesKey),
                                       cp852("nieznany katalog firmy ").str() + folder +
                                           cp852(" (nie ma go w rejestrze firm 2017)").str()}));
}

// Selects the companies the profile names (all when it names none) among
// those offered; a named one not offered is said. False: none chosen.
bool mark_wanted(Session& run, const Profile& profile, int offered, std::string_view not_offered) {
  int chosen = 0;
  std::unordered_set<std::string> wanted;
  for (const auto& f : profile.folders) wanted.insert(charset::upper_text(f));
  for (auto& e : run.companies.entries) {
    const bool take = wanted.empty() || wanted.erase(charset::upper_text(e.directory())) > 0;
    e.selected = take ? 1 : 0;
    chosen += take;
  }
  for (const auto& folder : profile.folders)
    if (wanted.contains(charset::upper_text(folder)))
      run.progress.say(cp852("Firma ").str() + folder + std::string(not_offered));
  run.progress.expect_companies(chosen);
  return offered > 0 && chosen > 0;
}

// The companies the profile names, of those the register offers (the ones
// not carried yet); a named one carried already is said.
bool choose_companies(Session& run, const Profile& profile) {
  int offered = 0;
  try {
    offered = companies::load_register(run.office);
  } catch (const platform::ProgramExit&) {
    // At the console the program ends here; without an operator the run
    // ends with its report.
    run.talk.failure(cp852("Rejestr firm 2017 nie do odczytania: żadna firma nie została przeniesiona"));
    return false;
  }
  if (run.companies.register_damaged)
    run.talk.failure(cp852("Rejestr firm 2017 do naprawy: nie każdą firmę z niego można przenieść"));
  return mark_wanted(run, profile, offered, cp852(": już przeniesiona, pominięta"));
}

// "/bo /auto": the balances of the companies the profile names, of those
// already carried; the closing lines on standard output.
void refresh_balances_unattended(Session& run, const Profile& profile) {
  const auto end = refresh_chosen_balances(run, [&profile](Session& r) {
    return mark_wanted(r, profile, static_cast<int>(r.companies.entries.size()),
                       cp852(": nie przeniesiona do 2018, pominięta"));
  });
  run.progress.say(kBalanceRunEnd.str());
  run.progress.say(end.counts_line);
  run.progress.say(end.report_line);
  if (end.counts.skipped > 0) throw platform::ProgramExit{kNotAllCarried};
}

void write_template(Session& run, const std::string& path) {
  if (path.empty() || !platform::write_whole_file(path, profile_template()))
    refuse(cp852("vx17-18: nie można zapisać wzoru profilu ").str() + path);
  run.progress.say(cp852("vx17-18: zapisano wzór profilu ").str() + path);
}

}  // namespace

std::optional<UnattendedRequest> unattended_request(const std::vector<std::string>& arguments) {
  for (const auto& a : arguments) {
    const std::string up = charset::upper_text(a);
    if (up == "/AUTO") return UnattendedRequest{};
    if (up.starts_with("/AUTO:")) return UnattendedRequest{UnattendedRequest::Kind::kRun, after_colon(a)};
    if (up.starts_with("/WZOR:")) return UnattendedRequest{UnattendedRequest::Kind::kTemplate, after_colon(a)};
  }
  return std::nullopt;
}

void run_unattended(Session& run, const std::vector<std::string>& arguments) {
  const auto request = unattended_request(arguments).value_or(UnattendedRequest{});
  const bool balances_again = has_switch(arguments, kBalanceSwitch);
  if (request.kind == UnattendedRequest::Kind::kTemplate) {
    write_template(run, request.profile);
    return;
  }
  Profile profile;
  if (!request.profile.empty())
    if (const auto bad = read_profile(request.profile, profile)) refuse(profile_error_text(request.profile, *bad));
  run.options = profile.options;
  run.cs.charset_mode = profile.charset_mode;
  run.answers = profile.answers;

  run.loc.company_file_list = read_company_file_list(run.env.program_base + ".LST");
  settle_data_roots(run, arguments);
  NoFields fields;
  if (!check_locations(run, fields)) throw platform::ProgramExit{kBadProfile};
  check_folders(run, request.profile, profile);

  run.progress.start(platform::stdout_is_terminal());
  if (balances_again) {
    refresh_balances_unattended(run, profile);
    return;
  }
  const std::string profile_name = request.profile.empty() ? cp852("domyślny").str() : request.profile;
  run.progress.say(cp852("vx17-18: praca bez operatora, profil ").str() + profile_name);
  const auto writing = copy_chosen(run, [&profile](Session& r) { return choose_companies(r, profile); },
                                   {{cp852("Praca bez operatora, profil").str(), profile_name}});
  run.progress.say(cp852("Koniec pracy kopiera danych WEX_VX na rok 2018").str());
  if (!writing) return;
  run.progress.say(writing->report().summary_line());
  run.progress.say(report_file_line(writing->report()));
  if (!writing->report().all_carried()) throw platform::ProgramExit{kNotAllCarried};
}

}  // namespace vx::driver
