#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A real WSJT-X (or JTDX) decoding on 6 m, headless: eight FT8 stations
# (JA, HL, BV, BY) made with ft8sim and mixed into one 15 s slot of an Es
# season morning, opened with File › Open in the peer under Xvfb and
# openbox, its UDP datagrams recorded (bench/wsjtx_datagrams.py: one
# NNN-TYPE.bin file per datagram, the form of tests/data/wsjtx/) and
# summarised. --log also logs a QSO with the first station decoded (the
# peer then sends QSO Logged and Logged ADIF and writes its wsjtx_log.adi),
# on an Es-season date through faketime. --schema 3 answers as a server
# that speaks schema 3. --ondrel hands the datagrams on to the command
# line monitor of that build as well (`ondrel-cli watch --listen`) and
# checks that it heard the eight. Ends everything it started.
# Installs its packages (not part of scripts/setup); run as root.
# Usage: bench/wsjtx_capture.sh [--jtdx] [--log] [--schema 3] [--ondrel BUILD_DIR] [OUTPUT_DIR]
#        (default OUTPUT_DIR build/wsjtx-capture/wsjtx or …/jtdx)
set -euo pipefail
cd "$(dirname "$0")/.."
peer=wsjtx log=no schema="" ondrel_build=""
while [ $# -gt 0 ]; do
  case $1 in
    --jtdx) peer=jtdx ;;
    --log) log=yes ;;
    --schema) schema=$2; shift ;;
    --ondrel) ondrel_build=$(realpath "$2"); shift ;;
    *) break ;;
  esac
  shift
done
out=$(realpath -m "${1:-build/wsjtx-capture/$peer}")
source scripts/lib.sh
source bench/desktop_lib.sh
need_packages "$peer" sox xvfb openbox xdotool imagemagick
[ "$log" = no ] || need_package faketime

# The peer's names: its settings file, its data folder, the title of its
# main window; and the slot of the .wav (its ALL.TXT lines hold the time).
slot=260614_013000
case $peer in
  wsjtx) ini=WSJT-X.ini data_dir=WSJT-X window='^WSJT-X +v' ;;
  jtdx) ini=JTDX.ini data_dir=JTDX window='^JTDX +by' ;;
esac
dial_hz=50313000

rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
mkdir -p "$work/config" "$work/data" "$work/home" "$work/tmp" "$work/run"
chmod 700 "$work/run"

# Runs the earlier exit trap after $1, so that each part ends what it
# started whatever was set before it.
chain_exit_trap() {
  local earlier
  earlier=$(trap -p EXIT | sed "s/^trap -- '\(.*\)' EXIT$/\1/")
  # shellcheck disable=SC2064 # both are meant to be expanded now
  trap "$1; ${earlier:-:}" EXIT
}
# A picture of the screen when the run fails, before anything is ended.
screenshot_on_failure() {
  local status=$?
  [ "$status" = 0 ] || [ -z "${DISPLAY:-}" ] ||
    { import -window root "$out/failure.png" 2>/dev/null && echo "failed: screen in $out/failure.png" >&2; }
}
chain_exit_trap desktop_cleanup
chain_exit_trap screenshot_on_failure

