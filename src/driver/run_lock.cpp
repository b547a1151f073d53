#include "driver/run_lock.hpp"

#include "charset/cp852.hpp"
#include "driver/run_error.hpp"
#include "platform/console.hpp"
#include "ui/message_box.hpp"

namespace vx::driver {

namespace {

[[noreturn]] void refuse(Session& run, std::string_view first, std::string_view second, const std::string& path) {
  std::string text;
  for (std::string_view line : {first, second, std::string_view(path)}) {
    if (!text.empty()) text += ui::kLineBreak;
    text += ui::kCentre;
    text += line;
  }
  report_run_error(run, text);
  throw platform::ProgramExit{kBusyExitCode};
}

}  // namespace

RunLock::RunLock(Session& run) {
  const std::string folder = run.loc.target_root + std::string(kRunFolder);
  const std::string path = folder + platform::kSeparator + std::string(kLockFile);
  if (!platform::is_directory(folder) && !platform::make_directory(folder))
    refuse(run, cp852("Nie można utworzyć katalogu"), cp852("plików przebiegu:"), folder);
  const bool opened = file_.open(path, platform::File::Mode::kReadWrite) ||
                      file_.open(path, platform::File::Mode::kCreate);
  if (!opened) refuse(run, cp852("Brak dostępu do pliku blokady"), cp852("instalacji 2018:"), path);
  if (!file_.lock(0, 1))
    refuse(run, cp852("Dane tej instalacji 2018 przenosi"), cp852("już inne stanowisko (blokada):"), path);
}

}  // namespace vx::driver
