#include "platform/terminal_tty.hpp"

#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iterator>

#include "platform/stop_request.hpp"

namespace vx::platform::tty {

namespace {

// The terminal is one per process, and signal handlers can reach only
// process-wide state: what they need lives here.
termios g_found_modes{};
bool g_have_modes = false;
bool g_guarded = false;
char g_undo[256];
volatile sig_atomic_t g_undo_length = 0;
volatile sig_atomic_t g_resized = 0;
std::terminate_handler g_previous_terminate = nullptr;

// SIGHUP, SIGINT and SIGTERM ask the run to stop (stop_request); a second
// one comes here through put_back_terminal.
constexpr int kFatalSignals[] = {SIGQUIT, SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
struct sigaction g_previous_actions[std::size(kFatalSignals)];
struct sigaction g_previous_winch;

// Only async-signal-safe calls from here.
void put_back_terminal() {
  // Once only: a second rmcup would move the cursor back over what was
  // printed since (a fault after std::terminate gets here twice).
  const auto length = static_cast<std::size_t>(g_undo_length);
  g_undo_length = 0;
  std::size_t done = 0;
  while (done < length) {
    const ssize_t n = ::write(STDOUT_FILENO, g_undo + done, length - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (g_have_modes) ::tcsetattr(STDIN_FILENO, TCSANOW, &g_found_modes);
}

void on_fatal_signal(int signal_number) {
  put_back_terminal();
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

void on_resize(int) { g_resized = 1; }

void on_terminate() {
  put_back_terminal();
  if (g_previous_terminate) g_previous_terminate();
  std::abort();
}

}  // namespace

void install_guards() {
  if (g_guarded) return;
  g_have_modes = ::tcgetattr(STDIN_FILENO, &g_found_modes) == 0;
  struct sigaction action {};
  action.sa_handler = on_fatal_signal;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < std::size(kFatalSignals); ++i)
    ::sigaction(kFatalSignals[i], &action, &g_previous_actions[i]);
  // No SA_RESTART: a resize must wake a waiting read.
  struct sigaction winch {};
  winch.sa_handler = on_resize;
  sigemptyset(&winch.sa_mask);
  ::sigaction(SIGWINCH, &winch, &g_previous_winch);
  g_previous_terminate = std::set_terminate(on_terminate);
  install_stop_handlers(put_back_terminal);
  g_guarded = true;
}

void remove_guards() {
  if (!g_guarded) return;
  for (std::size_t i = 0; i < std::size(kFatalSignals); ++i)
    ::sigaction(kFatalSignals[i], &g_previous_actions[i], nullptr);
  ::sigaction(SIGWINCH, &g_previous_winch, nullptr);
  std::set_terminate(g_previous_terminate);
  install_stop_handlers();
  g_undo_length = 0;
  g_guarded = false;
}

void set_undo_sequence(std::string_view sequence) {
  g_undo_length = 0;
  const std::size_t n = std::min(sequence.size(), sizeof g_undo);
  std::copy_n(sequence.data(), n, g_undo);
  g_undo_length = static_cast<sig_atomic_t>(n);
}

namespace {
// Ctrl+C must stop the run even while the program reads no key: the
// terminal turns it into SIGINT. Its other signal keys stay ordinary keys.
void ctrl_c_as_signal(termios& modes) {
  modes.c_lflag |= ISIG;
  modes.c_cc[VINTR] = 0x03;
  modes.c_cc[VQUIT] = _POSIX_VDISABLE;
  modes.c_cc[VSUSP] = _POSIX_VDISABLE;
#ifdef VDSUSP
  modes.c_cc[VDSUSP] = _POSIX_VDISABLE;
#endif
}
}  // namespace

void enter_raw_input() {
  if (!g_have_modes) return;
  termios raw = g_found_modes;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
  raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | ISTRIP | BRKINT);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  ctrl_c_as_signal(raw);
  ::tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

void keep_ctrl_c_as_signal() {
  termios modes{};
  if (::tcgetattr(STDIN_FILENO, &modes) != 0) return;
  ctrl_c_as_signal(modes);
  ::tcsetattr(STDIN_FILENO, TCSANOW, &modes);
}

void restore_modes() {
  if (g_have_modes) ::tcsetattr(STDIN_FILENO, TCSANOW, &g_found_modes);
}

ReadResult read_input(std::string& into, int timeout_ms) {
  pollfd fd{STDIN_FILENO, POLLIN, 0};
  const int ready = ::poll(&fd, 1, timeout_ms);
  if (ready < 0) return errno == EINTR ? ReadResult::kInterrupted : ReadResult::kClosed;
  if (ready == 0) return ReadResult::kTimeout;
  char buffer[256];
  const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (n < 0) return errno == EINTR || errno == EAGAIN ? ReadResult::kInterrupted : ReadResult::kClosed;
  if (n == 0) return ReadResult::kClosed;
  into.append(buffer, static_cast<std::size_t>(n));
  return ReadResult::kBytes;
}

bool take_resize() {
  if (!g_resized) return false;
  g_resized = 0;
  return true;
}

std::optional<WindowSize> window_size() {
  winsize ws{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) != 0 || ws.ws_col == 0 || ws.ws_row == 0)
    return std::nullopt;
  return WindowSize{ws.ws_col, ws.ws_row};
}

void write_out(std::string_view bytes) {
  std::fflush(stdout);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace vx::platform::tty
