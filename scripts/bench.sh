#!/usr/bin/env bash
# Installs what is missing, builds with optimisation and runs the whole-run benchmark.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${LOSTRAND_BUILD_DIR:-$root/build-bench}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOSTRAND_BUILD_TESTS=OFF
cmake --build "$build" --parallel --target lostrand-bench
exec "$build/bench/lostrand-bench" "$@"
