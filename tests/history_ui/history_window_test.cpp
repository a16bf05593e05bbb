// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/history_window.h"

#include "history/contact_log.h"
#include "history_ui/model_check_panel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The home folder moved to a temporary one for one test.
class TemporaryHome {
public:
    TemporaryHome() : m_saved(qgetenv("HOME")) { qputenv("HOME", dir.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", m_saved); }
    QTemporaryDir dir;

private:
    QByteArray m_saved;
};

class ProposedCsvPathTest : public testing::TestWithParam<bool> {};

TEST_P(ProposedCsvPathTest, NamedInJstInTheDocumentsFolderOrHome)
{
    const TemporaryHome home;
    const bool hasDocuments = GetParam();
    if (hasDocuments) {
        ASSERT_TRUE(QDir(home.dir.path()).mkdir(QStringLiteral("Documents")));
    }
    HistoryWindow history({});
    history.nowUtc = [] {
        return QDateTime(QDate(2026, 12, 7), QTime(1, 20), Qt::UTC);
    }; // 10:20 JST
    EXPECT_EQ(history.proposedCsvPath(),
              home.dir.filePath(hasDocuments ? "Documents/ondrel-history-20261207-1020.csv"
                                             : "ondrel-history-20261207-1020.csv"));
}

INSTANTIATE_TEST_SUITE_P(Folders, ProposedCsvPathTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Documents" : "NoDocuments"; });

struct CheckCase {
    const char* name;
    int bandIndex; // in the panel's band box
    const char* slotsLine;
};

class HistoryWindowCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(HistoryWindowCheckTest, CountsTheShownSpansContactsOnTheChosenBand)
{
    // One 6 m contact an hour before the window's now, none on the other bands.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wsjtx_log.adi"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<call:6>JA6ABC <gridsquare:4>PM51 <qso_date:8>20260614 <time_on:4>0030 "
               "<band:2>6m <my_gridsquare:6>PM95vq <eor>\n");
    file.close();
    ContactLog contacts({path});
    HistoryWindow history({});
    history.nowUtc = [] { return QDateTime(QDate(2026, 6, 14), QTime(1, 30), Qt::UTC); };
    history.showContacts(&contacts, [] { return QString(); });
    ASSERT_FALSE(history.checkButton->isHidden());
    history.checkButton->setChecked(true);
    history.checkPanel->bandBox->setCurrentIndex(GetParam().bandIndex);
    EXPECT_TRUE(
        history.checkPanel->table->text().startsWith(QString::fromUtf8(GetParam().slotsLine)))
        << history.checkPanel->table->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Bands, HistoryWindowCheckTest,
    testing::Values(CheckCase{"SixMetres", 1, "バンドに出ていた 15 分枠: 1 (うちデータなし 1)"},
                    CheckCase{"TenMetres", 0, "バンドに出ていた 15 分枠: 0 (うちデータなし 0)"}),
    [](const auto& info) { return info.param.name; });

} // namespace
