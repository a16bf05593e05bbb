// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/coastline.h"

#include <QFile>
#include <QtEndian>

namespace {

// Thousandths of a degree from this origin.
constexpr double kOriginLon = 138.0;
constexpr double kOriginLat = 36.0;
constexpr double kUnit = 1000.0;

// Reads little-endian 16-bit numbers, failing once the bytes run out.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    std::optional<qint16> next()
    {
        if (m_at + 2 > m_bytes.size())
            return std::nullopt;
        const qint16 value = qFromLittleEndian<qint16>(m_bytes.constData() + m_at);
        m_at += 2;
        return value;
    }
    bool atEnd() const { return m_at == m_bytes.size(); }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

bool readShapes(Reader& in, std::vector<std::vector<GeoPoint>>& shapes)
{
    const std::optional<qint16> count = in.next();
    if (!count || *count < 0)
        return false;
    shapes.resize(*count);
    for (std::vector<GeoPoint>& shape : shapes) {
        const std::optional<qint16> points = in.next();
        if (!points || *points < 0)
            return false;
        shape.reserve(*points);
        for (int n = 0; n < *points; ++n) {
            const std::optional<qint16> lon = in.next();
            const std::optional<qint16> lat = in.next();
            if (!lon || !lat)
                return false;
            shape.push_back({kOriginLat + *lat / kUnit, kOriginLon + *lon / kUnit});
        }
    }
    return true;
}

} // namespace

std::optional<Coastline> decodeCoastline(const QByteArray& bytes)
{
    Coastline coast;
    Reader in(bytes);
    if (!readShapes(in, coast.land) || !readShapes(in, coast.shore) || !in.atEnd())
        return std::nullopt;
    return coast;
}

const Coastline& coastline()
{
    static const Coastline coast = [] {
        QFile file(QStringLiteral(":/reach/coastline-japan.bin"));
        if (!file.open(QIODevice::ReadOnly))
            return Coastline{};
        return decodeCoastline(file.readAll()).value_or(Coastline{});
    }();
    return coast;
}
