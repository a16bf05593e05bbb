# SPDX-License-Identifier: GPL-3.0-or-later
# Shell code the headless desktop scripts share (bench/gnome_desktop.sh,
# bench/kde_desktop.sh); sourced after scripts/lib.sh from the repository's
# top directory.

# Installs the packages named unless they are there (root only).
need_packages() {
  local p
  for p in "$@"; do need_package "$p"; done
}

# What `marked` starts carries this mark in its environment, and so does
# whatever that starts (also what the buses start on demand), so the end
# can find and end it all.
desktop_mark=ONDREL_DESKTOP_RUN=$$.$RANDOM$RANDOM
marked() {
  env "$desktop_mark" "$@"
}

# Ends every marked process (gently, then not); local_copy's own exit
# action then ends the page server and removes $work.
desktop_cleanup() {
  local left tries pid
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    left=$(processes_marked "$desktop_mark" | sed -n 's/.*(\([0-9]*\))$/\1/p')
    [ -z "$left" ] && break
    for pid in $left; do kill "$([ "$tries" -lt 6 ] && echo -TERM || echo -KILL)" "$pid" 2>/dev/null || true; done
    sleep 0.5
  done
  [ -z "$left" ] || echo "$(basename "$0"): could not end: $left" >&2
}

# A system bus and a session bus of this run's own, so no desktop already
# running here sees or answers anything.
start_buses() {
  export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system_bus"
  marked dbus-daemon --config-file=/usr/share/dbus-1/system.conf --nopidfile --fork \
    --address="$DBUS_SYSTEM_BUS_ADDRESS" >/dev/null
  DBUS_SESSION_BUS_ADDRESS=$(marked dbus-daemon --session --nopidfile --fork --print-address=1)
  export DBUS_SESSION_BUS_ADDRESS
}

# The program's copy with its page server (local_copy), ended and removed
# at exit with all the session started; a home and buses of its own.
start_desktop_session() {
  local_copy ESTop=2250 ESLeft=3000
  on_exit desktop_cleanup
  mkdir -m 700 "$work/home"
  export XDG_RUNTIME_DIR=$work/run HOME=$work/home XDG_CONFIG_HOME=$work/config
  start_buses
}

# Waits up to $2 tenths of a second for the file or socket $1.
wait_for_path() {
  local _
  for _ in $(seq "${2:-100}"); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  echo "$(basename "$0"): $1 did not appear" >&2
  return 1
}

# Starts the copied program on the desktop's Xwayland ($DISPLAY) and sets
# $ondrel_pid and $wid (its X window). Arguments go to the program.
# (env itself, not the `marked` function, so that $! is the program.)
start_ondrel() {
  HOME="$work/home" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_HOME="$work/config" env "$desktop_mark" "$work/app/ondrel" "$@" 2>>"$work/ondrel.log" &
  ondrel_pid=$!
  wid=$(timeout 30 xdotool search --sync --onlyvisible --classname "^ondrel$" | head -n 1) || true
  if [ -z "$wid" ]; then
    echo "$(basename "$0"): the program's window did not show; it said:" >&2
    cat "$work/ondrel.log" >&2
    return 1
  fi
  sleep 2
}

# The outer frame of X window $1 as "left top width height", pixels.
frame_geometry() {
  local x y w h l r t b
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -d , | awk '{print $3, $4, $5, $6}')
  echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}

# A stored setting of the copied program, twips.
stored() {
  sed -n "s/^$1=//p" "$work/app/Ondrel.ini" | tr -d '\r'
}

# Three sessions in a row, as the user would have them: start, toggle keep
# in front with the keyboard (the check box has the focus from the start),
# close as the close button does. Each time the stored compact position
# must be where the frame was, and the next start must put it there.
# Prints one line per session; fails at the first difference.
check_position_after_keep_in_front() {
  local session left top
  for session in 1 2 3; do
    [ "$session" = 1 ] || start_ondrel
    xdotool key --window "$wid" space
    sleep 1.5
    # After a change of flags the window may come back as a new X window.
    wid=$(xdotool search --onlyvisible --classname "^ondrel$" | head -n 1)
    read -r left top _ _ < <(frame_geometry "$wid")
    wmctrl -i -c "$wid"
    wait "$ondrel_pid" || true
    echo "session $session, keep in front toggled: frame at $left,$top px;" \
      "stored ESLeft=$(stored ESLeft) ESTop=$(stored ESTop) twips" \
      "($(($(stored ESLeft) / 15)),$(($(stored ESTop) / 15)) px)"
    [ "$(stored ESLeft)" = $((left * 15)) ] && [ "$(stored ESTop)" = $((top * 15)) ] || return 1
  done
}

