#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a made-up WSJT-X log of N contacts (default 100,000) to FILE or
stdout: the records WSJT-X writes, over Es seasons from 2020 on, mostly 6 m
FT8 with FT4, 10 m and 2 m among them, some with a comment (Japanese too)
and PROP_MODE. The same N gives the same bytes."""
import datetime
import random
import sys

PREFIXES = ["JA", "JH", "JR", "JE", "JF", "JG", "JI", "JJ", "JK", "JL", "JM", "JO", "JP",
            "7K", "7L", "7M", "8J", "HL", "DS", "BV", "BX", "BY", "BG", "VR2", "DU"]
FIELDS = ["PM", "QM", "PN", "QN", "PL", "OM", "OL", "PO", "OM", "OL"]
BANDS = [("6m", 50.313, "FT8", "", 70), ("6m", 50.318, "MFSK", "FT4", 15),
         ("10m", 28.074, "FT8", "", 10), ("2m", 144.460, "FT8", "", 5)]
COMMENTS = ["tnx", "Es", "Es 開けた!", "first QSO", "強い信号", "rig: IC-7300 50W"]


def field(name, value):
    return "<%s:%d>%s " % (name, len(value.encode("utf-8")), value)


def call(rng):
    prefix = rng.choice(PREFIXES)
    return prefix + str(rng.randrange(10)) + "".join(
        rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(rng.choice([2, 3, 3])))


def grid(rng):
    square = rng.choice(FIELDS) + "%d%d" % (rng.randrange(10), rng.randrange(10))
    if rng.random() < 0.2:
        square += rng.choice("abcdefghijklmnopqrstuvwx") + rng.choice("abcdefghijklmnopqrstuvwx")
    return square


def record(rng, start):
    band, freq, mode, submode, _ = rng.choices(BANDS, weights=[b[4] for b in BANDS])[0]
    end = start + datetime.timedelta(seconds=rng.randrange(30, 180))
    text = field("call", call(rng))
    if rng.random() < 0.9:
        text += field("gridsquare", grid(rng))
    text += field("mode", mode)
    if submode:
        text += field("submode", submode)
    text += field("rst_sent", "%+03d" % rng.randrange(-24, 11))
    text += field("rst_rcvd", "%+03d" % rng.randrange(-24, 11))
    text += field("qso_date", start.strftime("%Y%m%d"))
    text += field("time_on", start.strftime("%H%M%S"))
    text += field("qso_date_off", end.strftime("%Y%m%d"))
    text += field("time_off", end.strftime("%H%M%S"))
    text += field("band", band)
    text += field("freq", "%.6f" % (freq + rng.randrange(200, 2800) / 1e6))
    text += field("station_callsign", "JA1XYZ")
    text += field("my_gridsquare", "PM95VQ")
    if rng.random() < 0.3:
        text += field("prop_mode", "ES")
    if rng.random() < 0.2:
        text += field("comment", rng.choice(COMMENTS))
    return text + "<eor>\n"


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    out = open(sys.argv[2], "w", encoding="utf-8", newline="\n") if len(sys.argv) > 2 else sys.stdout
    rng = random.Random(count)
    time = datetime.datetime(2020, 5, 1, 0, 0, 0)
    out.write("WSJT-X ADIF Export<eoh>\n")
    for _ in range(count):
        time += datetime.timedelta(seconds=rng.randrange(30, 600))
        # Es seasons: May to August.
        if time.month > 8:
            time = datetime.datetime(time.year + 1, 5, 1)
        out.write(record(rng, time))
    out.close()


if __name__ == "__main__":
    main()
