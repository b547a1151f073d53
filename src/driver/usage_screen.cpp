#include "driver/usage_screen.hpp"

#include <string>

#include "charset/cp852.hpp"

namespace vx::driver {

void show_usage(Session& run) {
  const std::string rule(70, '\xC4');
  const std::string lines[] = {
      cp852("Program do kopiowania wybranych danych do nowego WEX_VX.").str(),
      cp852("z wersji WE970 (2017) na WE980 (2018)").str(),
      rule,
      "",
      cp852("Uruchom vx17-18 [Katalog_danych_,2018]").str(),
      cp852("gdzie:").str(),
      cp852("Katalog danych - lokalizacja istniejącego katalogu na rok 2018").str(),
      cp852("Katalogu w którym jest program vx17-18.EXE można umieścić").str(),
      cp852("plik o nazwie vx17-18.LST w którym można w kolejnych wierszach").str(),
      cp852("wpisać nazwy plików, jakie będą automatycznie kopiowane z katalogu").str(),
      cp852("danych firmy na rok nastepny").str(),
      "",
      std::string(34, ' ') + cp852("Autorzy: zespół vx17-18").str(),
  };
  for (const auto& line : lines) run.console.write_stdout(line + "\n");
}

}  // namespace vx::driver
