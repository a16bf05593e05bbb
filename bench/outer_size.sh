#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks under a real window manager (openbox on Xvfb) that the compact
# window has the same outer geometry, frame included, at start-up and after
# the pane was opened and "元のサイズに戻す" pressed, and that it stands at
# the stored position (ESLeft 3000, ESTop 1500 twips: 200,100 pixels).
# Prints them as WxH+X+Y; exits 1 when they differ. Runs a copy of the built program against a local alert page.
# Needs openbox, xdotool, x11-utils and imagemagick.
# Usage: bench/outer_size.sh
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/lib.sh
local_copy ESTop=1500 ESLeft=3000

check() {
  openbox >/dev/null 2>&1 &
  sleep 1
  QTWEBENGINE_DISABLE_SANDBOX=1 XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data" \
    XDG_CONFIG_HOME="$work/config" "$work/app/ondrel" >/dev/null 2>&1 &
  local pid=$! wid
  wid=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
  sleep 2

  # Outer geometry: the client window plus the frame the window manager drew.
  outer() {
    local x y w h l r t b
    eval "$(xwininfo -id "$wid" | awk '/Absolute upper-left X:/ { print "x=" $4 }
      /Absolute upper-left Y:/ { print "y=" $4 } /Width:/ { print "w=" $2 }
      /Height:/ { print "h=" $2 }')"
    IFS=', ' read -r l r t b < <(xprop -id "$wid" _NET_FRAME_EXTENTS | sed 's/.*= //')
    echo "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))"
  }
  # Top of the readout in the client window: the first row of the station
  # heading's pale yellow below the status line, whose height varies.
  readout_top() {
    import -window "$wid" -crop 1x200+122+0 +repage -depth 8 txt:- |
      awk -F'[:,]' '/#FFFFC0/ { print $2; exit }'
  }

  local startup pane restored top
  startup=$(outer)
  top=$(readout_top)
  xdotool mousemove --window "$wid" 122 $((top + 8)) click 1   # "稚" opens the pane
  sleep 4
  pane=$(outer)
  top=$(readout_top)
  xdotool mousemove --window "$wid" 60 $((top + 160)) click 1  # "元のサイズに戻す"
  sleep 2
  restored=$(outer)
  echo "start-up outer geometry:       $startup pixels"
  echo "pane-open outer geometry:      $pane pixels"
  echo "after 元のサイズに戻す:        $restored pixels"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  [ "$startup" = "$restored" ] && [ "$startup" = 156x195+200+100 ]
}

export work
# The window manager, and the program if a step failed, end with the display's shell.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "trap 'kill \$(jobs -p) 2>/dev/null' EXIT; $(declare -f check); check"
