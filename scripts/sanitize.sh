#!/usr/bin/env bash
# Builds the tests of the readers of outside input, the phone server and the wired program with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-asan/ (ccache as for the normal build) and runs them; any finding fails
# the run. scripts/test.sh runs it after the normal tests.
# Usage: scripts/sanitize.sh [extra ctest arguments]
# MERVEX_BUILD_ARGS goes to Ninja as for scripts/build.sh; MERVEX_ASAN_BUILD_DIR moves the build folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
build="${MERVEX_ASAN_BUILD_DIR:-$root/build-asan}"
tests=(
  # Readers of outside input: the fuzz corpus replay through every fuzz target, the JSON dialect, encrypted
  # values, configuration folders and the user's files, grid signatures, zip helpers and package import and
  # export, plug-in signatures, HTML repair, and the mail and news-feed sources with their popups.
  test_fuzzcorpus test_json test_cryptstring test_cfgjsonfile test_cfgload test_usercfg test_userfiles
  test_gridsigverifier test_ziputils test_dataexchange test_exchangeexport test_certificatecheck test_tidyhtml2xml
  test_maildecode test_mailfetch test_datasrcemail test_newsfeed
  # The phone server: HTTP requests, WebSocket framing and handshake, sessions, the runtime's views pushed to a
  # phone, and the switch to a started program's grid.
  test_httprequestreader test_wsframeparser test_qwssocket test_netserver test_netruntime test_programswitch
  # The log, the widget base, and the wired program: updates downloaded from a local server, pairing and
  # packages through the window, and the program's start and close sequence.
  test_logger test_widgetbases test_autoupdate test_wiredpairing test_wiredpackages program_smoke
)
# No benchmarks; line tables are enough for the reports, and -O1 is the sanitizers' own advice (and compiles a
# third faster than -O2).
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERVEX_SANITIZE=ON \
  -DMERVEX_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
start=$(date +%s)
targets=()
for t in "${tests[@]}"; do
  case "$t" in
    program_smoke) targets+=(--target vellichor) ;;
    *) targets+=(--target "$t") ;;
  esac
done
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
