#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (ccache
# as for the normal build) and runs the suite; any finding fails the run. scripts/test.sh runs it after the normal
# tests.
# Usage: scripts/sanitize.sh [extra ctest arguments]
# MERVEX_BUILD_ARGS goes to Ninja as for scripts/build.sh; MERVEX_ASAN_BUILD_DIR moves the build folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
build="${MERVEX_ASAN_BUILD_DIR:-$root/build-asan}"
# Left out: the crash handler's test, whose helper commits faults on purpose (the sanitizers report and stop
# them before the handler under test sees them), and the test that builds an outside C program against the
# installed connectivity library (an uninstrumented program cannot load an instrumented library).
left_out="^(test_crashhandler|install_zynapi)\$"
# No benchmarks; line tables are enough for the reports, and -O1 is the sanitizers' own advice (and compiles a
# third faster than -O2).
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERVEX_SANITIZE=ON \
  -DMERVEX_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
start=$(date +%s)
cmake --build "$build" -- ${MERVEX_BUILD_ARGS:-}
echo "Sanitizer build took $(( $(date +%s) - start )) s"

# Leaks inside the toolkit and system libraries are suppressed, each explained in sanitize.supp, and so are reports
# from inside system libraries explained in asan.supp; any finding in the program's own code ends the test that
# met it.
export ASAN_OPTIONS="suppressions=$root/scripts/asan.supp:detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/sanitize.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
# The test command's runtime folder (with its sound server) when there is one, else a private one.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
  export XDG_RUNTIME_DIR="$(mktemp -d /tmp/mervex-asan-XXXXXX)"
  chmod 700 "$XDG_RUNTIME_DIR"
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
start=$(date +%s)
cd "$build"
ctest --output-on-failure -j "$(nproc)" -E "$left_out" "$@"
echo "Sanitizer tests took $(( $(date +%s) - start )) s"
