#include "platform/stop_request.hpp"

#include <csignal>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#endif

namespace vx::platform {

namespace {

volatile std::sig_atomic_t g_requests = 0;
void (*g_last_resort)() = nullptr;

#ifdef _WIN32
BOOL WINAPI on_console_event(DWORD) {
  const bool again = g_requests > 0;
  g_requests = 1;
  if (again) {
    if (g_last_resort) g_last_resort();
    return FALSE;  // the system's own handling: the process ends
  }
  return TRUE;
}
#else
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Only async-signal-safe calls from here.
void on_stop_signal(int signal_number) {
  const bool again = g_requests > 0;
  g_requests = 1;
  if (!again) return;
  if (g_last_resort) g_last_resort();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}
#endif

}  // namespace

void install_stop_handlers(void (*last_resort)()) {
  g_last_resort = last_resort;
#ifdef _WIN32
  SetConsoleCtrlHandler(on_console_event, TRUE);
#else
  // No SA_RESTART: a stop must wake a waiting read.
  struct sigaction action {};
  action.sa_handler = on_stop_signal;
  sigemptyset(&action.sa_mask);
  for (int s : kStopSignals) sigaction(s, &action, nullptr);
#endif
}

bool stop_requested() { return g_requests > 0; }

void stop_if_requested() {
  if (g_requests > 0) throw RunStopped{};
}

}  // namespace vx::platform
