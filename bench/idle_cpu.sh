#!/usr/bin/env bash
# Idle cost and quit time of the program against a minimal Qt Widgets program (bench/shell/qt_yardstick), in
# turn, several runs each: `--smoke` timed from start to the end of the close sequence, then the program started
# on the default configuration with a fresh home and user folder, left to settle, and its CPU time read over a
# window (the scheduler's run time of every thread, /proc/<pid>/task/*/schedstat) as a share of one core. Prints
# each figure's median, minimum and maximum, the ratio to the yardstick, the load average, and the program's
# threads that used any time in its last idle window.
#
# Usage: bench/idle_cpu.sh [program] [seconds]     (program: build/shell/vellichor; seconds: 10)
# Environment: IDLE_RUNS (runs of each, 5), IDLE_SETTLE (seconds to let the start-up finish, 5),
# IDLE_YARDSTICK (the minimal program, build/bench/shell/qt_yardstick), IDLE_XVFB=1 (run under Xvfb instead of
# the offscreen platform), IDLE_PULSE=1 (a private sound server with a null sink, as on a desktop).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$root/build/shell/vellichor}")"
seconds="${2:-10}"
settle="${IDLE_SETTLE:-5}"
runs="${IDLE_RUNS:-5}"
yardstick="$(realpath "${IDLE_YARDSTICK:-$root/build/bench/shell/qt_yardstick}")"

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

if [ "${IDLE_XVFB:-0}" = 1 ]; then
  exec 3<> "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/displayfd")" QT_QPA_PLATFORM=xcb
else
  export QT_QPA_PLATFORM=offscreen
fi

# median, minimum and maximum of the numbers on standard input
stats() { sort -g | awk '{v[NR]=$1} END {printf "median %.4f  min %.4f  max %.4f", v[int((NR+1)/2)], v[1], v[NR]}'; }
median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
now() { date +%s.%N; }

# Run time of every thread of a process so far, in nanoseconds.
runtime_ns() {
  local sum=0 v
  for t in /proc/$1/task/*/schedstat; do v=$(awk '{print $1}' "$t" 2>/dev/null || echo 0); sum=$((sum + v)); done
  echo "$sum"
}

# Starts a command, lets it settle, prints its share of one core over the window; with "threads", also each
# thread that ran.
idle_share() {
  local show="$1"; shift
  "$@" >/dev/null 2>&1 &
  local pid=$!
  pids+=("$pid")
  sleep "$settle"
  kill -0 "$pid" 2>/dev/null || { echo "$1 ended during start-up" >&2; exit 1; }
  declare -A before
  for t in /proc/$pid/task/*; do before[${t##*/}]=$(awk '{print $1}' "$t/schedstat" 2>/dev/null || echo 0); done
  local run0 run1
  run0=$(runtime_ns "$pid")
  sleep "$seconds"
  run1=$(runtime_ns "$pid")
  echo "($run1 - $run0) / 10000000 / $seconds" | bc -l
  if [ "$show" = threads ]; then
    for t in /proc/$pid/task/*; do
      local id=${t##*/} used
      used=$(( $(awk '{print $1}' "$t/schedstat" 2>/dev/null || echo 0) - ${before[$id]:-0} ))
      [ "$used" -gt 100000 ] && printf '  thread %-7s %-16s %.4f %%\n' "$id" "$(cat "$t/comm" 2>/dev/null)" \
        "$(echo "$used / 10000000 / $seconds" | bc -l)" >&2
    done
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

load0=$(cut -d' ' -f1 /proc/loadavg)
"$program" --smoke >/dev/null 2>&1 || echo "--smoke (first start) ended with $?"
: > "$work/smoke"; : > "$work/smoke-yard"; : > "$work/smoke-ratio"
for i in $(seq "$runs"); do
  t0=$(now); "$program" --smoke >/dev/null 2>&1 || echo "--smoke ended with $?"; t1=$(now)
  "$yardstick" --smoke >/dev/null 2>&1; t2=$(now)
  echo "$t1 - $t0" | bc -l >> "$work/smoke"
  echo "$t2 - $t1" | bc -l >> "$work/smoke-yard"
  echo "($t1 - $t0) / ($t2 - $t1)" | bc -l >> "$work/smoke-ratio"
done
printf 'smoke, s            %s\n' "$(stats < "$work/smoke")"
printf '  minimal Qt, s     %s; ratio run by run: %s\n' "$(stats < "$work/smoke-yard")" "$(stats < "$work/smoke-ratio")"

: > "$work/idle"; : > "$work/idle-yard"
for i in $(seq "$runs"); do
  show=none; [ "$i" = "$runs" ] && show=threads
  idle_share "$show" "$program" >> "$work/idle"
  idle_share none "$yardstick" >> "$work/idle-yard"
done
printf 'idle %ss, %% of a core  %s\n' "$seconds" "$(stats < "$work/idle")"
printf '  minimal Qt          %s\n' "$(stats < "$work/idle-yard")"
printf 'load average: %s at the start, %s at the end\n' "$load0" "$(cut -d' ' -f1 /proc/loadavg)"
exit 0
