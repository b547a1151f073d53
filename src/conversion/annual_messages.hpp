#pragma once
// The texts of the annual settings and of the opening balances carried
// again; CP852 at compile time.
#include "charset/cp852.hpp"

namespace vx::conversion::msg {

inline constexpr auto kDecemberOpen = cp852("Nie zatwierdzono miesiąca GRUDNIA.2017");
inline constexpr auto kAnnualWriteFailed = cp852("Błąd zapisu danych do 2018");

inline constexpr auto kNoBalanceFile = cp852("Brak pliku ");
inline constexpr auto kNoBalanceAccess = cp852("Brak dostępu do pliku ");
inline constexpr auto kBalanceFileShort = cp852("Za krótki plik ");
inline constexpr auto kBalanceNotANumber = cp852("Kwota nie jest liczbą w pliku ");
inline constexpr auto kOpeningBefore = cp852("   BO.2018 dotychczas : ");
inline constexpr auto kOpeningAfter = cp852("   BO.2018 z BZ.2017  : ");
inline constexpr auto kCarryOpenDecember = cp852("Przenieść niezatwierdzony stan BZ.2017 jako BO.2018 ?");
inline constexpr auto kOpeningKept = cp852("BO.2018 pozostawiono bez zmian");
inline constexpr auto kOpeningUnchanged = cp852("BO.2018 bez zmian - niczego nie zapisano");
inline constexpr auto kOpeningWritten = cp852("Zapisano nowy BO.2018");

}  // namespace vx::conversion::msg
