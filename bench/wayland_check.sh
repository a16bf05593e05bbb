#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Which window system the built program runs on in a Wayland session: starts
# a headless weston with Xwayland and runs build/src/ondrel three ways, each
# for a few seconds, printing what the program says about its choice.
# Needs weston, xwayland and qt6-wayland (scripts/setup).
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
weston_pid=
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

runtime=$work/runtime
mkdir -m 700 "$runtime" "$work/home" "$work/app"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --xwayland \
  --socket=ondrel-check >"$work/weston.log" 2>&1 &
weston_pid=$!

# weston names the X display its Xwayland answers on in its log.
display=
for _ in $(seq 50); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
  [ -n "$display" ] && [ -S "$runtime/ondrel-check" ] && break
  sleep 0.2
done
if [ -z "$display" ]; then
  echo "wayland_check: weston did not start with Xwayland:" >&2
  cat "$work/weston.log" >&2
  exit 1
fi
echo "weston: WAYLAND_DISPLAY=ondrel-check, Xwayland DISPLAY=$display"

# A copy of its own, so its settings stay out of the build tree; the page
# host refuses at once, so no network is needed.
cp build/src/ondrel build/src/libondrel_webengine.so "$work/app/"
printf '[ESConf]\nESHost=http://127.0.0.1:1\n' >"$work/app/Ondrel.ini"

run() {
  local label=$1
  shift
  echo "== $label"
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE \
    XDG_RUNTIME_DIR="$runtime" HOME="$work/home" XDG_DATA_HOME="$work/home" \
    QT_LOGGING_RULES="ondrel.platform.debug=true" "$@" \
    timeout 4 "$work/app/ondrel" 2>&1 | grep '^ondrel' || true
}

session=(WAYLAND_DISPLAY=ondrel-check XDG_SESSION_TYPE=wayland)
run "Wayland session with Xwayland" "${session[@]}" DISPLAY="$display"
run "Wayland session without Xwayland" "${session[@]}"
run "QT_QPA_PLATFORM=wayland asked for" "${session[@]}" DISPLAY="$display" QT_QPA_PLATFORM=wayland
