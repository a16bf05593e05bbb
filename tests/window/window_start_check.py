#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The built window program, started as scripts/run starts it, on a real X
display (xvfb-run) against a local server: it must paint a readout within
seconds and say nothing about the OpenGL it runs without. It runs twice: on
a session bus of its own, and with no session bus at all, where it must not
start one (libdbus's autolaunch leaves dbus-launch and a dbus-daemon behind).

Usage: window_start_check.py ONDREL ENGINE_MODULE ALERT_PAGE
"""

import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import uuid

PAGE_PATH = "/ISDJ/ionospheric-alert.html"
READOUT = "ondrel.readout: first readout painted at"
READOUT_SECONDS = 30
# Marks the program's environment, which whatever it starts inherits.
TOKEN_NAME = "ONDREL_START_CHECK"


def serve(page):
    requests = []

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            requests.append(self.path)
            found = self.path == PAGE_PATH
            body = page if found else b""
            self.send_response(200 if found else 404)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, requests


def run_inside_display(gui, module, page_file, work):
    """Runs under xvfb-run on a bus of its own: starts the program in WORK
    and watches its stderr."""
    with open(page_file, "rb") as f:
        server, requests = serve(f.read())
    # A copy of its own: the settings file is read beside the executable,
    # and the build tree stays untouched.
    app = os.path.join(work, "app")
    home = os.path.join(work, "home")
    os.mkdir(app)
    os.mkdir(home, 0o700)
    for built in (gui, module):
        shutil.copy2(built, app)
    with open(os.path.join(app, "Ondrel.ini"), "w") as f:
        f.write(f"[ESConf]\nESHost=http://127.0.0.1:{server.server_port}\n")

    token = uuid.uuid4().hex
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, XDG_DATA_HOME=home,
               XDG_CONFIG_HOME=home, QT_LOGGING_RULES="ondrel.readout.debug=true",
               **{TOKEN_NAME: token})
    env.pop("WAYLAND_DISPLAY", None)
    program = subprocess.Popen([os.path.join(app, os.path.basename(gui))], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    lines = []
    painted = threading.Event()

    def read():
        for line in program.stderr:
            lines.append(line.rstrip("\n"))
            if line.startswith(READOUT):
                painted.set()

    reader = threading.Thread(target=read, daemon=True)
    reader.start()
    painted.wait(READOUT_SECONDS)
    program.terminate()
    program.wait()
    reader.join(5)
    server.shutdown()
    left = processes_with(f"{TOKEN_NAME}={token}".encode())

    print("stderr of the program:")
    for line in lines:
        print("  " + line)
    failures = []
    if not painted.is_set():
        failures.append(f"no readout painted within {READOUT_SECONDS} s")
    if PAGE_PATH not in requests:
        failures.append(f"the alert page was not fetched (requests: {requests})")
    if any("OpenGL" in line or "graphics backend" in line for line in lines):
        failures.append("a warning about the OpenGL left out was printed")
    if left:
        failures.append(f"processes the program started outlive it: {', '.join(left)}")
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


def processes_with(entry):
    """Live processes whose environment holds ENTRY, as "name (pid)"."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as f:
                if entry not in f.read().split(b"\0"):
                    continue
            with open(f"/proc/{pid}/stat") as f:
                head, tail = f.read().rsplit(")", 1)
            name, state = head.split("(", 1)[1], tail.split()[0]
        except OSError:
            continue
        if state != "Z":
            found.append(f"{name} ({pid})")
            os.kill(int(pid), 9)
    return found


def run_display(arguments, bus):
    """Runs the check under xvfb-run, on a bus of its own or on none."""
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    inside = ["dbus-run-session", "--"] if bus else []
    print("== " + ("on a session bus of its own" if bus else "with no session bus"), flush=True)
    # The directory goes only once the display, the bus and the program,
    # which all may write into it, have ended.
    with tempfile.TemporaryDirectory() as work:
        done = subprocess.run(["xvfb-run", "-a", *inside, sys.executable, __file__, "--inside",
                               *arguments, work], env=env, timeout=READOUT_SECONDS * 3)
    return done.returncode


def main():
    if len(sys.argv) == 6 and sys.argv[1] == "--inside":
        return run_inside_display(*sys.argv[2:])
    if len(sys.argv) != 4:
        print(__doc__.strip().splitlines()[-1])
        return 2
    for tool in ("xvfb-run", "dbus-run-session"):
        if shutil.which(tool) is None:
            print(f"FAIL: {tool} is missing (scripts/setup installs it)")
            return 1
    # The suite runs headless (QT_QPA_PLATFORM=offscreen); this check is
    # about the real window system.
    failed = [run_display(sys.argv[1:], bus) for bus in (True, False)]
    return 1 if any(failed) else 0


if __name__ == "__main__":
    sys.exit(main())
