#pragma once
// The labels and item texts of the wizard pages: the pages draw them, and
// a run's report names the operator's choices with the same words. CP852.
#include <cstddef>

#include "charset/cp852.hpp"

namespace vx::driver::texts {

// An item of a check-box or radio group. All items are of one type, so
// that a group's items make one array; the longest fills a page's width.
using ItemText = Cp852Text<80>;

// Takes the converted text rather than the literal: clang does not let a
// consteval function hand its parameter on to cp852.
template <std::size_t N>
consteval ItemText item(const Cp852Text<N>& text) {
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
    item(cp852("Zachowaj standard PL z poprzedniego roku (domyślnie)")),
    item(cp852("Zmien standard danych z PL=MAZ na PL=852 (jeżeli wiesz o co chodzi)")),
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
    item(cp852("Globalnę bazę adresów")),
    item(cp852("Bazę Urzędów Skarbowych")),
    item(cp852("Bazę stałych F1..F10")),
    item(cp852("Dane BIURA do wystawienia rachunków")),
    item(cp852("Dane konfiguracji DLL z WEX_VX.INI")),
    item(cp852("Stałe podatkowe na 2017 rok")),
    item(cp852("Ustawienia składników wynagrodzeń")),
    item(cp852("Ustawienia kolorów")),
    item(cp852("Ustawienia wex_2017.ini -> wex_2018.ini")),
    item(cp852("Plik \"OPERATOR.REK\"")),
    item(cp852("Plik \"ZUS_PEL.INI\",\"UMOWY.INI\"")),
};

// Page 3: one item per bit of company_items.
inline constexpr auto kCompanyPageTitle = cp852(" Dane firmowe  ");
inline constexpr ItemText kCompanyItems[] = {
    item(cp852("dane tekstowe firmy")),
    item(cp852("dane pracowników, właścicieli *)")),
    item(cp852("dane rodzin ww                *)")),
    item(cp852("dane do PIT-D  **)")),
    item(cp852("bazę adresów lokalnych")),
    item(cp852("bazę automatów sprzedaży")),
    item(cp852("bazę automatów zakupów")),
    item(cp852("bazę stalych F1..F10, Notatnik")),
    item(cp852("baze przekazów pieniężnych")),
    item(cp852("ustawienia składnikow wynagrodzeń")),
    item(cp852("Dane ZUS-PEL ZUS_PEL.INI")),
    item(cp852("środki trwałe umożone jednorazowo")),
    item(cp852("ustawienia danych na przelewach")),
    item(cp852("bazę dowodów wewnętrznych")),
    item(cp852("bazę wystawionych odsetek")),
    item(cp852("listę pojazdów na cele VAT")),
};
inline constexpr auto kPersonScopeLabel = cp852("*) Dane - przenieś :");
inline constexpr ItemText kPersonScopeItems[] = {
    item(cp852("wszystkich")),
    item(cp852("zatrudnionych na 31.12.2017")),
    item(cp852("pytaj sie o każdego")),
};
inline constexpr auto kPitScopeLabel = cp852("**) z PID-5 - przenieś :");
inline constexpr ItemText kPitScopeItems[] = {item(cp852("wszystkich")), item(cp852("pytaj sie o każdego"))};
inline constexpr auto kEntered2018Label = cp852("Wprowadzone już w 2018 roku ");
inline constexpr ItemText kEntered2018Items[] = {
    item(cp852("dokumenty księgowe")),
    item(cp852("wynagrodzenia pracowników")),
    item(cp852("umowy zlecenia")),
    item(cp852("noty księgowe")),
    item(cp852("Deklaracje DRA")),
};
inline constexpr auto kAddonLabel = cp852("Programy \"DLL\"");
inline constexpr ItemText kAddonItems[] = {
    item(cp852("ST 140/150 \"Kolmo/vx\"")),
    item(cp852("KM 140 \"Kolmo\"")),
    item(cp852("KM 150 \"vx\"")),
};

// Page 4. The first scope item reads on with the version field:
// "Dane Globalne z" #BIN970 "(tylko z 880 .. 960) do #BIN980".
inline constexpr auto kCopyScopeLabel = cp852("Co pokopiowac :");
inline constexpr ItemText kCopyScopeItems[] = {
    item(cp852("Dane Globalne z")),
    item(cp852("Dane pózniej wskazanych firm")),
};
inline constexpr auto kVersionLabel = cp852("(tylko z 880 .. 960) do #BIN980");
inline constexpr auto kRunLabel = cp852("Wykonanie kopiowania");
inline constexpr auto kStopPerCompany = cp852("Zatrzymywac akcje co firme");

}  // namespace vx::driver::texts
