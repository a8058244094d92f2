#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${LOSTRAND_BUILD_DIR:-$root/build-test}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOSTRAND_WERROR=ON
cmake --build "$build" --parallel
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
