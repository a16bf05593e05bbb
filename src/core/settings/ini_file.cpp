// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ini_file.h"

#include "core/system/procedure_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only ASCII letters fold, so the bytes of other encodings never match by accident.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

// One line as byte offsets into the content.
struct Line {
    qsizetype begin = 0; // after a UTF-8 byte order mark on the first line
    qsizetype end = 0;   // before the line end
    qsizetype next = 0;  // after the line end
};

class LineReader {
public:
    explicit LineReader(QByteArrayView content) : m_content(content)
    {
        // Windows editors may start the file with a byte order mark; it must
        // not hide a section header on the first line.
        if (m_content.startsWith("\xEF\xBB\xBF"))
            m_at = 3;
    }

    bool next(Line& line)
    {
        if (m_at >= m_content.size())
            return false;
        const qsizetype newline = m_content.indexOf('\n', m_at);
        line.begin = m_at;
        line.next = newline < 0 ? m_content.size() : newline + 1;
        line.end = newline < 0 ? m_content.size() : newline;
        if (line.end > line.begin && m_content[line.end - 1] == '\r')
            --line.end;
        m_at = line.next;
        return true;
    }

private:
    QByteArrayView m_content;
    qsizetype m_at = 0;
};

enum class LineKind { Blank, Comment, Section, Setting, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;
    QByteArrayView value;
};

ParsedLine parseLine(QByteArrayView text)
{
    const QByteArrayView body = trimBlanks(text);
    if (body.isEmpty())
        return {LineKind::Blank, {}, {}};
    if (body.front() == ';')
        return {LineKind::Comment, {}, {}};
    if (body.front() == '[') {
        // A header missing its "]" still names the section, as Windows reads it.
        const qsizetype close = body.indexOf(']');
        const qsizetype nameEnd = close < 0 ? body.size() : close;
        return {LineKind::Section, trimBlanks(body.sliced(1, nameEnd - 1)), {}};
    }
    const qsizetype equals = body.indexOf('=');
    if (equals < 0)
        return {LineKind::Other, {}, {}};
    return {LineKind::Setting, trimBlanks(body.first(equals)), trimBlanks(body.sliced(equals + 1))};
}

// Where a key of a section stands in the content.
struct Location {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;          // valid when keyFound
    ParsedLine keySetting; // valid when keyFound
    Line lastOfSection;    // its last setting line, or its header
};

Location locate(QByteArrayView content, QByteArrayView section, QByteArrayView key)
{
    Location where;
    LineReader reader(content);
    Line line;
    bool inSection = false;
    while (reader.next(line)) {
        const ParsedLine parsed = parseLine(content.sliced(line.begin, line.end - line.begin));
        if (parsed.kind == LineKind::Section) {
            if (inSection)
                break;
            if (!where.sectionFound && sameName(parsed.name, section)) {
                where.sectionFound = inSection = true;
                where.lastOfSection = line;
            }
            continue;
        }
        if (!inSection || parsed.kind != LineKind::Setting)
            continue;
        if (sameName(parsed.name, key)) {
            where.keyFound = true;
            where.keyLine = line;
            where.keySetting = parsed;
            break;
        }
        where.lastOfSection = line;
    }
    return where;
}

void requireUsable(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const auto hasLineBreak = [](QByteArrayView text) {
        return text.contains('\n') || text.contains('\r');
    };
    if (section.isEmpty() || section.contains(']') || hasLineBreak(section))
        throw ProcedureFailure("section name unusable in a settings file");
    if (key.isEmpty() || key.contains('=') || key.front() == '[' || key.front() == ';' ||
        hasLineBreak(key))
        throw ProcedureFailure("key name unusable in a settings file");
    if (hasLineBreak(value))
        throw ProcedureFailure("value with a line break unusable in a settings file");
}

QByteArray settingLine(QByteArrayView key, QByteArrayView value)
{
    return key.toByteArray().append('=').append(value);
}

QByteArray lineEndOf(QByteArrayView content)
{
    const qsizetype newline = content.indexOf('\n');
    return newline > 0 && content[newline - 1] == '\r' ? QByteArrayLiteral("\r\n")
                                                       : QByteArrayLiteral("\n");
}

