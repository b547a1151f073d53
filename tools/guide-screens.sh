#!/usr/bin/env bash
# Checks the screens of the operator's guide against the program, or with
# --update writes the program's screens into the guide. Builds the program
# and the sample generator in build/ first.
#   tools/guide-screens.sh [--update]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh python3-markdown
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j"$(nproc)" --target vx17-18 vx-sample >/dev/null
exec /usr/bin/python3 tools/guide_screens.py build/vx17-18 build/vx-sample docs/instrukcja.md "$@"
