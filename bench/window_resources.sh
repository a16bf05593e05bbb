#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the real window against a local copy of the alert page: the time
# from process start to the first readout on screen, and resident memory
# after the first refresh; with --pane (needs xdotool) also the proportional
# set size of the program with all its child processes (the browser
# engine's) and their number, for the compact window, the open pane and a
# few seconds after the pane was closed again; with --map (needs openbox and
# xdotool) the proportional set size of the compact window, then with the
# Es map opened by Ctrl+M. BUILD_DIR=DIR measures another build's program.
# Usage: bench/window_resources.sh [--pane|--map] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
pane=no
map=no
if [ "${1:-}" = --pane ]; then pane=yes; shift; fi
if [ "${1:-}" = --map ]; then map=yes; shift; fi
runs=${1:-5}

source scripts/lib.sh
local_copy

rss_mib() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# The process and all its descendants, one id a line.
process_tree() {
  echo "$1"
  local child
  for child in $(pgrep -P "$1"); do process_tree "$child"; done
}

# "PSS MiB in N processes (R renderers)" for the tree under $1.
tree_usage() {
  local pids kib=0 count=0 renderers=0 pid
  pids=$(process_tree "$1")
  for pid in $pids; do
    [ -r "/proc/$pid/smaps_rollup" ] || continue
    kib=$((kib + $(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")))
    count=$((count + 1))
    # The engine's renderers are forked by its zygotes, not by the program.
    if [ "$pid" != "$1" ] && [ "$(awk '{ print $4 }' "/proc/$pid/stat")" != "$1" ]; then
      renderers=$((renderers + 1))
    fi
  done
  awk -v k="$kib" -v n="$count" -v r="$renderers" \
    'BEGIN { printf "%.1f MiB in %d processes (%d renderers)", k / 1024, n, r }'
}

measure() {
  local log="$work/log" start pid painted
  : > "$log"
  start=$(date +%s%3N)
  QTWEBENGINE_DISABLE_SANDBOX=1 QT_LOGGING_RULES="ondrel.readout.debug=true" \
    XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" "$work/app/ondrel" 2> "$log" &
  pid=$!
  for _ in $(seq 100); do grep -q 'first readout painted' "$log" && break; sleep 0.1; done
  painted=$(grep -o 'painted at [0-9]*' "$log" | grep -o '[0-9]*$')
  sleep 1
  local compact; compact=$(rss_mib "$pid")
  echo "first-readout=$((painted - start)) ms compact-rss=${compact} MiB"
  if [ "$map" = yes ]; then
    sleep 2
    echo "  compact:     $(tree_usage "$pid")"
    local wid; wid=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
    xdotool windowactivate --sync "$wid" key ctrl+m; sleep 4
    echo "  map open:    $(tree_usage "$pid")"
  fi
  if [ "$pane" = yes ]; then
    echo "  compact:     $(tree_usage "$pid")"
    xdotool mousemove 123 30 click 1; sleep 5   # the Wakkanai heading opens the pane
    echo "  pane open:   $(tree_usage "$pid")"
    xdotool mousemove 60 175 click 1; sleep 5   # "元のサイズに戻す" closes it
    echo "  pane closed: $(tree_usage "$pid") resident=$(rss_mib "$pid") MiB"
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

for _ in $(seq "$runs"); do
  # The window manager ends with the display's shell.
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c "trap 'kill \$(jobs -p) 2>/dev/null' EXIT; \
    $(declare -f measure rss_mib process_tree tree_usage); \
    { [ $map = no ] || { openbox >/dev/null 2>&1 & sleep 1; }; }; work=$work pane=$pane map=$map measure"
done