# As root, key 1 (Wakkanai's ionograms) must bring the box that says why the
# pane cannot open, and the program must go on. Takes a screenshot with the
# desktop's `screenshot` function into $1.
check_root_box() {
  if [ "$(id -u)" != 0 ]; then
    echo "not root: the root box is not checked"
    return 0
  fi
  unset QTWEBENGINE_DISABLE_SANDBOX
  start_ondrel
  xdotool key --window "$wid" 1
  sleep 3
  screenshot "$1"
  if kill -0 "$ondrel_pid" 2>/dev/null; then
    echo "as root, key 1: the program goes on ($(xdotool search --onlyvisible --classname "^ondrel$" | wc -l) windows shown)"
  else
    echo "as root, key 1: THE PROGRAM ENDED"
    return 1
  fi
  wmctrl -i -c "$wid"
  sleep 1
  kill "$ondrel_pid" 2>/dev/null || true
  wait "$ondrel_pid" || true
}

# A logout's SIGTERM right after a move: the program must store where the
# frame is and end with status 0.
check_stop_signal() {
  local left top status=0
  start_ondrel
  xdotool windowmove "$wid" 300 250
  sleep 1
  read -r left top _ _ < <(frame_geometry "$wid")
  kill -TERM "$ondrel_pid"
  wait "$ondrel_pid" || status=$?
  echo "moved, then SIGTERM: exit status $status; frame at $left,$top px;" \
    "stored ESLeft=$(stored ESLeft) ESTop=$(stored ESTop) twips"
  [ "$status" = 0 ] && [ "$(stored ESLeft)" = $((left * 15)) ] && [ "$(stored ESTop)" = $((top * 15)) ]
}

# The settings window, asked for as the desktop entry's action asks (a
# second start with --settings), and a stale readout (a start on a page
# years old): a screenshot of each into $1/settings.png and
# $1/stale.png, with the desktop's `screenshot` function.
check_settings_and_stale() {
  start_ondrel
  HOME="$work/home" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_CONFIG_HOME="$work/config" \
    env "$desktop_mark" "$work/app/ondrel" --settings >>"$work/ondrel.log" 2>&1 || true
  sleep 2
  screenshot "$1/settings.png"
  local settings_wid
  settings_wid=$(xdotool search --onlyvisible --name '^設定$' | head -n 1)
  [ -n "$settings_wid" ] && wmctrl -i -c "$settings_wid"
  wmctrl -i -c "$wid"
  wait "$ondrel_pid" || true
  sed -i -E 's|[0-9]{4}/([0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}) JST|2020/\1 JST|' "$page"
  start_ondrel
  screenshot "$1/stale.png"
  crop_to_window "$1/stale.png" "$1/stale-compact.png"
  wmctrl -i -c "$wid"
  wait "$ondrel_pid" || true
}

# Cuts the window $wid with a 20 px margin out of the screenshot $1 into $2.
crop_to_window() {
  local crop
  crop=$(frame_geometry "$wid" | awk '{printf "%dx%d+%d+%d", $3 + 40, $4 + 40, $1 - 20, $2 - 20}')
  convert "$1" -crop "$crop" +repage "$2" && echo "screenshot $2"
}

# The checks both desktops run, once the session is up and `screenshot` is
# defined: $1 names the desktop in the lines, pictures go to $2. Exits with
# 1 when a check failed.
run_desktop_checks() {
  local name=$1 out=$2 w h status=0
  start_ondrel
  read -r _ _ w h < <(frame_geometry "$wid")
  echo "compact window: outer ${w}x${h} px"
  screenshot "$out/desktop.png"
  crop_to_window "$out/desktop.png" "$out/compact.png"
  check_position_after_keep_in_front && echo "$name: stored position is where the window was" ||
    { echo "$name: STORED POSITION DIFFERS"; status=1; }
  check_stop_signal || status=1
  check_settings_and_stale "$out" || status=1
  check_root_box "$out/root-box.png" || status=1
  exit $status
}
