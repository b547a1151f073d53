#pragma once
// The labels and item texts of the wizard pages: the pages draw them, and
// a run's report names the operator's choices with the same words. CP852.
#include <cstddef>

#include "charset/cp852.hpp"

namespace vx::driver::texts {

// An item of a check-box or radio group. All items are of one type, so
// that a group's items make one array; the longest fills a page's width.
using ItemText = Cp852Text<80>;

template <std::size_t N>
consteval ItemText item(const char (&utf8)[N]) {
  const auto text = cp852(utf8);
  ItemText out{};
  for (std::size_t i = 0; i < text.size; ++i) out.bytes[i] = text.bytes[i];
  out.size = text.size;
  return out;
}

// Both pages of items to copy.
inline constexpr auto kCopyItemsLabel = cp852("Zaznaczam do kopiowania :");

// Page 1.
inline constexpr auto kCharsetLabel = cp852("Standard polskich znaków :");
inline constexpr ItemText kCharsetItems[] = {
    item("Zachowaj standard PL z poprzedniego roku (domyślnie)"),
    item("Zmien standard danych z PL=MAZ na PL=852 (jeżeli wiesz o co chodzi)"),
};
inline constexpr auto kExtraOptionsLabel = cp852("Dodatkowe opcje:");
inline constexpr auto kWarnOpenDecember =
    cp852("informuj o nie zamkniętym grudniu i związanymi z tym konsekwencjami");
inline constexpr auto kShowSlowly = cp852("pokazuj powoli szczegóły konwersji");
inline constexpr auto kHideConverted =
    cp852("Zasłoń(~) w 2017 przekonwertowane pliki 2018K880.mm i 2018SP.nn");

// Page 2: one item per bit of global_items, from bit 0.
inline constexpr auto kGlobalPageTitle = cp852(" Dane globalne, konfiguracyjne ");
inline constexpr ItemText kGlobalItems[] = {
    item("Globalnę bazę adresów"),
    item("Bazę Urzędów Skarbowych"),
    item("Bazę stałych F1..F10"),
    item("Dane BIURA do wystawienia rachunków"),
    item("Dane konfiguracji DLL z WEX_VX.INI"),
    item("Stałe podatkowe na 2017 rok"),
    item("Ustawienia składników wynagrodzeń"),
    item("Ustawienia kolorów"),
    item("Ustawienia wex_2017.ini -> wex_2018.ini"),
    item("Plik \"OPERATOR.REK\""),
    item("Plik \"ZUS_PEL.INI\",\"UMOWY.INI\""),
};

// Page 3: one item per bit of company_items.
inline constexpr auto kCompanyPageTitle = cp852(" Dane firmowe  ");
inline constexpr ItemText kCompanyItems[] = {
    item("dane tekstowe firmy"),
    item("dane pracowników, właścicieli *)"),
    item("dane rodzin ww                *)"),
    item("dane do PIT-D  **)"),
    item("bazę adresów lokalnych"),
    item("bazę automatów sprzedaży"),
    item("bazę automatów zakupów"),
    item("bazę stalych F1..F10, Notatnik"),
    item("baze przekazów pieniężnych"),
    item("ustawienia składnikow wynagrodzeń"),
    item("Dane ZUS-PEL ZUS_PEL.INI"),
    item("środki trwałe umożone jednorazowo"),
    item("ustawienia danych na przelewach"),
    item("bazę dowodów wewnętrznych"),
    item("bazę wystawionych odsetek"),
    item("listę pojazdów na cele VAT"),
};
inline constexpr auto kPersonScopeLabel = cp852("*) Dane - przenieś :");
inline constexpr ItemText kPersonScopeItems[] = {
    item("wszystkich"),
    item("zatrudnionych na 31.12.2017"),
    item("pytaj sie o każdego"),
};
inline constexpr auto kPitScopeLabel = cp852("**) z PID-5 - przenieś :");
inline constexpr ItemText kPitScopeItems[] = {item("wszystkich"), item("pytaj sie o każdego")};
inline constexpr auto kEntered2018Label = cp852("Wprowadzone już w 2018 roku ");
inline constexpr ItemText kEntered2018Items[] = {
    item("dokumenty księgowe"),
    item("wynagrodzenia pracowników"),
    item("umowy zlecenia"),
    item("noty księgowe"),
    item("Deklaracje DRA"),
};
inline constexpr auto kAddonLabel = cp852("Programy \"DLL\"");
inline constexpr ItemText kAddonItems[] = {
    item("ST 140/150 \"Kolmo/vx\""),
    item("KM 140 \"Kolmo\""),
    item("KM 150 \"vx\""),
};

// Page 4. The first scope item reads on with the version field:
// "Dane Globalne z" #BIN970 "(tylko z 880 .. 960) do #BIN980".
inline constexpr auto kCopyScopeLabel = cp852("Co pokopiowac :");
inline constexpr ItemText kCopyScopeItems[] = {
    item("Dane Globalne z"),
    item("Dane pózniej wskazanych firm"),
};
inline constexpr auto kVersionLabel = cp852("(tylko z 880 .. 960) do #BIN980");
inline constexpr auto kRunLabel = cp852("Wykonanie kopiowania");
inline constexpr auto kStopPerCompany = cp852("Zatrzymywac akcje co firme");

}  // namespace vx::driver::texts
