#!/usr/bin/env bash
# Makes the Windows package vx17-18-<version>-win64.zip from the MinGW cross
# build: the static program, example vx17-18.PTH and vx17-18.LST, the
# profile template the program writes, and the operator's guide
# as one HTML page, all in a folder vx17-18-<version>-win64. The version is
# the CMake project's.
#   tools/package-windows.sh [BUILD_DIR [OUT_DIR]]     (build-win, BUILD_DIR)
# A build folder not yet configured is configured for Release; one that is
# (tools/windows-tests.sh makes an unoptimised one) is packaged as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-win}"
out="${2:-$build}"

bash tools/install-packages.sh cmake g++-mingw-w64-x86-64 python3-markdown wine64
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target vx17-18 >/dev/null
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || { echo "$build: no project version in CMakeCache.txt" >&2; exit 1; }
exe="$build/vx17-18.exe"

# Runs on a bare Windows: nothing but the system's own DLLs.
runtime="$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
           grep -iE 'libstdc|libgcc|libwinpthread|mingw' || true)"
if [ -n "$runtime" ]; then
  echo "$exe needs MinGW DLLs: $runtime" >&2
  exit 1
fi

name="vx17-18-$version-win64"
stage="$(mktemp -d /tmp/vxpkg.XXXXXX)"
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp "$exe" "$stage/$name/vx17-18.exe"
cp docs/przyklady/vx17-18.PTH docs/przyklady/vx17-18.LST "$stage/$name/"
/usr/bin/python3 tools/guide_html.py docs/instrukcja.md "$version" "$stage/$name/instrukcja.html"

# The unattended runs' profile template, written by the program itself.
(cd "$stage/$name" && VX_CONSOLE=script WINEDEBUG=-all wine ./vx17-18.exe /wzor:vx17-18.INI </dev/null >/dev/null)
[ -s "$stage/$name/vx17-18.INI" ] || { echo "vx17-18.exe /wzor wrote no vx17-18.INI" >&2; exit 1; }

mkdir -p "$out"
zip="$(cd "$out" && pwd)/$name.zip"
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip "$name")
echo "$zip"
