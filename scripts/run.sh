#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo price list and target, and opens the window.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${LOSTRAND_BUILD_DIR:-$root/build}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOSTRAND_BUILD_TESTS=OFF \
    -DLOSTRAND_BUILD_BENCH=OFF
cmake --build "$build" --parallel --target lostrand lostrand-demo
# A fresh demo each time, so every run starts from the same price list and target.
"$build/src/demo/lostrand-demo" "$root/demo"
exec "$build/src/app/lostrand"
