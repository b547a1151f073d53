#pragma once
// The texts the personnel steps show; CP852 at compile time.
#include "charset/cp852.hpp"

namespace vx::personnel {

inline constexpr auto kPersonLabel = cp852("osoba : ");
inline constexpr auto kDismissed = cp852(" - zwolniony");
inline constexpr auto kAskPerson = cp852(" Przenieść T/N /W  ? ");
inline constexpr auto kTooManyPersons =
    cp852("Upss... za dużo pracowników, nie połapię się w rodzinach !");

// Counted once after the personnel steps instead of a key wait per record.
inline constexpr auto kPastTablePersons = cp852("Poza tabelą osób ");
inline constexpr auto kPastTableFamilies = cp852(", pominięto: rodzin ");
inline constexpr auto kPastTableContracts = cp852(", umów ");
inline constexpr auto kPastTableWages = cp852(", wynagrodzeń ");

inline constexpr auto kFamilyWithoutPerson =
    cp852("Nie odnaleziono osoby związanej z członkiem rodziny !");
inline constexpr auto kWageKept = cp852("Wynagrodzenie idx = ");
inline constexpr auto kContractWithoutPerson =
    cp852("Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !");

inline constexpr auto kPitPersonLabel = cp852("Osoba: ");
inline constexpr auto kAskPid5 = cp852(" Przenieść T/N ?  ");
inline constexpr auto kAskPit28 = cp852(" Przenieść T/N ?   ");

// Who the filters left out, as a written report names them.
inline constexpr auto kLeftOutPerson = cp852("osoba");
inline constexpr auto kLeftOutPitPerson = cp852("osoba PID-5/PIT-28");
inline constexpr auto kLeftOutFamily = cp852("członek rodziny");

}  // namespace vx::personnel
