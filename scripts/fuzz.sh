#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a while.
# Usage: scripts/fuzz.sh [seconds per target, default 120] [target ...]
# Targets: http wsframe json usercfg datafolder zipimport maildecode newsfeed wshandshake clientmessage zynxml
# New inputs go to build-fuzz/corpus-<target>; merge the interesting ones into fuzz/corpus/<target>
# with: build-fuzz/fuzz/fuzz_<target> -merge=1 fuzz/corpus/<target> build-fuzz/corpus-<target>
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
secs="${1:-120}"
shift || true
targets=("${@:-http wsframe json usercfg datafolder zipimport maildecode newsfeed wshandshake clientmessage zynxml}")
build="$root/build-fuzz"
bash "$root/scripts/deps.sh"
# Only fuzzing needs clang and its fuzzer runtime, so they are not in the build's package list.
for p in clang libclang-rt-14-dev; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$p" >/dev/null
  fi
done
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMERVEX_FUZZ=ON -DMERVEX_BUILD_TESTS=OFF -DMERVEX_BUILD_BENCH=OFF >/dev/null
fi
for t in ${targets[@]}; do
  cmake --build "$build" --target "fuzz_$t" -- ${MERVEX_BUILD_ARGS:-}
done
# Leaks inside system libraries are suppressed, each explained in the file.
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for t in ${targets[@]}; do
  mkdir -p "$build/corpus-$t"
  "$build/fuzz/fuzz_$t" -max_total_time="$secs" -max_len=70000 -rss_limit_mb=2048 \
    -artifact_prefix="$build/crash-$t-" "$build/corpus-$t" "$root/fuzz/corpus/$t"
done
