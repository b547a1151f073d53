#include "fuzz_support.hpp"

#include <cstdlib>
#include <deque>
#include <fstream>
#include <system_error>
#include <unistd.h>

#include "platform/key_codes.hpp"

namespace vx::fuzz {

namespace fs = std::filesystem;

namespace {

struct Scratch {
  Scratch() {
    const char* base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/vxfuzz.XXXXXX";
    if (!::mkdtemp(templ.data())) std::abort();
    path = templ;
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path path;
};

std::deque<platform::KeyEvent> answers(std::uint8_t seed) {
  namespace k = platform::keys;
  static const std::uint16_t kAnswers[] = {
      k::kEnter, k::kEsc, k::char_key('t'), k::char_key('n'), k::char_key('A'),
      k::char_key('B'), k::char_key('N'), k::char_key('z'), k::char_key('w'), k::kF5,
  };
  constexpr std::size_t kCount = sizeof kAnswers / sizeof kAnswers[0];
  std::deque<platform::KeyEvent> keys;
  for (std::size_t i = 0; i < 24; ++i)
    keys.push_back(platform::KeyEvent{kAnswers[(seed + i * (1 + seed % 3)) % kCount], 0});
  return keys;
}

}  // namespace

const fs::path& scratch() {
  static Scratch s;
  return s.path;
}

fs::path fresh_dir(const std::string& name) {
  const fs::path p = scratch() / name;
  std::error_code ec;
  fs::remove_all(p, ec);
  fs::create_directories(p);
  return p;
}

void write_bytes(const fs::path& p, std::span<const std::uint8_t> bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::abort();  // the scratch directory must take the input
}

FuzzRun::FuzzRun(std::uint8_t seed) : console(answers(seed)), run(std::make_unique<Session>(console)) {
  run->out.set_window(ui::kFullScreen);
  run->env.sound_off = true;
  run->ui.sound_off = true;
}

void set_standards(Session& run, std::uint8_t pick) {
  run.cs.charset_mode = pick & 1;
  run.cs.source_charset = (pick & 2) ? charset::kMazovia : charset::kCp852;
  run.cs.target_charset = (pick & 4) ? charset::kMazovia : charset::kCp852;
}

}  // namespace vx::fuzz
