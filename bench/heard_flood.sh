#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A flood of WSJT-X datagrams at the real window: the program runs under
# xvfb-run against a local copy of the alert page, hearing on a free UDP
# port on 127.0.0.1 (ESDecodeUdp); bench/heard_flood.py sends the recorded
# WSJT-X run's Status, then DATAGRAMS decodes of varied calls and times in
# SECONDS. Prints the longest gap between two changes of the window's
# caption (its one-second countdown) before and during the flood, resident
# memory before, right after and 20 s after, and the peak.
# BUILD_DIR=DIR measures another build's program.
# Usage: bench/heard_flood.sh [DATAGRAMS [SECONDS]]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-50000}
seconds=${2:-5}

source scripts/lib.sh
udp=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
local_copy "ESDecodeUdp=127.0.0.1:$udp"

measure() {
  local log="$work/log" pid wid
  QTWEBENGINE_DISABLE_SANDBOX=1 QT_LOGGING_RULES="ondrel.readout.debug=true" \
    DBUS_SESSION_BUS_ADDRESS=disabled: XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" "$work/app/ondrel" 2> "$log" &
  pid=$!
  for _ in $(seq 100); do grep -q 'first readout painted' "$log" && break; sleep 0.1; done
  wid=$(xdotool search --pid "$pid" | head -n 1)
  # The caption, with the time it was read, ten times a second.
  (while kill -0 "$pid" 2>/dev/null; do
     echo "$(date +%s%3N) $(xdotool getwindowname "$wid" 2>/dev/null)"; sleep 0.1
   done) > "$work/captions" &
  sleep 5
  local before peak
  before=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  local flood_start; flood_start=$(date +%s%3N)
  python3 bench/heard_flood.py "$udp" "$count" "$seconds"
  local flood_end; flood_end=$(date +%s%3N)
  local after; after=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  sleep 20
  local later; later=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  peak=$(awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  # The longest time between two changes of the caption, before the flood and while it ran.
  python3 - "$work/captions" "$flood_start" "$flood_end" <<'PY'
import sys
path, start, end = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
last_text, last_change, before, during, ticks = None, None, 0, 0, 0
for line in open(path, encoding="utf-8", errors="replace"):
    stamp, _, text = line.rstrip("\n").partition(" ")
    stamp = int(stamp)
    if text != last_text:
        if last_change is not None:
            gap = stamp - last_change
            if stamp <= start:
                before = max(before, gap)
            elif last_change < end:
                during = max(during, gap)
                ticks += 1
        last_text, last_change = text, stamp
print("caption: longest gap %d ms before the flood, %d ms during it (%d changes)"
      % (before, during, ticks))
PY
  echo "resident: ${before} MiB before, ${after} MiB right after, ${later} MiB 20 s after, peak ${peak} MiB"
  grep -v 'readout' "$log" | head -n 5 || true
}

xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$(declare -f measure); work=$work udp=$udp \
  count=$count seconds=$seconds measure"
