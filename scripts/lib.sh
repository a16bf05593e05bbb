# SPDX-License-Identifier: GPL-3.0-or-later
# Shell code the scripts share; sourced from the repository's top directory.

# Ninja keeps both cores busy along the chain of libraries. A preset that
# names its generator keeps it (asan: Unix Makefiles, as packagers build,
# so a rule that counts on another's side effect fails in CI); a build
# directory made before keeps the generator it has.
export CMAKE_GENERATOR=${CMAKE_GENERATOR:-Ninja}

# Adds a command to what runs when the script exits, before those added
# earlier: each part ends what it started, and none replaces another's.
exit_actions=()
on_exit() {
  exit_actions=("$1" "${exit_actions[@]}")
  # Every action runs, whatever the one before did, and the script keeps
  # its own exit status.
  trap 'status=$?; for action in "${exit_actions[@]}"; do eval "$action" || true; done; exit $status' EXIT
}

# Configures and builds a CMake preset (CMakePresets.json); further
# arguments go to the build, e.g. --target ondrel.
build_preset() {
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" "$@"
}

# Installs a Debian package unless it is there (root only).
need_package() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "$(basename "$0"): package $1 missing (run as root to install it)" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$1" ||
    { apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$1"; }
}

# Live processes whose environment holds the entry $1, as "name (pid)".
processes_marked() {
  local dir pid state
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    grep -qzxF -- "$1" "$dir/environ" 2>/dev/null || continue
    state=$(sed 's/.*) //' "$dir/stat" 2>/dev/null | cut -d' ' -f1) || continue
    [ -n "$state" ] && [ "$state" != Z ] || continue
    echo "$(cat "$dir/comm" 2>/dev/null) ($pid)"
  done
}

# Runs ctest with the given arguments and fails when anything the suite
# started (a program, a display, a message bus) is still alive afterwards:
# every process a test starts inherits this run's mark in its environment.
# What is left is named, then ended.
ctest_guarded() {
  local mark="ONDREL_SUITE_RUN=$$.$RANDOM$RANDOM" status=0 left="" tries
  env "$mark" ctest "$@" || status=$?
  # Processes told to end at the close of their test get a moment to go.
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    left=$(processes_marked "$mark")
    [ -z "$left" ] && break
    sleep 0.5
  done
  if [ -n "$left" ]; then
    echo "$(basename "$0"): the suite left processes running:" $left >&2
    for pid in $(sed -n 's/.*(\([0-9]*\))$/\1/p' <<<"$left"); do kill -9 "$pid" 2>/dev/null || true; done
    status=1
  fi
  return $status
}

# The sample page as if it had just come: its time stamp is now, in JST
# (an older one is shown as stale, dimmed).
stamped_now() {
  sed "s|2026/12/07 10:15 JST|$(TZ=Asia/Tokyo date '+%Y/%m/%d %H:%M') JST|"
}

# For the scripts that run the real window: a copy of the built
# program in a temporary folder (so its settings file stays out of the build
# tree), a local HTTP server for the alert page and a stand-in ionogram page,
# and a settings file that points the program at it.
# After `local_copy [SETTINGS_LINE…]`: $work (removed on exit), $work/app/ondrel,
# $work/run (XDG_RUNTIME_DIR), $page (the served alert page) and $port (LOCAL_PORT
# when set, else a random one).
local_copy() {
  work=$(mktemp -d)
  on_exit 'rm -rf "$work"'
  mkdir -p "$work/www/ISDJ" "$work/www/ionog/ionogram/nowpng" "$work/app" "$work/run"
  chmod 700 "$work/run"
  # BUILD_DIR: another build's program, to compare with.
  cp "${BUILD_DIR:-build}"/src/ondrel "${BUILD_DIR:-build}"/src/libondrel_webengine.so "$work/app/"
  page="$work/www/ISDJ/ionospheric-alert.html"
  stamped_now < examples/alert-sample.html > "$page"
  cat > "$work/www/ionog/ionogram/nowpng/wk546.html" <<'HTML'
<html><head><meta charset="utf-8"><title>稚内 イオノグラム</title></head>
<body style="font-family: sans-serif"><h2>稚内 (WK546) 最新のイオノグラム</h2>
<div style="width:480px;height:300px;border:1px solid #888;background:linear-gradient(#113,#335)"></div>
</body></html>
HTML
  port=${LOCAL_PORT:-$((20000 + RANDOM % 20000))}
  # A group of its own: python3 may be a wrapper (pyenv) that leaves the
  # server a child of its own.
  (cd "$work/www" && exec setsid python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>&1) &
  on_exit "kill -- -$! 2>/dev/null; kill \$(jobs -p) 2>/dev/null"
  # The first start must not race the server's.
  local _
  for _ in $(seq 50); do
    python3 -c 'import socket,sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])), 0.2)' \
      "$port" 2>/dev/null && break
    sleep 0.1
  done
  { printf '[ESConf]\nESHost=http://127.0.0.1:%s\n' "$port"; printf '%s\n' "$@"; } \
    > "$work/app/Ondrel.ini"
}
