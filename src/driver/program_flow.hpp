#pragma once
// The main sequence of the program.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "charset/cp852.hpp"
#include "driver/session.hpp"
#include "driver/writing_run.hpp"
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
bool has_switch(const std::vector<std::string>& arguments, std::string_view name);

// Runs the program; the exit code is always 0 unless a fatal error ends it.
void run_program(Session& run, const std::vector<std::string>& arguments);

// The page loop; true when the operator started the copying.
bool run_wizard(Session& run);
// Picks the companies to carry in the run's table; false: none.
using CompanyChoice = std::function<bool(Session&)>;
// Labels and values added to the wizard's choices in the report's head.
using Choices = std::vector<std::pair<std::string, std::string>>;

// The copying chosen on the last page, then the closing line.
void copy_data(Session& run);
// The copying the options choose, under the run's lock, journal and report;
// the run with its report finished, or null when nothing was to be copied.
std::unique_ptr<WritingRun> copy_chosen(Session& run, const CompanyChoice& choose, Choices more);
// The company half of the copying: the companies are picked (by default the
// operator selects them), the engine carries every selected company, in
// the copy window.
void copy_companies(Session& run, const CompanyChoice& choose);
void copy_companies(Session& run);

// Where the report lies, for the closing lines.
std::string report_file_line(const history::RunReport& report);

// Banner and its rule on a cleared screen.
void show_banner(Session& run);
// "Nacisnij Enter", a key, a cleared screen.
void end_sequence(Session& run);

}  // namespace vx::driver
