#!/usr/bin/env bash
# Builds a small set of tests with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (ccache as for
# the normal build) and runs them: the replay of every fuzz corpus through its reader, the logger, the JSON
# dialect, the encrypted values, and the mail and news-feed sources with their popups.
# Usage: scripts/sanitize.sh [extra ctest arguments]
# MERVEX_BUILD_ARGS goes to Ninja as for scripts/build.sh; MERVEX_ASAN_BUILD_DIR moves the build folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
build="${MERVEX_ASAN_BUILD_DIR:-$root/build-asan}"
tests=(test_fuzzcorpus test_logger test_json test_cryptstring test_maildecode test_mailfetch test_datasrcemail
       test_newsfeed)
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERVEX_SANITIZE=ON \
    -DMERVEX_BUILD_BENCH=OFF >/dev/null
fi
start=$(date +%s)
targets=()
for t in "${tests[@]}"; do targets+=(--target "$t"); done
cmake --build "$build" "${targets[@]}" -- ${MERVEX_BUILD_ARGS:-}
echo "Sanitizer build took $(( $(date +%s) - start )) s"

# Leaks inside the toolkit and system libraries are suppressed, each explained in the file; any finding in the
# program's own code ends the test that met it.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitize.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d /tmp/mervex-asan-XXXXXX)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
regex="^($(IFS='|'; echo "${tests[*]}"))\$"
start=$(date +%s)
cd "$build"
ctest --output-on-failure -j "$(nproc)" -R "$regex" "$@"
echo "Sanitizer tests took $(( $(date +%s) - start )) s"
