#!/usr/bin/env bash
# Generates an office of 200 companies, migrates it headless with the Polish
# letters converted, and copies the same 2017 tree with cp -r; prints both
# times, their ratio and the migration's peak memory.
#   bench/migrate_office.sh [companies] [persons] [documents]
#   VX_BENCH_BUILD=build bench/migrate_office.sh   (programs of an existing build)
#   VX_BENCH_DIR=/dev/shm bench/migrate_office.sh  (office kept in another file system)
set -euo pipefail
cd "$(dirname "$0")/.."
companies="${1:-200}"
persons="${2:-50}"
documents="${3:-200}"

# VX_BENCH_BUILD names an existing build directory to take the two programs
# from instead of building them in build-bench.
build="${VX_BENCH_BUILD:-build-bench}"
if [ -z "${VX_BENCH_BUILD:-}" ]; then
  cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build build-bench -j"$(nproc)" --target vx17-18 vx-sample >/dev/null
fi

work="$(mktemp -d "${VX_BENCH_DIR:-/tmp}/vxbench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
cp "$build/vx17-18" "$work/bin/"
"$build/vx-sample" "$work/office" --companies "$companies" --persons "$persons" \
  --docs "$documents" --pth "$work/bin/vx17-18.PTH" >/dev/null
size=$(du -sm "$work/office/WEX_2017" | cut -f1)

# Wizard: page 1 on the character standard (third control), its second
# choice, then on through the pages; F5 starts and takes every company. Every
# question after that is answered "n" (keep a found file, no to hiding).
script="$work/keys"
{
  printf 'Tab\nTab\nDown\nSpace\nPgDn\nPgDn\nPgDn\nF5\nF5\n'
  head -n 200000 < <(yes n)
} > "$script"

sync
start=$(date +%s.%N)
/usr/bin/time -f '%M' -o "$work/peak" env VX_CONSOLE=script "$work/bin/vx17-18" < "$script" > "$work/screens" || {
  echo "migration failed, last screens:" >&2
  tail -n 40 "$work/screens" >&2
  exit 1
}
migrate=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
grep -q -- '--- exit 0 ---' "$work/screens" || { echo "migration did not end normally" >&2; tail -n 30 "$work/screens" >&2; exit 1; }

sync
start=$(date +%s.%N)
cp -r "$work/office/WEX_2017" "$work/plain-copy"
copy=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')

printf 'office: %s companies, %s persons, %s documents per month file, %s MB\n' \
  "$companies" "$persons" "$documents" "$size"
printf 'migration:  %.2f s\nplain copy: %.2f s\nratio:      %.2f\npeak memory: %s KB\n' \
  "$migrate" "$copy" "$(awk -v m="$migrate" -v c="$copy" 'BEGIN { printf "%.2f", m / c }')" "$(cat "$work/peak")"
