// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/adif_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <array>
#include <optional>
#include <vector>

class QIODevice;

// A record left out of a log: the line it starts on (from 1; for a length
// past the end, the line of that field) and why.
struct AdifSkip {
    int line = 0;
    QString reason;
};

// Reads an ADIF log (.adi) record by record from a device opened for
// reading, a chunk at a time: it holds the current record's bytes, not the
// file. Lengths are counted in bytes and never trusted beyond what the
// device still holds. A damaged record is skipped and told in skipped();
// a length past the end ends the reading.
class AdifReader {
public:
    explicit AdifReader(QIODevice& device, qsizetype chunkSize = 64 * 1024);

    // The next good record; nothing at the end of the log.
    std::optional<AdifRecord> next();

    const std::vector<AdifSkip>& skipped() const { return m_skipped; }
    // Records next() has handed out.
    int recordsRead() const { return m_recordsRead; }

private:
    // The fields used, in the order of their names in adif_reader.cpp.
    enum UsedField {
        Call,
        Grid,
        Date,
        TimeOn,
        Band,
        Freq,
        Mode,
        Submode,
        MyGrid,
        PropMode,
        RstReceived,
        FieldCount
    };
    enum class TagKind { EndOfFile, EndOfHeader, EndOfRecord, Field };
    struct Tag {
        TagKind kind = TagKind::EndOfFile;
        int field = -1; // a UsedField, or -1 for one Ondrel does not use
        qint64 length = 0;
    };

    Tag nextTag();
    std::optional<Tag> tagAt(qsizetype end) const;
    bool fill(qint64 bytes);
    bool skipValue(qint64 bytes);
    void advance(qsizetype bytes);
    std::optional<AdifRecord> finishRecord();
    void clearRecord();
    QString text(UsedField field) const;
    void skipRecord(int line, const QString& reason);
    template <typename Make>
    QString sharedText(UsedField field, Make make);

    QIODevice& m_device;
    qsizetype m_chunkSize;
    QByteArray m_buffer; // unread bytes from m_pos on
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_ended = false;

    // The record being read: the values of the fields used, by index.
    std::array<QByteArray, FieldCount> m_values;
    bool m_hasFields = false;
    int m_recordLine = 0;

    std::vector<AdifSkip> m_skipped;
    int m_recordsRead = 0;
    std::array<QHash<QByteArray, QString>, FieldCount> m_sharedTexts;
};

// What a log in memory holds (the Logged ADIF datagram carries one
// record's ADIF text).
struct AdifText {
    std::vector<AdifRecord> records;
    std::vector<AdifSkip> skipped;
};
AdifText readAdifText(QByteArrayView text);
