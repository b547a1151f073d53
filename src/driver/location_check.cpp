#include "driver/location_check.hpp"

#include <string>

#include "charset/cp852.hpp"
#include "charset/polish.hpp"
#include "driver/run_error.hpp"
#include "platform/filesystem.hpp"
#include "transfer/file_presence.hpp"
#include "ui/message_box.hpp"

namespace vx::driver {

namespace {
// A drive with its root ("C:\") and shorter values are not looked up.
constexpr std::size_t kShortestCheckedTarget = 4;

// Appends the separator; true when the root changed.
bool complete_root(std::string& root) {
  if (ends_with_separator(root)) return false;
  root += platform::kSeparator;
  return true;
}

std::string centred(std::string_view line) { return ui::kCentre + std::string(line); }
}  // namespace

bool ends_with_separator(std::string_view root) {
  return !root.empty() && (root.back() == '\\' || root.back() == '/');
}

bool check_locations(Session& run, RootFields& fields) {
  std::string& source = run.loc.source_root;
  std::string& target = run.loc.target_root;
  const std::string& register_name = run.env.register_file_name;

  if (complete_root(source)) fields.Redraw(RootField::kSource);
  if (transfer::file_size_of(source + register_name) == 0) {
    report_run_error(run, cp852("Brak pliku ") + register_name + ui::kLineBreak +
                                 cp852("Musisz wskazać katalog") + ui::kLineBreak +
                                 cp852("głównym programu WEX_VX"));
    fields.Focus(RootField::kSource);
    return false;
  }

  if (!target.empty() && complete_root(target)) fields.Redraw(RootField::kTarget);
  if (target.size() >= kShortestCheckedTarget &&
      !transfer::directory_exists(std::string_view(target).substr(0, target.size() - 1))) {
    report_run_error(run, centred(cp852("Brak katalogu")) + ui::kLineBreak + centred(target));
    return false;
  }

  if (charset::upper_text(target) == charset::upper_text(source)) {
    report_run_error(run, centred(cp852("Katalogi nię mogą być identyczne !")));
    fields.Focus(RootField::kTarget);
    return false;
  }
  return true;
}

}  // namespace vx::driver
