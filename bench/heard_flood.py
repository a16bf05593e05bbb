#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Floods a listener on 127.0.0.1 with WSJT-X datagrams.

heard_flood.py PORT [COUNT [SECONDS]]: first the recorded WSJT-X run's
datagrams up to its last 50 MHz Status (so the client's band is 6 m), then
COUNT decodes of that client (default 50,000) spread evenly over SECONDS
(default 5): each a different call (JA, HL, BV, BY prefixes, a grid in
most), in the last few 15 s slots before now (UTC). Prints how many it sent.
"""
import datetime
import os
import random
import socket
import struct
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wsjtx_datagrams import MAGIC, utf8_field  # noqa: E402

RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "wsjtx",
                   "wsjtx-2.6.1")
PREFIXES = ["JA1", "JA6", "JR6", "JE6", "JA8", "JH7", "HL2", "HL5", "BV2", "BY4", "7J1", "JD1"]
GRIDS = ["PM51", "PL36", "PM37", "PM01", "PM53", "QN02", "PM74", "OL72", "", ""]


def recorded_run():
    """The run's datagrams to its last Status, and the client id they carry."""
    names = sorted(n for n in os.listdir(RUN) if n.endswith(".bin"))
    datagrams = [open(os.path.join(RUN, n), "rb").read() for n in names]
    last_status = max(i for i, n in enumerate(names) if n.endswith("-status.bin"))
    first = datagrams[0]
    (length,) = struct.unpack(">I", first[12:16])
    return datagrams[:last_status + 1], first[16:16 + length].decode()


def decode(client, ms, snr, text):
    return (struct.pack(">III", MAGIC, 2, 2) + utf8_field(client) + b"\x01" +
            struct.pack(">Iidi", ms, snr, 0.1, 1000) + utf8_field("~") + utf8_field(text) +
            b"\x00\x00")


def main():
    port = int(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 50000
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 5.0
    run, client = recorded_run()
    sender = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    for datagram in run:
        sender.sendto(datagram, ("127.0.0.1", port))
    rng = random.Random(28)
    start = time.monotonic()
    now = datetime.datetime.now(datetime.timezone.utc)
    midnight = now.replace(hour=0, minute=0, second=0, microsecond=0)
    slot = int((now - midnight).total_seconds()) // 15 * 15
    batch = 100
    for n in range(count):
        call = "%s%s" % (rng.choice(PREFIXES), "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                                      for _ in range(3)))
        text = "CQ %s %s" % (call, rng.choice(GRIDS)) if n % 2 else "JA1XYZ %s -%02d" % (
            call, n % 20)
        ms = ((slot - 15 * (n % 8)) % 86400) * 1000
        sender.sendto(decode(client, ms, -10 + n % 20, text.strip()), ("127.0.0.1", port))
        if n % batch == batch - 1:
            delay = start + seconds * (n + 1) / count - time.monotonic()
            if delay > 0:
                time.sleep(delay)
    print("sent %d decodes in %.1f s" % (count, time.monotonic() - start))


if __name__ == "__main__":
    main()
