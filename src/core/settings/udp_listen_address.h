// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Where the decodes of WSJT-X and JTDX are heard (ESDecodeUdp).
struct UdpListenAddress {
    QString address; // numeric IPv4 or IPv6 address, written as the socket takes it
    quint16 port = 0;
    bool multicast = false; // a group to join (224.0.0.0/4, ff00::/8), shared with other programs

    bool operator==(const UdpListenAddress&) const = default;
};

// What a typed ESDecodeUdp means: `PORT` is 127.0.0.1:PORT, where WSJT-X
// and JTDX send by default; `ADDRESS:PORT` listens there, a multicast
// group beside the other programs that join it; `[IPV6]:PORT` likewise.
// Blanks around it are left aside. Nothing for an empty text (off) or one
// that is none of these; host names are not taken.
std::optional<UdpListenAddress> udpListenAddressOf(const QString& text);
