# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the real window: a copy of the built
# program in a temporary folder (so its settings file stays out of the build
# tree), a local HTTP server for the alert page and a stand-in ionogram page,
# and a settings file that points the program at it.
# After `local_copy [SETTINGS_LINE…]`: $work (removed on exit), $work/app/ondrel,
# $work/run (XDG_RUNTIME_DIR), $page (the served alert page) and $port.
local_copy() {
  work=$(mktemp -d)
  trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
  mkdir -p "$work/www/ISDJ" "$work/www/ionog/ionogram/nowpng" "$work/app" "$work/run"
  chmod 700 "$work/run"
  cp build/src/ondrel build/src/libondrel_webengine.so "$work/app/"
  page="$work/www/ISDJ/ionospheric-alert.html"
  cp examples/alert-sample.html "$page"
  cat > "$work/www/ionog/ionogram/nowpng/wk546.html" <<'HTML'
<html><head><meta charset="utf-8"><title>稚内 イオノグラム</title></head>
<body style="font-family: sans-serif"><h2>稚内 (WK546) 最新のイオノグラム</h2>
<div style="width:480px;height:300px;border:1px solid #888;background:linear-gradient(#113,#335)"></div>
</body></html>
HTML
  port=$((20000 + RANDOM % 20000))
  (cd "$work/www" && exec python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>&1) &
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
