#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${LOSTRAND_BUILD_DIR:-$root/build}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOSTRAND_BUILD_TESTS=OFF
cmake --build "$build" --parallel --target lostrand
exec "$build/src/app/lostrand"
