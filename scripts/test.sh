#!/usr/bin/env bash
# Checks the layering and the formatting, then builds everything and runs every test; then builds and runs the
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitize.sh). Extra arguments go to
# the normal run's ctest.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/deps.sh"
python3 "$root/scripts/check-layers.py" "$root"
bash "$root/scripts/check-format.sh"
bash "$root/scripts/build.sh"
build="${MERVEX_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d /tmp/mervex-test-XXXXXX)"
chmod 700 "$XDG_RUNTIME_DIR"
pulse_pid=""
cleanup() {
  if [ -n "$pulse_pid" ]; then kill "$pulse_pid" 2>/dev/null || true; wait "$pulse_pid" 2>/dev/null || true; fi
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT
# A sound server of the tests' own in the private runtime folder, with a null sink and no system
# configuration, for the tests labelled "external"; they skip when it is missing. Its home is the runtime
# folder too, so nothing is written into the user's.
if command -v pulseaudio >/dev/null; then
  HOME="$XDG_RUNTIME_DIR" pulseaudio --daemonize=no --system=false --exit-idle-time=-1 -n \
    --disallow-module-loading=false --log-level=error --log-target=stderr \
    --load="module-null-sink sink_name=mervex_null" \
    --load="module-native-protocol-unix auth-anonymous=1" 2>"$XDG_RUNTIME_DIR/pulseaudio.log" &
  pulse_pid=$!
  for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break; sleep 0.1; done
  [ -S "$XDG_RUNTIME_DIR/pulse/native" ] || echo "The sound server did not start; sound tests will skip"
fi
start=$(date +%s)
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
echo "Tests took $(( $(date +%s) - start )) s"
bash "$root/scripts/sanitize.sh"
