#pragma once
// The texts of the VAT-7 and DRA declarations, the hiding of converted 2017
// files and the further fixed-asset registers; CP852 at compile time.
#include "charset/cp852.hpp"

namespace vx::conversion::msg {

inline constexpr auto kVat7Conversion = cp852("Konwersja VAT old(2018) -> new(2018)");
inline constexpr auto kVat7Month = cp852("mc:");
inline constexpr auto kVat7Creator = cp852("f(vx17-18)");

inline constexpr auto kDraCounter = cp852(". :");
inline constexpr auto kDraOpenFailed = cp852("Błąd otworzenia pliku DRA:");
inline constexpr auto kDraCreateFailed = cp852("Błąd utworzenia pliku DRA:");
inline constexpr auto kDraReadFailed = cp852("Błąd odczytania DRA:");
inline constexpr auto kDraWriteFailed = cp852("Błąd zapisu do DRA:");
inline constexpr auto kDraAttachmentWriteFailed = cp852("Błąd zapisu załącznika do DRA:");

inline constexpr auto kRenameFailed = cp852("Błąd zmiany nazwy pliku ");
inline constexpr auto kRenamed = cp852("Zmiana nazwy pliku ");
inline constexpr auto kRenamedTo = cp852(" na ");
inline constexpr auto kHideListFailed = cp852("Błąd zapisu listy plików do zasłonięcia ");

// A register name from the list that would lead out of the company directory.
inline constexpr auto kBadRegisterName = cp852("Niedozwolona nazwa rejestru środków trwałych: ");

}  // namespace vx::conversion::msg
