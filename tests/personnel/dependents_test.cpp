// A company's personnel steps in the order of the copy: persons first, then
// what belongs to them follows them or is dropped with them.
#include <gtest/gtest.h>

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
  reset_personnel(run);

  Record kept(2048), dismissed(2048);
  kept.i64(0, 1).text(40, 31, "KEPT").text(72, 22, "K");
  dismissed.i64(0, 2).text(40, 31, "GONE").text(72, 22, "G").date(213, 30, 12, 2017);
  EXPECT_TRUE(apply(person_filter, run, kept).written);
  EXPECT_FALSE(apply(person_filter, run, dismissed).written);

  Record family(352);
  family.text(56, 31, "F").text(88, 22, "F");
  EXPECT_TRUE(apply(family_filter, run, family.i64(0, 1)).written);
  EXPECT_FALSE(apply(family_filter, run, family.i64(0, 2)).written);
  EXPECT_EQ(sr.console().screens_shown(), 1);
  EXPECT_EQ(sr.row(4), "Nie odnaleziono osoby związanej z członkiem rodziny !");

  Record wage(10176);
  EXPECT_TRUE(wage_filter(run, wage.i64(0, 1).view()));
  EXPECT_FALSE(wage_filter(run, wage.i64(0, 2).view()));
  EXPECT_EQ(sr.console().screens_shown(), 1);  // silently
  EXPECT_EQ(sr.row(5), "Wynagrodzenie idx =");
  EXPECT_EQ(sr.row(6), "");

  Record contract(552);
  EXPECT_TRUE(contract_filter(run, contract.i64(0, 1).view()));
  EXPECT_FALSE(contract_filter(run, contract.i64(0, 2).view()));
  EXPECT_EQ(sr.console().screens_shown(), 2);
  EXPECT_EQ(sr.row(6),
            "Upss... nie odnaleziono osoby związanej z odczytną umową/zlecenia !");
}

}  // namespace
}  // namespace vx::personnel
