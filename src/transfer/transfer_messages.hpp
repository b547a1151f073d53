#pragma once
// The exact texts the copies show the operator; CP852 at compile time.
#include "charset/cp852.hpp"

namespace vx::transfer::msg {

// The overwrite question.
inline constexpr auto kFoundExisting = cp852("Stwierdzono obecność pliku ");
inline constexpr auto kReplaceChoice =
    cp852(" W-wykonaj kopiownie (zastępując) [A-i wszystkie następne]   ");
inline constexpr auto kKeepChoice =
    cp852(" Z-zostaw plik                    [N-i wszystkie następne] ? ");
inline constexpr auto kOverwriteKeys = cp852("  Z(n)/W(a)  ");

// Progress lines.
inline constexpr auto kCopyingTextFile = cp852("Kopiuję plik ");
inline constexpr auto kCopyingBytes = cp852("Kopiuję ");
inline constexpr auto kBytesSuffix = cp852(" bytów...");
inline constexpr auto kCopyingRecords = cp852("Kopiuje ");
inline constexpr auto kRecordsSuffix = cp852(" pozycji ...");
inline constexpr auto kNoSourceFile = cp852("Brak pliku źródłowego ");

// Failures of the byte and record copies.
inline constexpr auto kOpenFailed = cp852("Błąd otwarcia pliku ");
inline constexpr auto kCreateFailed = cp852("Błąd Utworzenia pliku ");
inline constexpr auto kReadFailed = cp852("Błąd odczytu danych");
inline constexpr auto kWriteFailed = cp852("Błąd zapisu danych");
inline constexpr auto kCloseFailed = cp852("Błąd zamknięcia zbioru ");

// Paths refused for leading out of the data trees, names from a folder
// listing that would not stay in their folder, a folder that cannot be read.
inline constexpr auto kOutsideTree = cp852("Ścieżka poza katalogiem danych: ");
inline constexpr auto kBadFileName = cp852("Niedozwolona nazwa pliku: ");
inline constexpr auto kListingFailed = cp852("Błąd odczytu katalogu ");

// Failures of the text copy.
inline constexpr auto kTextCreateFailed = cp852("Błąd utworzenia pliku ");
inline constexpr auto kTextReadFailed = cp852("Błąd odczytu z pliku ");
inline constexpr auto kTextWriteFailed = cp852("Błąd zapisu do pliku ");

}  // namespace vx::transfer::msg
