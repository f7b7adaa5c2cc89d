#!/usr/bin/env bash
# Idle cost of the program: starts it on the default configuration with a fresh home and user folder, lets
# the start-up settle, then reads its CPU time (utime + stime of /proc/<pid>/stat) over a window and prints the
# share of one core, for the whole process and per thread. Also times `--smoke` (start to the end of the close
# sequence).
#
# Usage: bench/idle_cpu.sh [program] [seconds]     (program: build/shell/vellichor; seconds: 20)
# Environment: IDLE_SETTLE (seconds to let the start-up finish, 5), IDLE_XVFB=1 (run under Xvfb instead of the
# offscreen platform), IDLE_PULSE=1 (a private sound server with a null sink, as on a desktop).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$root/build/shell/vellichor}")"
seconds="${2:-20}"
settle="${IDLE_SETTLE:-5}"
hz=$(getconf CLK_TCK)

work="$(mktemp -d /tmp/mervex-idle-XXXXXX)"
chmod 700 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" MERVEX_USER_DIR="$work/user"
export MERVEX_DATA_DIR="${MERVEX_DATA_DIR:-$root/data}" MERVEX_INSTANCE_NAME="mervex-idle-$$"
export MERVEX_TCP_PORT=0 MERVEX_UDP_PORT=0 TMPDIR="$work/tmp"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$MERVEX_USER_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"

if [ "${IDLE_PULSE:-0}" = 1 ] && command -v pulseaudio >/dev/null; then
  HOME="$XDG_RUNTIME_DIR" pulseaudio --daemonize=no --system=false --exit-idle-time=-1 -n \
    --disallow-module-loading=false --log-level=error --log-target=stderr \
    --load="module-null-sink sink_name=mervex_null" \
    --load="module-native-protocol-unix auth-anonymous=1" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break; sleep 0.1; done
fi

launch=()
if [ "${IDLE_XVFB:-0}" = 1 ]; then
  Xvfb :$((90 + $$ % 100)) -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=:$((90 + $$ % 100)) QT_QPA_PLATFORM=xcb
  sleep 0.5
else
  export QT_QPA_PLATFORM=offscreen
fi

# The start and stop, timed first: a clean folder, then once more on the folder the first run left.
for run in first again; do
  t0=$(date +%s.%N)
  "$program" --smoke >/dev/null 2>&1 || echo "--smoke ($run) ended with $?"
  t1=$(date +%s.%N)
  printf 'smoke %-5s %.3f s\n' "$run" "$(echo "$t1 - $t0" | bc)"
done

"$program" >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
sleep "$settle"
kill -0 "$pid" 2>/dev/null || { echo "the program ended during start-up"; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Nanoseconds on a CPU, from the scheduler: exact, where the ticks above are sampled at the clock tick (a
# thread that wakes in step with the tick is charged too much or too little).
runtime_ns() {
  local sum=0 v
  for t in /proc/$1/task/*/schedstat; do v=$(awk '{print $1}' "$t" 2>/dev/null || echo 0); sum=$((sum + v)); done
  echo "$sum"
}
declare -A before names
for t in /proc/$pid/task/*; do
  id=${t##*/}
  before[$id]=$(ticks "$pid/task/$id" 2>/dev/null || echo 0)
  names[$id]=$(cat "$t/comm" 2>/dev/null || echo "?")
done
declare -A ns_before
for t in /proc/$pid/task/*; do ns_before[${t##*/}]=$(awk '{print $1}' "$t/schedstat" 2>/dev/null || echo 0); done
total0=$(ticks "$pid")
run0=$(runtime_ns "$pid")
sleep "$seconds"
total1=$(ticks "$pid")
run1=$(runtime_ns "$pid")

printf 'idle  %s s: %.2f %% of one core by schedstat, %.2f %% by utime+stime (%d ticks at %d Hz)\n' "$seconds" \
  "$(echo "($run1 - $run0) / 10000000 / $seconds" | bc -l)" \
  "$(echo "($total1 - $total0) * 100 / $hz / $seconds" | bc -l)" "$((total1 - total0))" "$hz"
for t in /proc/$pid/task/*; do
  id=${t##*/}
  now=$(awk '{print $1}' "$t/schedstat" 2>/dev/null || echo 0)
  used=$((now - ${ns_before[$id]:-0}))
  [ "$used" -gt 100000 ] && printf '  thread %-7s %-16s %.3f %%\n' "$id" "$(cat "$t/comm" 2>/dev/null)" \
    "$(echo "$used / 10000000 / $seconds" | bc -l)"
done
exit 0
