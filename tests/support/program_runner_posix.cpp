#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <thread>

#include "support/program_runner.hpp"

namespace vx::test {

ProgramResult run_program(const ProgramRun& r) {
  char in_name[] = "/tmp/vxinXXXXXX";
  char out_name[] = "/tmp/vxoutXXXXXX";
  char err_name[] = "/tmp/vxerrXXXXXX";
  const int in_fd = ::mkstemp(in_name);
  const int out_fd = ::mkstemp(out_name);
  const int err_fd = ::mkstemp(err_name);
  if (in_fd < 0 || out_fd < 0 || err_fd < 0) throw std::runtime_error("mkstemp failed");
  if (::write(in_fd, r.script.data(), r.script.size()) != static_cast<ssize_t>(r.script.size()))
    throw std::runtime_error("cannot write the key script");
  ::lseek(in_fd, 0, SEEK_SET);

  int held[2] = {-1, -1};
  if (r.hold_input) {
    if (::pipe(held) != 0) throw std::runtime_error("pipe failed");
    if (::write(held[1], r.script.data(), r.script.size()) != static_cast<ssize_t>(r.script.size()))
      throw std::runtime_error("cannot write the key script");
  }

  const std::string program = r.program.empty() ? std::string(VX_PROGRAM) : r.program;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(r.hold_input ? held[0] : in_fd, 0);
    if (r.hold_input) ::close(held[1]);
    ::dup2(out_fd, 1);
    ::dup2(err_fd, 2);
    if (!r.working_dir.empty() && ::chdir(r.working_dir.c_str()) != 0) ::_exit(120);
    // A clean environment; the run's own values replace the defaults.
    std::map<std::string, std::string> env = {{"VX_CONSOLE", "script"}, {"PATH", "/usr/bin:/bin"}};
    for (const auto& [k, v] : r.environment) env[k] = v;
    std::vector<std::string> env_strings;
    for (const auto& [k, v] : env) env_strings.push_back(k + "=" + v);
    if (const char* asan = std::getenv("ASAN_OPTIONS")) env_strings.push_back(std::string("ASAN_OPTIONS=") + asan);
    if (const char* ubsan = std::getenv("UBSAN_OPTIONS")) env_strings.push_back(std::string("UBSAN_OPTIONS=") + ubsan);
    std::vector<char*> envp;
    for (auto& s : env_strings) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::vector<std::string> args = {program};
    args.insert(args.end(), r.arguments.begin(), r.arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  int status = 0;
  if (r.signal_after_us >= 0) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(r.signal_after_us);
    bool ended = false;
    while (!ended && std::chrono::steady_clock::now() < deadline) {
      ended = ::waitpid(pid, &status, WNOHANG) == pid;
      if (!ended) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (!ended) {
      ::kill(pid, r.signal);
      ::waitpid(pid, &status, 0);
    }
  } else {
    ::waitpid(pid, &status, 0);
  }
  if (r.hold_input) {
    ::close(held[0]);
    ::close(held[1]);
  }
  ::close(in_fd);
  ::close(out_fd);
  ::close(err_fd);
  ProgramResult res;
  res.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  res.output = slurp_file(out_name);
  res.errors = slurp_file(err_name);
  res.screens = split_screens(res.output);
  ::unlink(in_name);
  ::unlink(out_name);
  ::unlink(err_name);
  return res;
}

}  // namespace vx::test
