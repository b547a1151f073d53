#pragma once
// Ctrl+C, a closed terminal or a polite kill asks the run to stop. The work
// stops at the next safe point (a key wait, a pause, the next block of a
// copy), where RunStopped unwinds to main: the company being built is
// discarded on the way, the terminal restored, and the program ends with 130.
namespace vx::platform {

struct RunStopped {};

inline constexpr int kStoppedExitCode = 130;

// SIGINT, SIGTERM and SIGHUP (the console's Ctrl+C and close on Windows)
// ask for a stop; a second one ends the program at once, after last_resort.
void install_stop_handlers(void (*last_resort)() = nullptr);
bool stop_requested();
// Throws RunStopped when a stop was asked for.
void stop_if_requested();

}  // namespace vx::platform
