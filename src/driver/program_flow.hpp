#pragma once
// The main sequence of the program.
#include <string>
#include <string_view>
#include <vector>

#include "charset/cp852.hpp"
#include "driver/session.hpp"
#include "history/run_report.hpp"
#include "ui/commands.hpp"

namespace vx::driver {

inline constexpr std::uint16_t cmNext = 0x1001;
inline constexpr std::uint16_t cmBack = 0x1002;
inline constexpr std::uint16_t cmStart = 0x1003;
// A page is cancelled with the dialogs' own cancel command.
inline constexpr std::uint16_t cmCancel = ui::CMD_CANCEL;

// Said when Ctrl+C, a closed terminal or a kill stopped the run.
inline constexpr auto kRunStoppedLine =
    cp852("vx17-18: praca przerwana - firma w toku nie została przeniesiona (zaproponuję ją ponownie).");

// The switches of the command line, matched without regard to case.
inline constexpr std::string_view kUndoSwitch = "/COFNIJ";
inline constexpr std::string_view kBalanceSwitch = "/BO";

// Runs the program; the exit code is always 0 unless a fatal error ends it.
void run_program(Session& run, const std::vector<std::string>& arguments);

// The page loop; true when the operator started the copying.
bool run_wizard(Session& run);
// The copying chosen on the last page, then the closing line.
void copy_data(Session& run);
// The company half of the copying: the operator selects, the engine carries
// every selected company, in the copy window.
void copy_companies(Session& run);

// Where the report lies, for the closing lines.
std::string report_file_line(const history::RunReport& report);

// Banner and its rule on a cleared screen.
void show_banner(Session& run);
// "Nacisnij Enter", a key, a cleared screen.
void end_sequence(Session& run);

}  // namespace vx::driver
