#include <gtest/gtest.h>

#include "support/program_runner.hpp"

namespace vx::test {
namespace {

const char* const kUsage[] = {
    "Program do kopiowania wybranych danych do nowego WEX_VX.",
    "z wersji WE970 (2017) na WE980 (2018)",
    "──────────────────────────────────────────────────────────────────────",
    "",
    "Uruchom vx17-18 [Katalog_danych_,2018]",
    "gdzie:",
    "Katalog danych - lokalizacja istniejącego katalogu na rok 2018",
    "Katalogu w którym jest program vx17-18.EXE można umieścić",
    "plik o nazwie vx17-18.LST w którym można w kolejnych wierszach",
    "wpisać nazwy plików, jakie będą automatycznie kopiowane z katalogu",
    "danych firmy na rok nastepny",
    "",
};

TEST(Start, QuestionMarkShowsUsageAndEndsAfterAKey) {
  for (const std::string arg : {"/?", "a?b"}) {
    auto r = run_program({.arguments = {arg}, .script = "Enter\n"});
    EXPECT_EQ(r.exit_code, 0) << arg;
    std::string expected;
    for (const char* line : kUsage) expected += std::string(line) + "\n";
    EXPECT_TRUE(r.output.starts_with(expected)) << r.output;
    EXPECT_EQ(r.screens.size(), 2u);  // the key wait, then the end
    EXPECT_FALSE(r.shows("PROGRAM DO PRZEPCHNI"));
  }
}

TEST(Start, UsageWaitsForItsKey) {
  auto r = run_program({.arguments = {"/?"}, .script = ""});
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_NE(r.output.find("--- script exhausted ---"), std::string::npos);
}

TEST(Start, BadScriptLineEndsWithCodeFour) {
  auto r = run_program({.arguments = {"/?"}, .script = "Entr\n"});
  EXPECT_EQ(r.exit_code, 4);
  EXPECT_NE(r.errors.find("Entr"), std::string::npos);
}

}  // namespace
}  // namespace vx::test
