// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

// Bytes read as from a pipe: in order, with no size told beforehand.
class BytePipe : public QIODevice {
public:
    explicit BytePipe(QByteArray bytes) : m_bytes(std::move(bytes)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, m_bytes.size() - m_read);
        std::memcpy(data, m_bytes.constData() + m_read, static_cast<std::size_t>(n));
        m_read += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_read = 0;
};
