#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "support/second_station.hpp"

// The other station is a forked copy of the test process.
namespace vx::test {

struct SecondStation::Process {
  pid_t pid = -1;
  int holding[2] = {-1, -1};
  int release[2] = {-1, -1};
  bool released = false;
  int exit_code = -1;
};

SecondStation::SecondStation(StationJob job, const std::string& path) : process_(std::make_unique<Process>()) {
  auto& p = *process_;
  if (::pipe(p.holding) != 0 || ::pipe(p.release) != 0) throw std::runtime_error("no pipe for the second station");
  p.pid = ::fork();
  if (p.pid < 0) throw std::runtime_error("the second station could not start");
  if (p.pid == 0) {
    ::close(p.holding[0]);
    ::close(p.release[1]);
    const int code = run_station_job(
        job, path, [&] { (void)!::write(p.holding[1], "x", 1); },
        [&] {
          char c;
          (void)!::read(p.release[0], &c, 1);
        });
    ::_exit(code);
  }
  ::close(p.holding[1]);
  ::close(p.release[0]);
  char c = 0;
  // Nothing comes when the station ends without the lock.
  if (::read(p.holding[0], &c, 1) != 1 || c != 'x') {
    finish();
    throw std::runtime_error("the second station did not take the lock");
  }
}

SecondStation::~SecondStation() { finish(); }

void SecondStation::release() {
  auto& p = *process_;
  if (p.released) return;
  p.released = true;
  // The end of the pipe lets it go; a write could meet a station already gone.
  ::close(p.release[1]);
}

int SecondStation::finish() {
  auto& p = *process_;
  release();
  if (p.pid <= 0) return p.exit_code;
  int status = 0;
  ::waitpid(p.pid, &status, 0);
  p.pid = -1;
  ::close(p.holding[0]);
  p.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return p.exit_code;
}

}  // namespace vx::test
