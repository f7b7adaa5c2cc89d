#!/usr/bin/env bash
# Configures and builds into build/ with Ninja (and ccache when present).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
build="${MERVEX_BUILD_DIR:-$root/build}"
# Configuring again is cheap and picks up sources that appeared in a folder's glob.
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
else
  before=$(cksum < "$build/build.ninja")
  cmake "$build" >/dev/null
  # A new source in a folder's glob changes the build file; make automoc rescan, since it does not
  # notice headers that it never saw before.
  if [ "$before" != "$(cksum < "$build/build.ninja")" ]; then
    find "$build" -path '*_autogen/timestamp' -delete
  fi
fi
start=$(date +%s)
cmake --build "$build" -- ${MERVEX_BUILD_ARGS:-}
echo "Build took $(( $(date +%s) - start )) s"
