// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString kTsFile = QStringLiteral(ONDREL_SOURCE_DIR "/translations/ondrel_en.ts");

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
    QString key() const { return context + u'|' + source; }
};

// An element's text, with the <byte value="xd"/> that lupdate writes for
// characters XML cannot hold.
QString textOf(QXmlStreamReader& xml)
{
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(
                xml.attributes().value(QLatin1StringView("value")).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() == element)
            break;
    }
    return text;
}

std::vector<Message> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source") {
            messages.back().source = textOf(xml);
        } else if (xml.name() == u"translation") {
            messages.back().type = xml.attributes().value(QLatin1StringView("type")).toString();
            messages.back().translation = textOf(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

std::set<QString> placeholders(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("%\\d+"));
    std::set<QString> found;
    for (const auto& match : number.globalMatch(text))
        found.insert(match.captured());
    return found;
}

TEST(Translations, EveryMessageHasItsEnglish)
{
    const std::vector<Message> messages = readTs(kTsFile);
    ASSERT_FALSE(messages.empty());
    for (const Message& m : messages) {
        SCOPED_TRACE(m.key().toStdString());
        EXPECT_TRUE(m.type.isEmpty()) << "type=\"" << m.type.toStdString() << '"';
        EXPECT_FALSE(m.translation.trimmed().isEmpty());
        EXPECT_EQ(placeholders(m.translation), placeholders(m.source));
    }
}

// lupdate over src/ finds exactly the texts the file translates: run
// scripts/update-translations when this fails.
TEST(Translations, FileHoldsEveryTextOfTheCode)
{
    QTemporaryDir directory;
    const QString fresh = directory.filePath(QStringLiteral("ondrel_en.ts"));
    QProcess lupdate;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(ONDREL_LUPDATE));
    lupdate.setProcessEnvironment(environment);
    lupdate.start(QStringLiteral("bash"),
                  {QStringLiteral(ONDREL_SOURCE_DIR "/scripts/update-translations"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    std::set<QString> inCode;
    std::set<QString> inFile;
    for (const Message& m : readTs(fresh))
        inCode.insert(m.key());
    for (const Message& m : readTs(kTsFile))
        inFile.insert(m.key());
    ASSERT_FALSE(inCode.empty());
    for (const QString& key : inCode)
        EXPECT_TRUE(inFile.count(key)) << "not in the .ts file: " << key.toStdString();
    for (const QString& key : inFile)
        EXPECT_TRUE(inCode.count(key)) << "no longer in the code: " << key.toStdString();
}

} // namespace