# Eight stations, 0 dB each at its own audio frequency, mixed into one slot
# named as File › Open wants it: YYMMDD_HHMMSS.wav, the slot's start in UTC.
make_slot() {
  local frequency text n=0
  mkdir "$work/sim"
  while IFS='|' read -r frequency text; do
    n=$((n + 1))
    mkdir "$work/sim/$n"
    # ft8sim writes 000000_000001.wav into the current folder.
    (cd "$work/sim/$n" && ft8sim "$text" "$frequency" 0 0 0 1 0 >/dev/null)
  done <<'STATIONS'
250|CQ JA6ABC PM51
400|JA1XYZ JR6DEF PL36
550|CQ HL2ABC PM37
700|JA1XYZ BV2AB -12
850|CQ BY4XYZ PM01
1000|JA1XYZ JA8ABC R-08
1150|CQ DX JE6XYZ PM53
1300|<JA1XYZ> JH7ABC RR73
STATIONS
  sox -m "$work"/sim/*/000000_000001.wav "$work/$slot.wav"
}

# The recorder on a free port of 127.0.0.1; sets $udp_port.
start_recorder() {
  local options=()
  [ -z "$schema" ] || options+=(--schema "$schema")
  [ "$log" = no ] || options+=(--dx JA6ABC PM51)
  [ -z "${ondrel_port:-}" ] || options+=(--forward "$ondrel_port")
  marked python3 bench/wsjtx_datagrams.py record "$out/datagrams" "$work/port" "${options[@]}" &
  wait_for_path "$work/port" 100
  udp_port=$(cat "$work/port")
}

# The command line monitor of the build in $ondrel_build on a page served
# from 127.0.0.1 (the sample page stamped now), home PM95vq, listening on
# its own port, to which the recorder hands every datagram on
# ($ondrel_port); its JSON lines go to $out/ondrel.jsonl, what it heard
# into its own log.
start_ondrel_watch() {
  mkdir -p "$work/www/ISDJ" "$work/ondrel"
  stamped_now <examples/alert-sample.html >"$work/www/ISDJ/ionospheric-alert.html"
  # Port 0: the server picks a free one and says which.
  (cd "$work/www" && exec env "$desktop_mark" python3 -u -m http.server 0 --bind 127.0.0.1 \
    >"$work/page-server.log" 2>&1) &
  wait_until 'grep -q "port [0-9]" "$work/page-server.log"' 10
  local page_port
  page_port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/page-server.log" | head -n 1)
  printf '[ESConf]\nESHome=PM95vq\n' >"$work/ondrel/Ondrel.ini"
  ondrel_port=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_STATE_HOME="$work/ondrel" DBUS_SESSION_BUS_ADDRESS=disabled: \
    marked "$ondrel_build/src/ondrel-cli" watch "http://127.0.0.1:$page_port/ISDJ/ionospheric-alert.html" \
    --dir "$work/ondrel" --db "$work/ondrel/history.sqlite" --listen "127.0.0.1:$ondrel_port" --json \
    >"$out/ondrel.jsonl" 2>"$out/ondrel.log" &
}

# What the monitor heard: a JSON line per station decoded, and the same
# eight in its log as `ondrel-cli heard` prints them.
check_ondrel_heard() {
  wait_until '[ "$(grep -c "\"kind\":\"heard\"" "$out/ondrel.jsonl")" -ge 8 ]' 10
  "$ondrel_build/src/ondrel-cli" heard --db "$work/ondrel/history.sqlite" | tee "$out/heard.txt"
  local lines
  lines=$(wc -l <"$out/heard.txt")
  [ "$lines" -eq 8 ] || { echo "ondrel-cli heard: $lines lines, not 8" >&2; return 1; }
  echo "ondrel-cli watch --listen heard 8 (its lines in $out/ondrel.jsonl)"
}

# What the peer keeps: the 6 m FT8 dial, who we are, where the datagrams go,
# and (for --log) that it takes the recorder's Configure message.
write_settings() {
  cat >"$work/config/$ini" <<INI
[Common]
Mode=FT8
DialFreq=$dial_hz

[Configuration]
MyCall=JA1XYZ
MyGrid=PM95vq
UDPServer=127.0.0.1
UDPServerPort=$udp_port
AcceptUDPRequests=$([ "$log" = yes ] && echo true || echo false)
INI
}

start_display() {
  marked Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  local _
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  DISPLAY=:$(cat "$work/display")
  export DISPLAY
  marked openbox >"$work/openbox.log" 2>&1 &
  sleep 1
}

# The peer with its files in $work alone (the settings, data and temporary
# folders; the temporary one also keys the shared memory with its decoder),
# under faketime for --log so that the logged QSO falls on the slot's day.
start_peer() {
  local clock=()
  [ "$log" = no ] || clock=(faketime -f "@20${slot:0:2}-${slot:2:2}-${slot:4:2} ${slot:7:2}:${slot:9:2}:00")
  HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" TMPDIR="$work/tmp" \
    XDG_RUNTIME_DIR="$work/run" DBUS_SESSION_BUS_ADDRESS=disabled: TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1 \
    env "$desktop_mark" "${clock[@]}" "$peer" >"$work/peer.log" 2>&1 &
  peer_pid=$!
  main_window=$(timeout 60 xdotool search --sync --onlyvisible --name "$window" | head -n 1)
  [ -n "$main_window" ] || { echo "$peer: no main window" >&2; return 1; }
  # Its first Status: the peer is set up and sending.
  local _
  for _ in $(seq 300); do compgen -G "$out/datagrams/*-status.bin" >/dev/null && break; sleep 0.1; done
  sleep 2
}

# Waits up to $2 seconds until $1 succeeds.
wait_until() {
  local _
  for _ in $(seq "$2"); do eval "$1" && return 0; sleep 1; done
  echo "$(basename "$0"): timed out waiting for: $1" >&2
  return 1
}

all_txt() {
  cat "$work/data/$data_dir/"*ALL.TXT 2>/dev/null || true
}

open_slot() {
  xdotool windowactivate --sync "$main_window" key ctrl+o
  timeout 20 xdotool search --sync --onlyvisible --name '^Open File$' >/dev/null ||
    { echo "$peer: no Open File dialog" >&2; return 1; }
  sleep 0.5
  xdotool type --delay 20 "$work/$slot.wav"
  xdotool key Return
  wait_until '[ "$(all_txt | grep -cE "_${slot#*_} ")" -ge 8 ]' 90
  wait_until '[ "$(ls "$out/datagrams" | grep -c decode)" -ge 8 ]' 10
}

# The first decode has set the DX call (the recorder's Configure): Log QSO
# (Alt+Q), then OK in its dialog.
log_qso() {
  sleep 2
  xdotool windowactivate --sync "$main_window" key alt+q
  local dialog
  dialog=$(timeout 20 xdotool search --sync --onlyvisible --name 'Log QSO$' | head -n 1) ||
    { echo "$peer: no Log QSO dialog" >&2; return 1; }
  xdotool windowactivate --sync "$dialog" key Return
  wait_until 'ls "$out/datagrams" | grep -q logged-adif' 20
  cp "$work/data/$data_dir/wsjtx_log.adi" "$out/"
}

# Closes the peer as its window's close button does, so that it says Close.
close_peer() {
  xdotool windowactivate --sync "$main_window" key alt+F4
  wait_until '! kill -0 "$peer_pid" 2>/dev/null' 30
  sleep 1
}

make_slot
[ -z "$ondrel_build" ] || start_ondrel_watch
start_recorder
write_settings
start_display
start_peer
open_slot
[ "$log" = no ] || log_qso
close_peer
all_txt >"$out/ALL.TXT"
cp "$work/$slot.wav" "$out/"
python3 bench/wsjtx_datagrams.py summary "$out/datagrams" | tee "$out/summary.txt"
[ -z "$ondrel_build" ] || check_ondrel_heard
echo "$peer decoded $(grep -cE "_${slot#*_} " "$out/ALL.TXT") (its ALL.TXT in $out); datagrams in $out/datagrams"
