#pragma once
// The texts the personnel steps show; CP852 at compile time.
#include "charset/cp852.hpp"

namespace vx::personnel {

inline constexpr auto kPersonLabel = cp852("osoba : ");
inline constexpr auto kDismissed = cp852(" - zwolniony");
inline constexpr auto kAskPerson = cp852(" Przenieść T/N /W  ? ");
inline constexpr auto kTooManyPersons =
    cp852("Upss... za dużo pracowników, nie połapię się w rodzinach !");

inline constexpr auto kPersonPastTable = cp852("Upss... Wskaźnik osoby > max ilość osob !");
inline constexpr auto kFamilyWithoutPerson =
    cp852("Nie odnaleziono osoby związanej z członkiem rodziny !");
inline constexpr auto kWageKept = cp852("Wynagrodzenie idx = ");
inline constexpr auto kContractPastTable = cp852("Upss... za duża ilość pracownikow !");
inline constexpr auto kContractWithoutPerson =
    cp852("Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !");

inline constexpr auto kPitPersonLabel = cp852("Osoba: ");
inline constexpr auto kAskPid5 = cp852(" Przenieść T/N ?  ");
inline constexpr auto kAskPit28 = cp852(" Przenieść T/N ?   ");

}  // namespace vx::personnel
