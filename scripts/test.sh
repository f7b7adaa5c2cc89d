#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh"
build="${MERVEX_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d /tmp/mervex-test-XXXXXX)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
start=$(date +%s)
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
echo "Tests took $(( $(date +%s) - start )) s"
