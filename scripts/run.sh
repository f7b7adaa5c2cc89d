#!/usr/bin/env bash
# Builds the program (only it: the resources are compiled in and the configure step links build/shell/Data to
# data/) and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/build.sh" vellichor
build="${MERVEX_BUILD_DIR:-$root/build}"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
exec "$build/shell/vellichor" "$@"
