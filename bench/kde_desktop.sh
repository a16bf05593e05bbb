#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# KDE Plasma on Wayland, headless: KWin with Xwayland on a virtual
# 1280 × 800 screen and plasmashell (panel and tray), the built program in
# it against a local copy of the alert page, screenshots, and the stored
# position after keep in front was toggled. Ends everything it started.
# Installs its packages (large: not part of scripts/setup); run as root.
# Usage: bench/kde_desktop.sh [OUTPUT_DIR]   (default build/desktops/kde)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/desktops/kde}")
mkdir -p "$out"
source scripts/lib.sh
source bench/desktop_lib.sh
need_packages kwin-wayland plasma-desktop qtwayland5 kde-spectacle xwayland xdotool wmctrl x11-utils
build_preset dev --target ondrel ondrel_webengine >/dev/null

start_desktop_session

# kwin_wayland carries a file capability that a container cannot grant,
# and exec fails on it; a plain copy has none (under the same name, which
# KWin's own Qt platform plugin asks for). Its first client tells us the
# display of the Xwayland it started.
cp /usr/bin/kwin_wayland "$work/kwin_wayland"
printf '#!/bin/sh\necho "$DISPLAY" > "%s/display"\nexec sleep infinity\n' "$work" >"$work/tell-display"
chmod +x "$work/tell-display"
KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 marked "$work/kwin_wayland" --virtual --width 1280 --height 800 \
  --xwayland --socket wayland-k --no-lockscreen "$work/tell-display" >"$work/kwin.log" 2>&1 &
wait_for_path "$work/display" 300
export WAYLAND_DISPLAY=wayland-k XDG_SESSION_TYPE=wayland DISPLAY=$(cat "$work/display")
# What the bus starts on demand (kactivitymanagerd, kded) needs the display.
dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM=wayland
QT_QPA_PLATFORM=wayland marked plasmashell >"$work/plasmashell.log" 2>&1 &
plasma_pid=$!
sleep 15
kill -0 "$plasma_pid" 2>/dev/null || { echo "kde: plasmashell ended:"; tail -n 20 "$work/plasmashell.log"; }
echo "kde: WAYLAND_DISPLAY=$WAYLAND_DISPLAY DISPLAY=$DISPLAY"

# The whole screen, through KWin's screenshot interface as spectacle uses it.
screenshot() {
  QT_QPA_PLATFORM=wayland spectacle --background --nonotify --fullscreen --output "$1" \
    >>"$work/spectacle.log" 2>&1 || true
  [ -s "$1" ] && echo "screenshot $1" || { echo "kde: no screenshot"; cat "$work/spectacle.log"; }
}

echo "kde: plasmashell said:"; grep -v '^$' "$work/plasmashell.log" | tail -n 8 | sed 's/^/  /'
run_desktop_checks kde "$out"
