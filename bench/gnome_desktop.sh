#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# GNOME Shell on Wayland, headless: a system bus, a session bus and
# gnome-shell on a virtual 1280 × 800 monitor (with the AppIndicator
# extension, as Ubuntu ships it), the built program in it on Xwayland
# against a local copy of the alert page, screenshots, the stored position
# after keep in front was toggled, and the box shown as root. Ends
# everything it started. Installs its packages (large: not part of
# scripts/setup); run as root.
# Usage: bench/gnome_desktop.sh [OUTPUT_DIR]   (default build/desktops/gnome)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/desktops/gnome}")
mkdir -p "$out"
source scripts/lib.sh
source bench/desktop_lib.sh
need_packages gnome-shell gjs gnome-shell-extension-appindicator gnome-screenshot xwayland \
  xdotool wmctrl x11-utils imagemagick
build_preset dev --target ondrel ondrel_webengine >/dev/null

start_desktop_session
# A new session opens on the overview, and the shell lets no outside
# caller close it: an extension of this run's own does, once the shell is up.
ext=$HOME/.local/share/gnome-shell/extensions/desktop-check@ondrel.invalid
mkdir -p "$ext"
printf '{"uuid": "desktop-check@ondrel.invalid", "name": "Desktop check",
 "description": "Leaves the overview at start", "shell-version": ["43"]}\n' >"$ext/metadata.json"
cat >"$ext/extension.js" <<'JS'
const Main = imports.ui.main;
function init() {}
function enable() {
    if (Main.layoutManager._startingUp)
        Main.layoutManager.connect('startup-complete', () => Main.overview.hide());
    else
        Main.overview.hide();
}
function disable() {}
JS
gsettings set org.gnome.shell enabled-extensions \
  "['ubuntu-appindicators@ubuntu.com', 'desktop-check@ondrel.invalid']"

# gnome-shell wants /run/systemd to itself; a mount namespace of its own
# gives it an empty one without touching the machine's.
marked unshare -m sh -c 'mount -t tmpfs tmpfs /run/systemd && exec gnome-shell --headless \
  --wayland --virtual-monitor 1280x800 --wayland-display=wayland-0' >"$work/gnome-shell.log" 2>&1 &
wait_for_path "$XDG_RUNTIME_DIR/wayland-0" 300
# The Xwayland gnome-shell started names its display and its
# authorisation file on its command line.
display= auth=
for _ in $(seq 100); do
  for pid in $(processes_marked "$desktop_mark" | sed -n 's/^Xwayland (\([0-9]*\))$/\1/p'); do
    display=$(tr '\0' '\n' <"/proc/$pid/cmdline" | grep -m1 '^:[0-9]*$' || true)
    auth=$(tr '\0' '\n' <"/proc/$pid/cmdline" | grep -A1 -x -- -auth | tail -n 1 || true)
  done
  [ -n "$display" ] && break
  sleep 0.2
done
[ -n "$display" ] || { echo "gnome: no Xwayland:"; tail -n 20 "$work/gnome-shell.log"; exit 1; }
export WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland DISPLAY=$display XAUTHORITY=$auth
sleep 5
echo "gnome: WAYLAND_DISPLAY=$WAYLAND_DISPLAY DISPLAY=$DISPLAY"

# The whole screen through gnome-shell's screenshot interface, which only
# answers gnome-screenshot and a few others.
screenshot() {
  GDK_BACKEND=wayland gnome-screenshot --file="$1" >>"$work/screenshot.log" 2>&1 || true
  [ -s "$1" ] && echo "screenshot $1" || { echo "gnome: no screenshot"; cat "$work/screenshot.log"; }
}

run_desktop_checks gnome "$out"
