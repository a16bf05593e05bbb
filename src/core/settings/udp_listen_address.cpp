// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/udp_listen_address.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

// WSJT-X's and JTDX's own default UDP server.
const QString kDefaultAddress = QStringLiteral("127.0.0.1");

std::optional<quint16> portOf(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int port = text.toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

// Dotted quads only: "1.2.3" or "0x7f.1" would mean other addresses to the
// socket than the person reads.
std::optional<QString> ipv4Of(const QString& text)
{
    static const QRegularExpression quad(
        QStringLiteral("^([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    const QRegularExpressionMatch match = quad.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QStringList parts;
    for (int n = 1; n <= 4; ++n) {
        const int part = match.captured(n).toInt();
        if (part > 255)
            return std::nullopt;
        parts << QString::number(part);
    }
    return parts.join(u'.');
}

// QUrl checks the address between the brackets.
std::optional<QString> ipv6Of(const QString& text)
{
    if (!text.startsWith(u'[') || !text.endsWith(u']'))
        return std::nullopt;
    const QUrl url(QStringLiteral("udp://") + text, QUrl::StrictMode);
    if (!url.isValid() || !url.host().contains(u':'))
        return std::nullopt;
    return url.host();
}

bool isMulticast(const QString& address)
{
    if (address.contains(u':'))
        return address.startsWith(QStringLiteral("ff"), Qt::CaseInsensitive);
    const int first = address.section(u'.', 0, 0).toInt();
    return first >= 224 && first <= 239;
}

} // namespace

std::optional<UdpListenAddress> udpListenAddressOf(const QString& text)
{
    const QString typed = text.trimmed();
    const qsizetype colon = typed.lastIndexOf(u':');
    if (colon < 0) {
        const std::optional<quint16> port = portOf(typed);
        if (!port)
            return std::nullopt;
        return UdpListenAddress{kDefaultAddress, *port, false};
    }
    const std::optional<quint16> port = portOf(typed.mid(colon + 1));
    const QString host = typed.left(colon);
    const std::optional<QString> address = host.contains(u':') ? ipv6Of(host) : ipv4Of(host);
    if (!port || !address)
        return std::nullopt;
    return UdpListenAddress{*address, *port, isMulticast(*address)};
}