// The file's content, empty when there is none; empty optional (and the
// reason in `whyNot`) when it cannot be read.
std::optional<QByteArray> readContent(const QString& path, QString& whyNot)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) {
        whyNot = file.errorString();
        return std::nullopt;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        whyNot = file.errorString();
        return std::nullopt;
    }
    return content;
}

// Replaces the file at `path` (and makes its directory) atomically.
bool storeContent(const QString& path, const QByteArray& content, QString& whyNot)
{
    const QString directory = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(directory)) {
        whyNot = QStringLiteral("cannot create the directory %1").arg(directory);
        return false;
    }
    QSaveFile file(path);
    // Unbuffered: Qt 6.4 commits even when flushing its write buffer fails
    // (seen with a full disk), which would replace the file with a cut one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(content) != content.size() || !file.commit()) {
        whyNot = file.errorString();
        return false;
    }
    return true;
}

} // namespace

std::optional<QByteArray> iniValue(QByteArrayView content, QByteArrayView section,
                                   QByteArrayView key)
{
    const Location where = locate(content, trimBlanks(section), trimBlanks(key));
    if (!where.keyFound)
        return std::nullopt;
    return where.keySetting.value.toByteArray();
}

QByteArray iniWithValue(const QByteArray& content, QByteArrayView section, QByteArrayView key,
                        QByteArrayView value)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    requireUsable(section, key, value);
    const Location where = locate(content, section, key);
    QByteArray result = content;
    if (where.keyFound) {
        return result.replace(where.keyLine.begin, where.keyLine.end - where.keyLine.begin,
                              settingLine(where.keySetting.name, value));
    }

    const QByteArray eol = lineEndOf(content);
    QByteArray added;
    qsizetype at = content.size();
    if (where.sectionFound)
        at = where.lastOfSection.next;
    else
        added = '[' + section.toByteArray() + ']' + eol;
    added += settingLine(key, value) + eol;
    // The line before may be the last of a file without a final line end.
    // One cut between "\r" and "\n" only lacks the "\n": a whole line end
    // after the "\r" would leave it in the line's value.
    if (at > 0 && content[at - 1] == '\r')
        added.prepend('\n');
    else if (at > 0 && content[at - 1] != '\n')
        added.prepend(eol);
    return result.insert(at, added);
}

std::optional<QString> readIniValue(const QString& path, const QString& section, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QByteArray> value =
        iniValue(file.readAll(), section.toUtf8(), key.toUtf8());
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(*value);
}

bool writeIniValue(const QString& path, const QString& section, const QString& key,
                   const QString& value, QString& whyNot)
{
    const std::optional<QByteArray> content = readContent(path, whyNot);
    if (!content)
        return false;
    return storeContent(
        path, iniWithValue(*content, section.toUtf8(), key.toUtf8(), value.toUtf8()), whyNot);
}

std::optional<QByteArray> iniWithoutKey(const QByteArray& content, QByteArrayView section,
                                        QByteArrayView key)
{
    section = trimBlanks(section);
    key = trimBlanks(key);
    requireUsable(section, key, {});
    // Every line of the key goes: with only the first gone, a second one
    // would count instead.
    QByteArray result = content;
    Location where = locate(result, section, key);
    if (!where.keyFound)
        return std::nullopt;
    for (; where.keyFound; where = locate(result, section, key))
        result.remove(where.keyLine.begin, where.keyLine.next - where.keyLine.begin);
    return result;
}

IniRemoval removeIniValue(const QString& path, const QString& section, const QString& key,
                          QString& whyNot)
{
    const std::optional<QByteArray> content = readContent(path, whyNot);
    if (!content)
        return IniRemoval::Failed;
    const std::optional<QByteArray> removed =
        iniWithoutKey(*content, section.toUtf8(), key.toUtf8());
    if (!removed)
        return IniRemoval::NotSet;
    return storeContent(path, *removed, whyNot) ? IniRemoval::Removed : IniRemoval::Failed;
}
