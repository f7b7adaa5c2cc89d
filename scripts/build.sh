#!/usr/bin/env bash
# Configures and builds into build/ with Ninja (and ccache when present).
# Usage: scripts/build.sh [target ...]   (no target: everything, tests and benchmarks too)
# MERVEX_BUILD_ARGS goes to Ninja, e.g. MERVEX_BUILD_ARGS=-j2 to limit the parallel jobs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
build="${MERVEX_BUILD_DIR:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
start=$(date +%s)
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" "${targets[@]}" -- ${MERVEX_BUILD_ARGS:-}
echo "Build took $(( $(date +%s) - start )) s"
