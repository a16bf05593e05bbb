#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Records the UDP datagrams WSJT-X or JTDX sends, and summarises a record.

record DIR PORT_FILE [--forward PORT] [--schema N] [--dx CALL GRID]: binds
  127.0.0.1 on a free port, writes the port number to PORT_FILE, then stores
  every datagram as DIR/NNN-NAME.bin (NNN counts from 001 in arrival order,
  NAME is the message type) until SIGTERM. --forward sends a copy of each
  to 127.0.0.1:PORT (a listener under test). The recorder is silent unless
  told: --schema answers the first heartbeat as a server that speaks schema
  N (the peer then sends in N, as it does beside GridTracker); --dx sets the
  peer's DX call and grid after its first decode (a Configure message; the
  peer must accept UDP requests), so that a QSO can be logged.
summary DIR: one line per stored datagram, for the bench's output and for
  checking a record by eye. Reads only what the summary shows.
"""
import argparse
import datetime
import os
import signal
import socket
import struct
import sys

MAGIC = 0xADBCCBDA
TYPE_NAMES = {
    0: "heartbeat", 1: "status", 2: "decode", 3: "clear", 4: "reply",
    5: "qso-logged", 6: "close", 7: "replay", 8: "halt-tx", 9: "free-text",
    10: "wspr-decode", 11: "location", 12: "logged-adif",
    13: "highlight-callsign", 14: "switch-configuration", 15: "configure",
}


def type_name(kind):
    return TYPE_NAMES.get(kind, "type%d" % kind)


def utf8_field(text):
    data = text.encode()
    return struct.pack(">I", len(data)) + data


def message(kind, fields, schema=2):
    return struct.pack(">III", MAGIC, schema, kind) + utf8_field("recorder") + fields


def heartbeat(schema):
    return message(0, struct.pack(">I", schema) + utf8_field("") + utf8_field(""), schema)


def configure(dx_call, dx_grid):
    unchanged = 0xFFFFFFFF
    return message(15, utf8_field("") + struct.pack(">I", unchanged) + utf8_field("")
                   + struct.pack(">?II", False, unchanged, unchanged)
                   + utf8_field(dx_call) + utf8_field(dx_grid) + struct.pack(">?", True))


def record(directory, port_file, forward=None, schema=None, dx=None):
    os.makedirs(directory, exist_ok=True)
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind(("127.0.0.1", 0))
    with open(port_file + ".tmp", "w") as f:
        f.write("%d\n" % sock.getsockname()[1])
    os.rename(port_file + ".tmp", port_file)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    count = 0
    while True:
        data, peer = sock.recvfrom(65536)
        count += 1
        if forward:
            sock.sendto(data, ("127.0.0.1", forward))
        kind = struct.unpack(">I", data[8:12])[0] if len(data) >= 12 else -1
        if kind == 0 and schema:
            sock.sendto(heartbeat(schema), peer)
            schema = None
        if kind == 2 and dx:
            sock.sendto(configure(*dx), peer)
            dx = None
        name = type_name(kind) if kind >= 0 else "short"
        with open(os.path.join(directory, "%03d-%s.bin" % (count, name)), "wb") as f:
            f.write(data)


class Reader:
    """QDataStream's big-endian fields as WSJT-X writes them."""

    def __init__(self, data):
        self.data, self.pos = data, 0

    def take(self, fmt):
        # A field missing at the end is an older or other peer's message.
        if self.pos == len(self.data):
            return None
        value = struct.unpack_from(fmt, self.data, self.pos)
        self.pos += struct.calcsize(fmt)
        return value[0]

    def u32(self): return self.take(">I")
    def i32(self): return self.take(">i")
    def u64(self): return self.take(">Q")
    def double(self): return self.take(">d")
    def boolean(self): return self.take(">?")

    def utf8(self):
        length = self.u32()
        if length is None or length == 0xFFFFFFFF:
            return None
        text = self.data[self.pos:self.pos + length].decode("utf-8", "replace")
        self.pos += length
        return text


def describe(data):
    r = Reader(data)
    magic, schema, kind = r.u32(), r.u32(), r.u32()
    if magic != MAGIC:
        return "not a WSJT-X datagram"
    head = "schema %d %-10s id %r" % (schema, type_name(kind), r.utf8())
    if kind == 0:
        return "%s max schema %d version %r revision %r" % (head, r.u32(), r.utf8(), r.utf8())
    if kind == 1:
        dial, mode, dx_call, report, tx_mode = r.u64(), r.utf8(), r.utf8(), r.utf8(), r.utf8()
        r.boolean(), r.boolean(), r.boolean()
        r.u32(), r.u32()
        de_call, de_grid = r.utf8(), r.utf8()
        return "%s dial %d Hz mode %s DE %s %s DX %r" % (head, dial, mode, de_call, de_grid, dx_call)
    if kind == 2:
        is_new, ms, snr, dt, df = r.boolean(), r.u32(), r.i32(), r.double(), r.u32()
        mode, text = r.utf8(), r.utf8()
        return "%s new %d time %02d:%02d:%02d snr %+d dt %.1f df %d mode %s %r" % (
            head, is_new, ms // 3600000, ms // 60000 % 60, ms // 1000 % 60, snr, dt, df, mode, text)
    if kind == 5:
        day, ms, time_spec = r.take(">q"), r.u32(), r.take(">B")
        if time_spec == 2:
            r.i32()
        dx_call, dx_grid, freq, mode = r.utf8(), r.utf8(), r.u64(), r.utf8()
        return "%s off %s %02d:%02d:%02d DX %s %s %d Hz %s" % (
            head, datetime.date.fromordinal(day - 1721425), ms // 3600000, ms // 60000 % 60,
            ms // 1000 % 60, dx_call, dx_grid, freq, mode)
    if kind == 12:
        return "%s %r" % (head, r.utf8())
    return head


def summary(directory):
    for name in sorted(os.listdir(directory)):
        if name.endswith(".bin"):
            with open(os.path.join(directory, name), "rb") as f:
                data = f.read()
            try:
                line = describe(data)
            except struct.error:
                line = "runs past its end"
            print("%s (%d bytes): %s" % (name, len(data), line))


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description="Records or summarises WSJT-X datagrams.")
    commands = parser.add_subparsers(dest="command", required=True)
    recording = commands.add_parser("record")
    recording.add_argument("directory")
    recording.add_argument("port_file")
    recording.add_argument("--forward", type=int)
    recording.add_argument("--schema", type=int)
    recording.add_argument("--dx", nargs=2, metavar=("CALL", "GRID"))
    commands.add_parser("summary").add_argument("directory")
    args = parser.parse_args()
    if args.command == "record":
        record(args.directory, args.port_file, args.forward, args.schema, args.dx)
    else:
        summary(args.directory)
