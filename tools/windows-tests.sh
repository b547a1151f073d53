#!/usr/bin/env bash
# Cross-builds the Windows program and the whole test suite with MinGW-w64,
# runs every test binary under wine, makes the Windows package, then migrates
# one sample office with the Linux program and with the Windows one unpacked
# from the package and compares the 2018 trees byte by byte. Exits non-zero
# on any failure.
#   tools/windows-tests.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

bash tools/install-packages.sh cmake g++-mingw-w64-x86-64 wine64 libgtest-dev

jobs="$(nproc)"
start=$(date +%s)
# Unoptimised and without debug data: the cross build is the slow part and
# the tests are small.
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DCMAKE_C_FLAGS_DEBUG=-O0 >/dev/null
cmake --build build-win -j"$jobs"
echo "cross build: $(( $(date +%s) - start )) s"

# A prefix of its own, no display and no wine chatter: the tests must not
# need a window.
WINEPREFIX="$(mktemp -d /tmp/vxwine.XXXXXX)"
work="$(mktemp -d /tmp/vxwin.XXXXXX)"
export WINEPREFIX WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT
start=$(date +%s)
wineboot -i >/dev/null 2>&1 || true
echo "wine prefix: $(( $(date +%s) - start )) s"

failed=0
for test in build-win/tests/vx_unit_tests.exe build-win/tests/vx_e2e_tests.exe; do
  name="$(basename "$test" .exe)"
  log="build-win/$name.log"
  start=$(date +%s)
  rc=0
  wine "$test" --gtest_color=no >"$log" 2>&1 || rc=$?
  echo "== $name under wine: $(( $(date +%s) - start )) s"
  grep -E '^\[( +PASSED +| +FAILED +| +SKIPPED +|==========)\]' "$log" || true
  if [ "$rc" -eq 0 ] && grep -q '^\[  FAILED  \]' "$log"; then rc=1; fi
  if [ "$rc" -ne 0 ]; then
    echo "$name failed (exit $rc), see $log" >&2
    # Each failed test's own output, then the end of the log.
    awk '/^\[ RUN/{buf=""} {buf=buf $0 "\n"} /^\[  FAILED  \] .*\(/{printf "%s", buf}' "$log" | head -n 200 >&2
    tail -n 20 "$log" >&2
    failed=1
  fi
done

# The Windows package, made from this build; the program that migrates the
# office under wine below is the one unpacked from it, beside the package's
# example side files (its vx17-18.LST holds only notes: nothing more is
# carried than on Linux, where there is none).
echo "== the Windows package =="
start=$(date +%s)
package="$(bash tools/package-windows.sh build-win "$work" | tail -n 1)"
mkdir -p "$work/unpacked" "$work/windows"
(cd "$work/unpacked" && cmake -E tar xf "$package")
mv "$work/unpacked/$(basename "$package" .zip)" "$work/windows/bin"
for f in vx17-18.exe vx17-18.PTH vx17-18.LST vx17-18.INI instrukcja.html; do
  [ -s "$work/windows/bin/$f" ] || { echo "$(basename "$package") holds no $f" >&2; failed=1; }
done
echo "$(basename "$package"): $(du -k "$package" | cut -f1) KB ($(( $(date +%s) - start )) s)"

# One sample office migrated headless by both programs from the same files:
# Polish letters converted, every company taken, every question answered "n".
echo "== the same office migrated on Linux and under wine =="
start=$(date +%s)
if [ ! -x build/vx17-18 ] || [ ! -x build/vx-sample ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$jobs" --target vx17-18 vx-sample >/dev/null
fi
build/vx-sample "$work/office" --companies 6 --persons 8 --docs 15 --seed 31 >/dev/null
{
  printf 'Tab\nTab\nDown\nSpace\nPgDn\nPgDn\nPgDn\nF5\nF5\n'
  head -n 5000 < <(yes n)
} > "$work/keys"
for side in linux windows; do
  mkdir -p "$work/$side/bin"
  cp -r "$work/office" "$work/$side/office"
done
cp build/vx17-18 "$work/linux/bin/"
printf 'WEX_2017=%s\nWEX_2018=%s\n' "$work/linux/office/WEX_2017" "$work/linux/office/WEX_2018" \
  > "$work/linux/bin/vx17-18.PTH"
winpath() { printf 'Z:%s' "${1//\//\\}"; }
printf 'WEX_2017=%s\r\nWEX_2018=%s\r\n' "$(winpath "$work/windows/office/WEX_2017")" \
  "$(winpath "$work/windows/office/WEX_2018")" > "$work/windows/bin/vx17-18.PTH"

(cd "$work" && VX_CONSOLE=script linux/bin/vx17-18 < keys > linux.screens 2>&1) || true
(cd "$work" && VX_CONSOLE=script wine windows/bin/vx17-18.exe < keys > windows.screens 2>&1) || true
for side in linux windows; do
  if ! grep -q -- '--- exit 0 ---' "$work/$side.screens"; then
    echo "the $side migration did not end normally:" >&2
    tail -n 30 "$work/$side.screens" >&2
    failed=1
  fi
done
# Byte for byte, except the line of FIRMATXT.INI that records where the
# company's 2017 folder was, each in its own system's form, and the
# run-level folder VX1718 (the run's own report and journal, named by the
# time of each run).
files=$(find "$work/linux/office/WEX_2018" -path '*/VX1718' -prune -o -type f -print | wc -l)
if diff -r -x VX1718 -I '^WEX2017=' "$work/linux/office/WEX_2018" "$work/windows/office/WEX_2018" >&2 &&
   diff -r "$work/office/WEX_2017" "$work/windows/office/WEX_2017" >&2 &&
   [ "$files" -gt 1 ]; then
  echo "2018 trees identical: $files files ($(( $(date +%s) - start )) s)"
else
  echo "the 2018 trees differ (or the run carried nothing)" >&2
  failed=1
fi
for ini in "$work/windows/office/WEX_2018"/*/FIRMATXT.INI; do
  dir="$(basename "$(dirname "$ini")")"
  want="WEX2017=$(winpath "$work/windows/office/WEX_2017")\\$dir"
  grep -qxF "$want"$'\r' "$ini" || grep -qxF "$want" "$ini" || {
    echo "$ini does not name its 2017 folder as $want" >&2
    failed=1
  }
done

exit "$failed"
