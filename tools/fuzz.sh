#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz and runs each for a bounded
# time; exits non-zero when any of them finds a crash, a leak or a sanitizer
# report. Inputs and scratch files live in one temporary directory, removed
# at the end.
#   tools/fuzz.sh [seconds per target]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"

bash tools/install-packages.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_FUZZ=ON \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets

work="$(mktemp -d /tmp/vxfuzzrun.XXXXXX)"
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Two targets at a time, one per core.
targets=(record_converters annual_settings ini_file register key_script)
failed=0
run_one() {
  local name="$1"
  mkdir -p "$work/corpus-$name" "$work/artifacts-$name"
  build-fuzz/tests/fuzz/fuzz_"$name" -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/artifacts-$name/" \
    "$work/corpus-$name" >"$work/log-$name" 2>&1
}
pids=()
for name in "${targets[@]}"; do
  run_one "$name" &
  pids+=("$!:$name")
  if [ ${#pids[@]} -ge 2 ]; then
    entry="${pids[0]}"; pids=("${pids[@]:1}")
    wait "${entry%%:*}" || { failed=1; echo "fuzz_${entry#*:} failed:"; tail -n 60 "$work/log-${entry#*:}"; }
  fi
done
for entry in "${pids[@]}"; do
  wait "${entry%%:*}" || { failed=1; echo "fuzz_${entry#*:} failed:"; tail -n 60 "$work/log-${entry#*:}"; }
done
for name in "${targets[@]}"; do
  printf 'fuzz_%-18s %s\n' "$name" "$(grep -m1 'stat::number_of_executed_units' "$work/log-$name" || echo 'no stats')"
  for crash in "$work/artifacts-$name"/*; do
    [ -e "$crash" ] || continue
    mkdir -p build-fuzz/crashes
    cp "$crash" build-fuzz/crashes/
    echo "  kept $(basename "$crash") in build-fuzz/crashes"
  done
done
exit "$failed"
