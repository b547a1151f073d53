#include "platform/quiet_console.hpp"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "platform/process.hpp"
#include "platform/key_codes.hpp"
#include "platform/stop_request.hpp"

namespace vx::platform {

KeyEvent QuietConsole::read_key() {
  stop_if_requested();
  return KeyEvent{.code = keys::kEsc};
}

void QuietConsole::sleep_ms(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  stop_if_requested();
}

int QuietConsole::seconds_of_day() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local ? local->tm_hour * 3600 + local->tm_min * 60 + local->tm_sec : 0;
}

void QuietConsole::write_stdout(std::string_view cp852) {
  write_standard(StandardStream::kOutput, cp852);  // a closed pipe: nobody reads
}

void QuietConsole::finish(int) { std::fflush(stdout); }

}  // namespace vx::platform
