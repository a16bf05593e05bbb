// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/history_log.h"
#include "support/cli_runner.h"
#include "support/history_records.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kWsjtxLog = QStringLiteral(ONDREL_SOURCE_DIR "/tests/data/wsjtx/wsjtx_log.adi");

// WSJT-X's own log of the JA6ABC (PM51) QSO at 01:30:15 UTC, judged from
// its MY_GRIDSQUARE PM95vq by a page at 10:15 JST with 国 at 15.3 MHz.
class CliLogTest : public testing::Test {
protected:
    void SetUp() override
    {
        HistoryLog log(dbPath());
        ASSERT_TRUE(log.open());
        log.appendPage(historytest::page(QStringLiteral("2026/06/14 10:15 JST"),
                                         {"4.0", "15.3", "6.0", "7.0"}));
    }
    QString dbPath() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }
    CliRun run(const QString& command, QStringList args)
    {
        args =
            QStringList{command,   QStringLiteral("--db"),  dbPath(),    QStringLiteral("--home"),
                        QString(), QStringLiteral("--dir"), m_dir.path()} +
            args;
        return runCli(args);
    }
    static QList<QJsonObject> objects(const QByteArray& out)
    {
        QList<QJsonObject> all;
        for (const QByteArray& line : out.trimmed().split('\n'))
            all << QJsonDocument::fromJson(line).object();
        return all;
    }

    QTemporaryDir m_dir;
};

TEST_F(CliLogTest, ContactJudgedByThePageInForce)
{
    const CliRun log = run(QStringLiteral("log"), {kWsjtxLog, QStringLiteral("--json")});
    ASSERT_EQ(log.exitCode, 0) << log.err.toStdString();
    const QList<QJsonObject> lines = objects(log.out);
    ASSERT_EQ(lines.size(), 2) << log.out.toStdString();
    const QJsonObject& contact = lines[0];
    const std::pair<const char*, QJsonValue> fields[] = {
        {"kind", "contact"},
        {"source", kWsjtxLog},
        {"time", "2026-06-14T01:30:15Z"},
        {"band", "6m"},
        {"call", "JA6ABC"},
        {"grid", "PM51"},
        {"located_by", "grid"},
        {"station", "to536"},
        {"station_es_mhz", 15.3},
        {"page_time", "2026/06/14 10:15 JST"},
        {"verdict", "open"},
        {"mode", "FT8"},
        {"prop_mode", QJsonValue::Null},
        {"snr", QJsonValue::Null},
    };
    for (const auto& [key, value] : fields)
        EXPECT_EQ(contact.value(QLatin1String(key)), value) << key;
    EXPECT_GT(contact.value(QStringLiteral("km")).toInt(), 500);
    EXPECT_LT(contact.value(QStringLiteral("needed_es_mhz")).toDouble(), 15.3);
    const QJsonObject& summary = lines[1];
    EXPECT_EQ(summary.value(QStringLiteral("kind")), QStringLiteral("summary"));
    EXPECT_EQ(summary.value(QStringLiteral("records")), 1);
    EXPECT_EQ(summary.value(QStringLiteral("skipped")), 0);
    EXPECT_EQ(summary.value(QStringLiteral("judged")), 1);
    EXPECT_EQ(summary.value(QStringLiteral("open")), 1);

    const QList<QByteArray> text = run(QStringLiteral("log"), {kWsjtxLog}).out.split('\n');
    ASSERT_GE(text.size(), 2);
    EXPECT_TRUE(text[0].startsWith("2026-06-14 10:30 JST 6m JA6ABC PM51 (grid): "));
    EXPECT_TRUE(text[0].endsWith(" SW, needs 12.6 MHz, K 15.3 MHz (2026/06/14 10:15 JST): open"))
        << text[0].toStdString();
    EXPECT_TRUE(text[1].endsWith(": 1 read, 0 skipped, 1 judged: 1 open, 0 closed"));
}

// One quarter hour on 6 m, worked in Es range with 国 open from home: a
// hit for the map, a miss for persistence (nothing the slot before).
TEST_F(CliLogTest, SkillCountsTheContactsSlot)
{
    const CliRun skill = run(QStringLiteral("skill"),
                             {QStringLiteral("--log"), kWsjtxLog, QStringLiteral("--json")});
    ASSERT_EQ(skill.exitCode, 0) << skill.err.toStdString();
    const QJsonObject check = QJsonDocument::fromJson(skill.out).object();
    EXPECT_EQ(check.value(QStringLiteral("band")), QStringLiteral("6m"));
    EXPECT_EQ(check.value(QStringLiteral("slots")), 1);
    const auto table = [&check](const char* forecast) {
        const QJsonObject t = check.value(QLatin1String(forecast)).toObject();
        return std::array{t.value(QStringLiteral("hits")).toInt(),
                          t.value(QStringLiteral("misses")).toInt(),
                          t.value(QStringLiteral("false_alarms")).toInt(),
                          t.value(QStringLiteral("correct_negatives")).toInt()};
    };
    EXPECT_EQ(table("map"), (std::array{1, 0, 0, 0}));
    EXPECT_EQ(table("persistence"), (std::array{0, 1, 0, 0}));
    EXPECT_EQ(check.value(QStringLiteral("paths_called_open")), 1);
}

} // namespace
