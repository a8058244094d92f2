#!/usr/bin/env bash
# Installs what is missing, builds with optimisation and runs the benchmark: the whole command
# headless and through the real window (offscreen, and on an X display: a virtual one when
# there is none), against the engine replaying the same statements.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${LOSTRAND_BUILD_DIR:-$root/build-bench}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOSTRAND_BUILD_TESTS=OFF
cmake --build "$build" --parallel --target lostrand-bench

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
fi
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$build/bench/lostrand-bench" "$@"
fi
exec "$build/bench/lostrand-bench" "$@"
