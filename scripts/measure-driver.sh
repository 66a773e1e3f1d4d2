#!/usr/bin/env bash
# Measures the built driver on this machine, under its own Xvfb, with a
# simulated tablet:
#   - time from process start to the settings window shown (median of 10),
#   - private memory after start with the window hidden, beside the same
#     figure for a minimal QML window (qmlscene),
#   - CPU time and wake-ups over an idle period with a connected simulated
#     tablet that sends nothing.
# Usage: scripts/measure-driver.sh [build-dir] [idle-seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
idle_seconds=${2:-60}
driver="$PWD/$build/driver/VarnexDriver"
[ -x "$driver" ] || { echo "no $driver; build it first" >&2; exit 2; }

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
exec 3>"$work/displayfd"
# -noreset: a server that resets when its last client leaves refuses the
# next start that connects meanwhile.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/displayfd")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

fresh_home() {
  local home="$work/home$1"
  rm -rf "$home"; mkdir -p "$home"; chmod 700 "$home"
  echo "$home"
}

run_in() {  # home, command...; run in the background, $! is the program itself
  local home=$1; shift
  # exec: a function run with & is a subshell of its own, and without exec
  # $! would name that shell instead of the program measured.
  HOME="$home" XDG_RUNTIME_DIR="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" exec "$@"
}

private_kib() {
  awk '/^Private_(Clean|Dirty):/ { sum += $2 } END { print sum }' "/proc/$1/smaps_rollup"
}

# start_measured NAME HOME COMMAND...: starts the program in the background,
# its output in $work/NAME.log, and waits until it is up: the driver once it
# has published its hand-over point, any other program once it has lived
# for three seconds. Sets $pid; if the program ends first it is started once
# more, and if it ends again the script stops with its output, so a figure
# is never read from a process that has gone.
start_measured() {
  local name=$1 home=$2 attempt
  shift 2
  for attempt in 1 2; do
    run_in "$home" "$@" >"$work/$name.log" 2>&1 &
    pid=$!
    local up=""
    for _ in $(seq 600); do
      kill -0 "$pid" 2>/dev/null || break
      if [ "$(basename "$1")" = VarnexDriver ]; then
        grep -q "hand-over point published" "$work/$name.log" && { up=1; break; }
      elif [ "$(awk '{ print $22 }' "/proc/$pid/stat")" -lt \
             "$(( $(awk '{ print int($1 * 100) }' /proc/uptime) - 300 ))" ]; then
        up=1; break
      fi
      sleep 0.05
    done
    # A moment for what it loads after that line (the window's QML).
    [ -n "$up" ] && sleep 2 && kill -0 "$pid" 2>/dev/null && return 0
    wait "$pid" 2>/dev/null
    echo "$name: $1 ended with status $? before it could be measured (attempt $attempt):" >&2
    tail -n 20 "$work/$name.log" >&2
  done
  exit 1
}

stop() {
  kill -TERM "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

echo "== start to window shown (ms)"
times=()
for i in $(seq 10); do
  home=$(fresh_home "start$i")
  start=$(date +%s%N)
  run_in "$home" "$driver" --simulate LarkA >/dev/null 2>&1 &
  pid=$!
  shown=""
  for _ in $(seq 2000); do
    if xwininfo -name Varnex_tablet_driver 2>/dev/null | grep -q "Map State: IsViewable"; then
      shown=$(date +%s%N); break
    fi
    sleep 0.005
  done
  stop "$pid"
  [ -n "$shown" ] || { echo "start $i: the window never showed" >&2; exit 1; }
  times+=($(( (shown - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "starts: ${times[*]}"
echo "median: $(( (sorted[4] + sorted[5]) / 2 ))"

echo "== private memory after start, window hidden (KiB)"
home=$(fresh_home mem)
VARNEX_SIMULATE_IDLE=1 start_measured memory "$home" "$driver" --simulate LarkA --hidden
driver_kib=$(private_kib "$pid")
stop "$pid"
cat >"$work/minimal.qml" <<'QML'
import QtQuick 2.15
import QtQuick.Window 2.15
Window { visible: false; width: 640; height: 480; title: "minimal" }
QML
# qmlscene (Debian package qmlscene) is the plain QML window to compare with.
if command -v qmlscene >/dev/null; then
  start_measured qmlscene "$home" qmlscene "$work/minimal.qml"
  minimal_kib=$(private_kib "$pid")
  stop "$pid"
  echo "driver: $driver_kib  minimal QML window: $minimal_kib  difference: $((driver_kib - minimal_kib))"
else
  echo "driver: $driver_kib  (no qmlscene to compare with: scripts/install-deps.sh installs it)"
fi

echo "== idle over ${idle_seconds} s, connected simulated tablet sending nothing"
home=$(fresh_home idle)
VARNEX_SIMULATE_IDLE=1 start_measured idle "$home" "$driver" --simulate LarkA --hidden
ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
switches() {
  local sum=0 task
  for task in /proc/"$1"/task/*; do
    sum=$((sum + $(awk '/^(non)?voluntary_ctxt_switches:/ { s += $2 } END { print s }' "$task/status")))
  done
  echo "$sum"
}
cpu_before=$(cpu_ticks "$pid"); wakes_before=$(switches "$pid")
sleep "$idle_seconds"
cpu_after=$(cpu_ticks "$pid"); wakes_after=$(switches "$pid")
stop "$pid"
echo "cpu: $(awk -v t=$((cpu_after - cpu_before)) -v hz="$ticks" 'BEGIN { printf "%.2f", t / hz }') s"
echo "context switches (all threads): $((wakes_after - wakes_before)) ($(awk -v w=$((wakes_after - wakes_before)) -v s="$idle_seconds" 'BEGIN { printf "%.1f", w / s }') per second)"
