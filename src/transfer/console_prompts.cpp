#include "transfer/console_prompts.hpp"

#include <algorithm>

#include "charset/cp852.hpp"
#include "platform/filesystem.hpp"

namespace vx::transfer {

void set_colour(Session& run, std::uint8_t colour) { run.out.set_color(colour); }

std::size_t room_on_line(Session& run) {
  const auto& w = run.out.window();
  // Room up to the screen column before the window's right edge counted from
  // 0 (the last screen column stays empty), never past the window itself.
  const int x = run.out.x();
  const int room = std::min((w.right - 1) - x + 1, w.width() - x + 1);
  return room > 0 ? static_cast<std::size_t>(room) : 0;
}

void write_clipped(Session& run, std::string_view text) {
  const std::size_t room = room_on_line(run);
  if (room == 0) return;
  run.out.write(text.substr(0, std::min(text.size(), room)));
}

namespace {
// Whether print_line writes on row y of the window, counted from 1, or
// starts a cleared window instead.
bool row_takes_a_line(Session& run, int y) {
  const auto& w = run.out.window();
  return y + (w.top - 1) < w.bottom - 1;
}
}  // namespace

void print_line(Session& run, std::string_view text) {
  const int y = run.out.y();
  int next;
  if (row_takes_a_line(run, y)) {
    write_clipped(run, text);
    next = y + 1;
  } else {
    run.out.clear();
    write_clipped(run, text);
    next = 2;
  }
  run.out.go_to(1, next);
}

void failure_line(Session& run, std::string_view text) {
  if (run.out.x() != 1) {
    const int next = run.out.y() + 1;
    if (next <= run.out.window().height())
      run.out.go_to(1, next);
    else
      run.out.clear();
  }
  set_colour(run, kError);
  print_line(run, text);
  set_colour(run, kNormal);
}

std::uint8_t read_key(Session& run) {
  run.console.show_cursor(true);
  const auto key = run.console.read_key();
  while (run.console.key_waiting()) run.console.read_key();
  run.console.show_cursor(false);
  // The operator had the time to change files meanwhile.
  platform::forget_listings();
  return key.ch();
}

bool ask_yes_no(Session& run, std::string_view question) {
  // The question and its answers on one page: on the window's last line the
  // answers would start a cleared window and the operator would be asked
  // without seeing what.
  if (!row_takes_a_line(run, run.out.y() + 1)) {
    run.out.clear();
    run.out.go_to(1, 1);
  }
  set_colour(run, kError);
  print_line(run, question);
  set_colour(run, kOffered);
  print_line(run, cp852(" T - tak     "));
  write_clipped(run, cp852(" N - nie ? "));
  set_colour(run, kKeyHint);
  write_clipped(run, cp852("  T / N    "));
  std::uint8_t k;
  do {
    k = charset::upper_char(read_key(run));
  } while (k != 'T' && k != 'N');
  set_colour(run, kNormal);
  print_line(run, "");
  return k == 'T';
}

void pause_if_slow(Session& run) {
  if (run.options.show_slowly) run.console.sleep_ms(1500);
}

void clear_screen(Session& run) { run.out.clear(); }

std::uint64_t file_size_of(std::string_view name) {
  const auto e = platform::find_entry(name);
  return e && !e->is_dir ? e->size : 0;
}

bool directory_exists(std::string_view path) { return platform::is_directory(path); }

}  // namespace vx::transfer
