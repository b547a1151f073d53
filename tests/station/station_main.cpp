// The second station of the lock tests on Windows:
//   vx-station hold|insert FILE
// writes one byte to standard output once it holds the whole-file lock and,
// for "hold", keeps it until standard input ends.
#include <cstdio>
#include <string>

#include "support/second_station.hpp"

int main(int argc, char** argv) {
  if (argc != 3) return 1;
  const std::string job = argv[1];
  if (job != "hold" && job != "insert") return 1;
  return vx::test::run_station_job(
      job == "hold" ? vx::test::StationJob::kHold : vx::test::StationJob::kHoldAndInsert, argv[2],
      [] {
        std::fputc('x', stdout);
        std::fflush(stdout);
      },
      [] { (void)std::fgetc(stdin); });
}
