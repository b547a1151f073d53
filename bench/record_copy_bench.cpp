// Copies a large record file through the record copies, with a converter
// that converts the Polish letters of a few text fields of every record, and
// prints MB/s next to a plain cp of the same file.
//
//   vx-record-bench [directory] [megabytes] [record length]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "driver/session.hpp"
#include "platform/filesystem.hpp"
#include "platform/script_console.hpp"
#include "recordfile/text_fields.hpp"
#include "transfer/byte_copy.hpp"
#include "transfer/record_copy.hpp"

namespace {

using vx::ConstRecordView;
using vx::RecordView;
using vx::Session;
using vx::TextField;

// Four text fields in the shape of a document record; records too short for
// all of them get those that fit.
constexpr TextField kDocumentTexts[] = {{32, 22}, {55, 18}, {74, 36}, {148, 36}};
std::span<const TextField> texts = kDocumentTexts;

void fit_texts(std::size_t record_length) {
  std::size_t n = 0;
  while (n < std::size(kDocumentTexts) &&
         kDocumentTexts[n].offset + kDocumentTexts[n].capacity < record_length)
    ++n;
  texts = std::span(kDocumentTexts, n);
}

bool convert_in_place(const vx::charset::Charsets& cs, RecordView rec) {
  vx::convert_texts(rec, texts, cs);
  return true;
}

bool convert_into(const vx::charset::Charsets& cs, ConstRecordView old_record, RecordView new_record) {
  new_record.copy_from(old_record, 0, old_record.size());
  vx::convert_texts(new_record, texts, cs);
  return true;
}

void write_source(const std::string& path, std::size_t bytes, std::size_t record_length) {
  std::vector<std::uint8_t> record(record_length, 0);
  RecordView rec(record);
  const std::string mazovia = "Za\xA7\xA2\x92\x8D g\x91\x9El\x86 ja\xA6\xA4";  // zażółć gęślą jaźń
  for (const auto& f : texts) rec.set_text(f.offset, f.capacity, mazovia);
  vx::platform::File out;
  if (!out.open(path, vx::platform::File::Mode::kCreate)) {
    std::perror(path.c_str());
    std::exit(1);
  }
  for (std::size_t done = 0; done < bytes; done += record_length) {
    rec.set_u32(0, static_cast<std::uint32_t>(done / record_length));
    out.write(record.data(), std::min(record_length, bytes - done));
  }
  if (!out.close()) std::exit(1);
}

// Best of three runs, in seconds.
double best_of_three(const std::function<void()>& work, const std::string& target) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    std::filesystem::remove(target);
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
  const std::size_t megabytes = argc > 2 ? std::stoul(argv[2]) : 100;
  const auto record_length = static_cast<std::uint16_t>(argc > 3 ? std::stoul(argv[3]) : 400);
  const std::size_t bytes = megabytes * 1000 * 1000;
  const std::string source = dir + "/vxbench_" + std::to_string(::getpid()) + ".rek";
  const std::string target = source + ".out";

  if (record_length < 8) {
    std::fprintf(stderr, "record length below 8\n");
    return 1;
  }
  fit_texts(record_length);
  write_source(source, bytes, record_length);

  std::istringstream no_keys;
  std::ostringstream screens;
  vx::platform::ScriptConsole console(no_keys, screens);
  Session run(console);
  run.cs = {1, vx::charset::kMazovia, vx::charset::kCp852};
  run.transfer.overwrite_policy = vx::transfer::kReplaceAllFollowing;

  const std::string cp = "cp '" + source + "' '" + target + "'";
  const double mb = static_cast<double>(bytes) / 1e6;
  const auto report = [&](const char* what, double seconds) {
    std::printf("%-34s %8.3f s %9.1f MB/s\n", what, seconds, mb / seconds);
  };

  std::printf("%zu MB, %u-byte records, %zu text fields converted per record, Mazovia to CP852\n",
              megabytes, record_length, texts.size());
  const double cp_time = best_of_three(
      [&] {
        if (std::system(cp.c_str()) != 0) std::exit(1);
      },
      target);
  report("cp", cp_time);
  const double same_time = best_of_three(
      [&] {
        vx::transfer::copy_records(run.copier, source, target, record_length,
                                   [&](RecordView rec) { return convert_in_place(run.cs, rec); });
      },
      target);
  report("copy_records + converter", same_time);
  const double plain_time = best_of_three(
      [&] {
        run.cs.charset_mode = 0;
        vx::transfer::copy_records(run.copier, source, target, record_length);
        run.cs.charset_mode = 1;
      },
      target);
  report("copy_records, nothing converted", plain_time);
  const double two_time = best_of_three(
      [&] {
        vx::transfer::convert_records(
            run.copier, source, target, record_length, record_length,
            [&](ConstRecordView old, RecordView fresh) { return convert_into(run.cs, old, fresh); });
      },
      target);
  report("convert_records + converter", two_time);
  const double bytes_time =
      best_of_three([&] { vx::transfer::copy_bytes(run.copier, source, target, true); }, target);
  report("copy_bytes, converting", bytes_time);
  std::printf("copy_records reaches %.0f%% of cp\n", 100.0 * cp_time / same_time);

  std::filesystem::remove(source);
  std::filesystem::remove(target);
  return 0;
}
