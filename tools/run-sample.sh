#!/usr/bin/env bash
# Sets everything up, writes a fresh sample installation and runs the
# program on it in this terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vx17-18 vx-sample >/dev/null
sample="${VX_SAMPLE_DIR:-/tmp/vx17-18-sample}"
rm -rf "$sample"
build/vx-sample "$sample" --pth build/vx17-18.PTH
exec build/vx17-18
