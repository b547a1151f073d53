// A company's personnel steps in the order of the copy: persons first, then
// what belongs to them follows them or is dropped with them.
#include <gtest/gtest.h>

#include <functional>

#include "personnel/family_filter.hpp"
#include "personnel/filter_fixture.hpp"
#include "personnel/person_filter.hpp"
#include "personnel/personnel_state.hpp"
#include "personnel/wage_filters.hpp"

namespace vx::personnel {
namespace {

using test::apply;
using test::Record;
using test::ScriptedRun;

TEST(PersonnelSteps, WhatBelongsToADismissedPersonIsDroppedWithThePerson) {
  ScriptedRun sr("Enter\nEnter\n");
  auto& run = sr.run();
  run.options.person_scope = 1;
  reset_personnel(run.staff);

  Record kept(2048), dismissed(2048);
  kept.i64(0, 1).text(40, 31, "KEPT").text(72, 22, "K");
  dismissed.i64(0, 2).text(40, 31, "GONE").text(72, 22, "G").date(213, 30, 12, 2017);
  EXPECT_TRUE(apply(person_filter, run.staff, kept).written);
  EXPECT_FALSE(apply(person_filter, run.staff, dismissed).written);

  Record family(352);
  family.text(56, 31, "F").text(88, 22, "F");
  EXPECT_TRUE(apply(family_filter, run.staff, family.i64(0, 1)).written);
  EXPECT_FALSE(apply(family_filter, run.staff, family.i64(0, 2)).written);
  EXPECT_EQ(sr.console().screens_shown(), 1);
  EXPECT_EQ(sr.row(4), "Nie odnaleziono osoby związanej z członkiem rodziny !");

  Record wage(10176);
  EXPECT_TRUE(wage_filter(run.staff, wage.i64(0, 1).view()));
  EXPECT_FALSE(wage_filter(run.staff, wage.i64(0, 2).view()));
  EXPECT_EQ(sr.console().screens_shown(), 1);  // silently
  EXPECT_EQ(sr.row(5), "Wynagrodzenie idx =");
  EXPECT_EQ(sr.row(6), "");

  Record contract(552);
  EXPECT_TRUE(contract_filter(run.staff, contract.i64(0, 1).view()));
  EXPECT_FALSE(contract_filter(run.staff, contract.i64(0, 2).view()));
  EXPECT_EQ(sr.console().screens_shown(), 2);
  EXPECT_EQ(sr.row(6),
            "Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !");
}

TEST(PersonnelSteps, PastTheTableDependentsAreLeftWithoutAKeyWaitAndCountedOnce) {
  // 2049 persons carried: IDs 1 to 2047 recorded, 2048 and 2049 without room.
  ScriptedRun sr("Enter\nEnter\nEnter\n");
  auto& run = sr.run();
  reset_personnel(run.staff);
  for (std::int64_t id = 1; id <= 2049; ++id) run.personnel.persons.add(id);

  Record family(352), wage(10176), contract(552);
  const auto keep_family = [&](std::int64_t id) {
    return apply(family_filter, run.staff, family.i64(0, id)).written;
  };
  const auto keep_wage = [&](std::int64_t id) { return wage_filter(run.staff, wage.i64(0, id).view()); };
  const auto keep_contract = [&](std::int64_t id) {
    return contract_filter(run.staff, contract.i64(0, id).view());
  };
  const struct {
    const char* what;
    std::function<bool(std::int64_t)> keep;
    int waits_for_a_stranger;  // a person never carried
  } dependents[] = {{"family", keep_family, 1}, {"wage", keep_wage, 0}, {"contract", keep_contract, 1}};

  int waits = 0;
  for (const auto& d : dependents) {
    EXPECT_TRUE(d.keep(2047)) << d.what;
    EXPECT_FALSE(d.keep(2048)) << d.what;
    EXPECT_FALSE(d.keep(2049)) << d.what;
    EXPECT_EQ(sr.console().screens_shown(), waits) << d.what;  // left in silence
    EXPECT_FALSE(d.keep(5000)) << d.what;
    waits += d.waits_for_a_stranger;
    EXPECT_EQ(sr.console().screens_shown(), waits) << d.what;
  }
  EXPECT_EQ(sr.output().find("Wskaźnik osoby"), std::string::npos);
  EXPECT_EQ(sr.output().find("za duża ilość"), std::string::npos);

  // One line, in the colour of warnings, and a key wait.
  const int row = run.out.window().top + run.out.y() - 1;
  report_lack_of_room(run.staff);
  EXPECT_EQ(sr.row(row), "Poza tabelą osób 2, pominięto: rodzin 2, umów 2, wynagrodzeń 2");
  EXPECT_EQ(test::colour_at(sr, 1, row), 14);
  EXPECT_EQ(run.out.attr() & 0x0F, 7);
  EXPECT_EQ(sr.console().screens_shown(), waits + 1);

  // The next company starts counting again; a table that held everybody
  // brings no line.
  reset_personnel(run.staff);
  for (std::int64_t id = 1; id <= 2047; ++id) run.personnel.persons.add(id);
  report_lack_of_room(run.staff);
  EXPECT_EQ(sr.row(row + 1), "");
  EXPECT_EQ(sr.console().screens_shown(), waits + 1);
}

}  // namespace
}  // namespace vx::personnel
