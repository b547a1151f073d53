#include "driver/profile.hpp"

#include <charconv>
#include <functional>
#include <string_view>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "charset/utf8.hpp"
#include "config/ini_file.hpp"
#include "driver/data_locations.hpp"
#include "driver/wizard_texts.hpp"
#include "platform/filesystem.hpp"

namespace vx::driver {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kAll = "WSZYSTKIE";
constexpr int kMostWaitSeconds = 24 * 3600;
constexpr std::size_t kVersionLength = 7;  // the wizard's field

// One key: where it stands, what its comment says (CP852), its value as
// written and how a value is taken (false: not allowed).
struct Key {
  std::string section, name, comment, allowed;
  std::function<std::string(const Profile&)> value;
  std::function<bool(Profile&, std::string_view)> take;
};

std::string yes_no_text(bool on) { return on ? "TAK" : "NIE"; }

std::optional<bool> yes_no_value(std::string_view v) {
  const std::string up = charset::upper_text(v);
  if (up == "TAK") return true;
  if (up == "NIE") return false;
  return std::nullopt;
}

std::optional<long> number_value(std::string_view v, long most) {
  long n = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
  if (ec != std::errc() || end != v.data() + v.size() || v.empty() || n < 0 || n > most) return std::nullopt;
  return n;
}

// A value held in the profile at the place `at` gives.
template <typename At>
Key yes_no_key(std::string section, std::string name, std::string comment, At at) {
  return {std::move(section), std::move(name), std::move(comment), "TAK, NIE",
          [at](const Profile& p) { return yes_no_text(at(p) != 0); },
          [at](Profile& p, std::string_view v) {
            const auto on = yes_no_value(v);
            if (on) at(p) = *on;
            return on.has_value();
          }};
}

// A check box: one bit of a set word.
template <typename At>
Key bit_key(std::string section, std::string name, std::string comment, int bit, At at) {
  const auto mask = static_cast<std::uint16_t>(1u << bit);
  return {std::move(section), std::move(name), std::move(comment), "TAK, NIE",
          [at, mask](const Profile& p) { return yes_no_text((at(p) & mask) == mask); },
          [at, mask](Profile& p, std::string_view v) {
            const auto on = yes_no_value(v);
            if (!on) return false;
            auto& set = at(p);
            set = static_cast<std::uint16_t>(*on ? set | mask : set & ~mask);
            return true;
          }};
}

// A radio group: the number of the item chosen, from 0.
template <typename At, std::size_t N>
Key radio_key(std::string section, std::string name, std::string label, const texts::ItemText (&items)[N],
              At at) {
  std::string comment = label;
  std::string allowed;
  for (std::size_t i = 0; i < N; ++i) {
    comment += "\n" + std::to_string(i) + " - " + items[i].str();
    allowed += (i ? ", " : "") + std::to_string(i);
  }
  return {std::move(section), std::move(name), std::move(comment), std::move(allowed),
          [at](const Profile& p) { return std::to_string(at(p)); },
          [at](Profile& p, std::string_view v) {
            const auto n = number_value(v, static_cast<long>(N) - 1);
            if (n) at(p) = static_cast<std::remove_reference_t<decltype(at(p))>>(*n);
            return n.has_value();
          }};
}

// Two words for a yes/no answer: the first for yes.
template <typename At>
Key words_key(std::string section, std::string name, std::string comment, std::string_view yes,
              std::string_view no, At at) {
  return {std::move(section), std::move(name), std::move(comment), std::string(no) + ", " + std::string(yes),
          [at, yes, no](const Profile& p) { return std::string(at(p) ? yes : no); },
          [at, yes, no](Profile& p, std::string_view v) {
            const std::string up = charset::upper_text(v);
            if (up != yes && up != no) return false;
            at(p) = up == yes;
            return true;
          }};
}

// One key per item of a check-box group: NAZWA_01, NAZWA_02, ...
template <typename At, std::size_t N>
void group_keys(std::vector<Key>& keys, const std::string& section, const std::string& prefix,
                const std::string& label, const texts::ItemText (&items)[N], At at) {
  for (std::size_t i = 0; i < N; ++i) {
    std::string number = std::to_string(i + 1);
    if (number.size() < 2) number.insert(0, "0");
    keys.push_back(bit_key(section, prefix + "_" + number, label + " " + items[i].str(), static_cast<int>(i), at));
  }
}

std::vector<std::string> folder_list(std::string_view v) {
  std::vector<std::string> out;
  std::string word;
  for (const char c : v) {
    if (c == ',' || c == ';' || c == ' ' || c == '\t') {
      if (!word.empty()) out.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) out.push_back(std::move(word));
  return out;
}

std::vector<Key> profile_keys() {
  std::vector<Key> k;
  const std::string options = "OPCJE", global = "DANE_GLOBALNE", company = "DANE_FIRMOWE", start = "START",
                    answers = "ODPOWIEDZI";
  auto label = [](std::string_view l) {
    std::string s(l);
    while (!s.empty() && (s.back() == ' ' || s.back() == ':')) s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
  };

  k.push_back(radio_key(options, "STANDARD_ZNAKOW", label(texts::kCharsetLabel), texts::kCharsetItems,
                        [](auto& p) -> auto& { return p.charset_mode; }));
  k.push_back(yes_no_key(options, "INFORMUJ_O_GRUDNIU", texts::kWarnOpenDecember.str(),
                         [](auto& p) -> auto& { return p.options.warn_open_december; }));
  k.push_back(yes_no_key(options, "POKAZUJ_POWOLI",
                         texts::kShowSlowly.str() + cp852(" (bez przerw w pracy bez operatora)").str(),
                         [](auto& p) -> auto& { return p.options.show_slowly; }));
  k.push_back(yes_no_key(options, "ZASLON_PRZENIESIONE", texts::kHideConverted.str(),
                         [](auto& p) -> auto& { return p.options.hide_converted; }));

  group_keys(k, global, "GLOBALNE", label(texts::kGlobalPageTitle) + ":", texts::kGlobalItems,
             [](auto& p) -> auto& { return p.options.global_items; });

  group_keys(k, company, "FIRMOWE", label(texts::kCompanyPageTitle) + ":", texts::kCompanyItems,
             [](auto& p) -> auto& { return p.options.company_items; });
  k.push_back(radio_key(company, "PRZENIES_OSOBY", label(texts::kPersonScopeLabel), texts::kPersonScopeItems,
                        [](auto& p) -> auto& { return p.options.person_scope; }));
  k.push_back(radio_key(company, "PRZENIES_PIT", label(texts::kPitScopeLabel), texts::kPitScopeItems,
                        [](auto& p) -> auto& { return p.options.pit_scope; }));
  group_keys(k, company, "WPROWADZONE_2018", label(texts::kEntered2018Label) + ":", texts::kEntered2018Items,
             [](auto& p) -> auto& { return p.options.entered_2018_items; });
  group_keys(k, company, "PROGRAMY_DLL", label(texts::kAddonLabel) + ":", texts::kAddonItems,
             [](auto& p) -> auto& { return p.options.addon_items; });

  k.push_back(bit_key(start, "KOPIUJ_GLOBALNE", label(texts::kCopyScopeLabel) + ": " + texts::kCopyScopeItems[0].str() +
                                                    " " + texts::kVersionLabel.str(),
                      kCopyGlobal, [](auto& p) -> auto& { return p.options.copy_scope; }));
  k.push_back(bit_key(start, "KOPIUJ_FIRMY", label(texts::kCopyScopeLabel) + ": " + texts::kCopyScopeItems[1].str(),
                      kCopyCompanies, [](auto& p) -> auto& { return p.options.copy_scope; }));
  k.push_back({start, "WERSJA_ZRODLOWA",
               cp852("Wersja, z której są dane globalne (pole obok \"Dane Globalne z\")").str(),
               cp852("do 7 znaków").str(), [](const Profile& p) { return p.options.source_version; },
               [](Profile& p, std::string_view v) {
                 if (v.empty() || v.size() > kVersionLength) return false;
                 p.options.source_version = std::string(v);
                 return true;
               }});
  k.push_back(yes_no_key(start, "ZATRZYMUJ_CO_FIRME",
                         texts::kStopPerCompany.str() + cp852(" (bez operatora nikt nie czeka)").str(),
                         [](auto& p) -> auto& { return p.options.stop_per_company; }));
  k.push_back({start, std::string(kCompaniesKey),
               cp852("Które firmy: WSZYSTKIE (jeszcze nie przeniesione) albo katalogi firm po przecinku,\n"
                     "np. FIRMY=PIEKARN,SKLEP2").str(),
               cp852("WSZYSTKIE albo katalogi firm").str(),
               [](const Profile& p) {
                 if (p.folders.empty()) return std::string(kAll);
                 std::string s;
                 for (const auto& f : p.folders) s += (s.empty() ? "" : ",") + f;
                 return s;
               },
               [](Profile& p, std::string_view v) {
                 p.folders.clear();
                 if (charset::upper_text(v) == kAll) return true;
                 p.folders = folder_list(v);
                 return !p.folders.empty();
               }});

  k.push_back(words_key(answers, "ISTNIEJACE_PLIKI",
                        cp852("Plik jest już w 2018: ZACHOWAJ go albo ZASTAP (dla wszystkich plików)").str(), "ZASTAP",
                        "ZACHOWAJ", [](auto& p) -> auto& { return p.answers.replace_existing; }));
  k.push_back(words_key(answers, "PLIK_ROCZNY",
                        cp852("Są oba pliki roczne 2017_ROK.REK i 2018_ROK.REK: który przenieść").str(), "2018",
                        "2017", [](auto& p) -> auto& { return p.answers.annual_from_2018; }));
  k.push_back(yes_no_key(answers, "USUN_NIEROZLICZONE",
                         cp852("Usunać (zasłonić ~) plik \"Dokumenty nierozliczone\" z 2017").str(),
                         [](auto& p) -> auto& { return p.answers.hide_unsettled; }));
  k.push_back(yes_no_key(answers, "PYTANIE_O_OSOBE",
                         cp852("Przy \"pytaj sie o każdego\": przenieść pracownika/właściciela").str(),
                         [](auto& p) -> auto& { return p.answers.carry_person; }));
  k.push_back(yes_no_key(answers, "PYTANIE_O_OSOBE_PIT",
                         cp852("Przy \"pytaj sie o każdego\" z PIT-5: przenieść osobę").str(),
                         [](auto& p) -> auto& { return p.answers.carry_pit_person; }));
  k.push_back(yes_no_key(answers, "OTWARTY_GRUDZIEN",
                         cp852("Grudzień 2017 nie zamknięty: mimo to przenieść bilans otwarcia").str(),
                         [](auto& p) -> auto& { return p.answers.carry_open_december; }));
  k.push_back(yes_no_key(answers, "UTWORZ_BRAKUJACY",
                         cp852("Nie odnaleziono pliku: utworzyć nowy").str(),
                         [](auto& p) -> auto& { return p.answers.create_missing; }));
  k.push_back({answers, "CZEKAJ_NA_BLOKADE",
               cp852("Plik zablokowany przez inne stanowisko: ile sekund czekać, potem go pominąć").str(),
               "0.." + std::to_string(kMostWaitSeconds),
               [](const Profile& p) { return std::to_string(p.answers.lock_wait_seconds); },
               [](Profile& p, std::string_view v) {
                 const auto n = number_value(v, kMostWaitSeconds);
                 if (n) p.answers.lock_wait_seconds = static_cast<int>(*n);
                 return n.has_value();
               }});
  return k;
}

bool is_comment(std::string_view text) { return text.empty() || text.front() == ';' || text.front() == '#'; }

}  // namespace

std::optional<ProfileError> read_profile(const std::string& path, Profile& profile) {
  const auto content = platform::read_whole_file(path);
  if (!content) return ProfileError{0, "", cp852("nie można odczytać pliku").str()};
  config::IniFile ini;
  ini.read_lines(edited_text(*content));
  const std::vector<Key> keys = profile_keys();
  std::vector<bool> given(keys.size(), false);
  for (const auto& e : ini.entries()) {
    if (is_comment(e.text)) continue;
    if (e.key.empty())
      return ProfileError{e.line, "", cp852("wiersz nie jest ani kluczem (KLUCZ=wartość), ani komentarzem (;)").str()};
    const std::string section = charset::upper_text(e.section);
    std::size_t i = 0;
    while (i < keys.size() && !(keys[i].name == e.key && keys[i].section == section)) ++i;
    if (i == keys.size())
      return ProfileError{e.line, e.key, cp852("nieznany klucz w sekcji [").str() + e.section + "]"};
    if (given[i]) return ProfileError{e.line, e.key, cp852("klucz podany drugi raz").str()};
    given[i] = true;
    if (!keys[i].take(profile, e.value))
      return ProfileError{e.line, e.key,
                          cp852("zła wartość \"").str() + e.value + cp852("\" (dozwolone: ").str() + keys[i].allowed +
                              ")"};
    if (keys[i].name == kCompaniesKey) profile.folders_line = e.line;
  }
  // As on the wizard's page: families are carried only with their employees.
  constexpr int kEmployees = 1, kFamilies = 2;
  if (!has_bit(profile.options.company_items, kEmployees))
    profile.options.company_items = static_cast<std::uint16_t>(profile.options.company_items & ~(1u << kFamilies));
  return std::nullopt;
}

std::string profile_template() {
  const Profile defaults;
  std::string out;
  auto line = [&out](std::string_view cp852_text) { out += charset::cp852_text_to_utf8(cp852_text) + std::string(kLineEnd); };
  line(cp852("; Profil pracy bez operatora: vx17-18 /auto:PLIK.INI"));
  line(cp852("; Każdy klucz można pominąć: zostaje wtedy jego wartość domyślna, podana tu."));
  line(cp852("; Kody wyjścia: 0 wszystko przeniesione, 1 firmy z błędami lub pominięte (patrz raport),"));
  line(cp852(";               2 zły profil lub inna praca trwa (nic nie zapisano)."));
  std::string section;
  for (const auto& k : profile_keys()) {
    if (k.section != section) {
      section = k.section;
      line("");
      line("[" + section + "]");
    }
    std::string_view comment = k.comment;
    while (!comment.empty()) {
      const auto end = comment.find('\n');
      line("; " + std::string(comment.substr(0, end)));
      comment = end == std::string_view::npos ? std::string_view{} : comment.substr(end + 1);
    }
    line("; (" + cp852("dozwolone: ").str() + k.allowed + ")");
    line(k.name + "=" + k.value(defaults));
  }
  return out;
}

std::string profile_error_text(const std::string& path, const ProfileError& e) {
  std::string text = cp852("vx17-18: zły profil ").str() + path;
  if (e.line > 0) text += cp852(", wiersz ").str() + std::to_string(e.line);
  if (!e.key.empty()) text += cp852(", klucz ").str() + e.key;
  return text + ": " + e.text;
}

}  // namespace vx::driver
