// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on arbitrary content: a key written reads back, and
// every line the write does not touch stays as it was.
#include "core/settings/ini_file.h"
#include "core/system/procedure_failure.h"
#include "fuzz_check.h"

#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

QByteArrayView trimBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool hasLineBreak(QByteArrayView text)
{
    return text.contains('\n') || text.contains('\r');
}

// The names and values a settings line can hold without changing its shape.
bool usable(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    return !section.isEmpty() && !section.contains(']') && !hasLineBreak(section) &&
           !key.isEmpty() && !key.contains('=') && key.front() != '[' && key.front() != ';' &&
           !hasLineBreak(key) && !hasLineBreak(value);
}

// The lines of `content` without their ends: a last line without one
// may get one when a line is added after it.
QList<QByteArray> lines(const QByteArray& content)
{
    QList<QByteArray> result = content.split('\n');
    for (QByteArray& line : result) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return result;
}

// `after` holds every line of `before` in order: with the same line count
// and at most one line changed when the key was there, otherwise with at
// most three lines added in one place.
void checkOtherLinesKept(const QByteArray& before, const QByteArray& after, bool keyExisted)
{
    const QList<QByteArray> old = lines(before);
    const QList<QByteArray> now = lines(after);
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    if (keyExisted) {
        FUZZ_CHECK(now.size() == old.size());
        FUZZ_CHECK(prefix + suffix >= old.size() - 1);
    } else {
        FUZZ_CHECK(prefix + suffix == old.size());
        FUZZ_CHECK(now.size() - old.size() >= 1 && now.size() - old.size() <= 3);
    }
}

QByteArray name(FuzzedDataProvider& input, const char* common)
{
    // Mostly the program's own names, so that real files get edited.
    return input.ConsumeBool() ? QByteArray(common)
                               : QByteArray::fromStdString(input.ConsumeRandomLengthString(24));
}

// The same write and read through the file functions.
void checkThroughFile(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                      const QByteArray& value)
{
    static QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("Ondrel.ini"));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(content) == content.size());
    file.close();

    const QString s = QString::fromUtf8(section), k = QString::fromUtf8(key),
                  v = QString::fromUtf8(value);
    // Text drops a leading byte order mark and replaces malformed bytes.
    if (!usable(s.toUtf8(), k.toUtf8(), v.toUtf8()))
        return;
    QString whyNot;
    FUZZ_CHECK(writeIniValue(path, s, k, v, whyNot));
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    FUZZ_CHECK(file.readAll() == iniWithValue(content, s.toUtf8(), k.toUtf8(), v.toUtf8()));
    const std::optional<QString> read = readIniValue(path, s, k);
    FUZZ_CHECK(read && *read == QString::fromUtf8(trimBlanks(v.toUtf8())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // Files are slow (each write syncs to disk): only a few inputs take that way.
    const bool throughFile = input.ConsumeIntegralInRange(0, 63) == 0;
    const QByteArray section = name(input, "ESConf");
    const QByteArray key = name(input, "TM2");
    const QByteArray value = QByteArray::fromStdString(input.ConsumeRandomLengthString(40));
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray content = QByteArray::fromStdString(rest);

    const std::optional<QByteArray> before = iniValue(content, section, key);
    if (!usable(section, key, value)) {
        bool refused = false;
        try {
            iniWithValue(content, section, key, value);
        } catch (const ProcedureFailure&) {
            refused = true;
        }
        FUZZ_CHECK(refused);
        return 0;
    }
    const QByteArray after = iniWithValue(content, section, key, value);
    const std::optional<QByteArray> read = iniValue(after, section, key);
    FUZZ_CHECK(read && *read == trimBlanks(value));
    checkOtherLinesKept(content, after, before.has_value());

    if (throughFile)
        checkThroughFile(content, section, key, value);
    return 0;
}
