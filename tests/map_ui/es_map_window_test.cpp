// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/signal_indicator.h"
#include "core/page/station_names.h"
#include "core/settings/home_locator.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_store.h"
#include "core/text/locator_text.h"
#include "heard/heard_session.h"
#include "history/contact_log.h"
#include "history/logged_readings.h"
#include "map_ui/es_map_view.h"
#include "map_ui/es_map_window.h"
#include "map_ui/heard_on_map.h"
#include "reach/band_lines.h"
#include "support/fakes.h"
#include "support/history_records.h"
#include "support/wsjtx_capture.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// A readout as the window shows it: Es captions coloured by their signals.
ReadoutState readout(const QString& time, const QStringList& es)
{
    ReadoutState state;
    state.AlertTime = time;
    for (int k = 0; k < kStationCount; ++k) {
        state.cells[cellIndex(k, kEsColumn)].caption = es[k];
        ShowSignal(state, es[k] == u"?" ? QStringLiteral("UNDEFINE") : QStringLiteral("GREEN"),
                   cellIndex(k, kEsColumn));
    }
    return state;
}

QString quarter(int minutes)
{
    return QStringLiteral("2026/12/07 10:%1 JST").arg(minutes, 2, 10, QLatin1Char('0'));
}

// Three pages logged at 10:00, 10:15 and 10:30 JST; the window's 24 hours
// end at 11:00 JST.
class EsMapWindowTest : public testing::Test {
protected:
    EsMapWindowTest()
    {
        log.open();
        for (int minutes : {0, 15, 30})
            log.appendPage(historytest::page(
                quarter(minutes), {"4.1", QString::number(6 + minutes / 15 * 2), "?", "4.8"}));
    }

    std::unique_ptr<EsMapWindow> makeWindow()
    {
        auto window = std::make_unique<EsMapWindow>([this] { return &log; }, home, store);
        window->nowUtc = [] { return QDateTime(QDate(2026, 12, 7), QTime(2, 0), Qt::UTC); };
        return window;
    }
    ProgramSettings settings() { return ProgramSettings(store); }

    QTemporaryDir dir;
    HistoryLog log{dir.filePath(QStringLiteral("history.sqlite"))};
    FakeMessageBoxes boxes;
    SettingsStore store{[this] { return dir.path(); }, boxes};
    HomeLocator home{store};
};

TEST_F(EsMapWindowTest, FollowsTheReadoutWithItsLinesForScreenReaders)
{
    auto window = makeWindow();
    window->show();
    window->showReadout(readout(quarter(45), {"4.1", "10.0", "?", "4.8"}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Es マップ"));
    EXPECT_EQ(window->shownReport().reading.pageTime, quarter(45));
    const QStringList lines = bandLines(window->shownReport());
    EXPECT_EQ(lines[1], QStringLiteral("50 MHz: 国 1,418–2,298 km"));
    EXPECT_EQ(window->linesLabel->text(), lines.join(u'\n'));
    EXPECT_EQ(window->map->accessibleDescription(), lines.join(u'\n'));
    EXPECT_EQ(window->slider->maximum(), 3); // three logged pages and the readout
    EXPECT_TRUE(window->timeLabel->text().startsWith(quarter(45)));
}

TEST_F(EsMapWindowTest, StepsBackThroughTheLogAndStaysThereWhileReadoutsCome)
{
    auto window = makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->showReadout(readout(quarter(45), {"4.1", "10.0", "?", "4.8"}));
    window->map->setFocus();
    QTest::keyClick(window.get(), Qt::Key_Left);
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(window->shownReport().reading.pageTime, quarter(15));
    EXPECT_EQ(window->shownReport().stations[1].es, 8.0);
    EXPECT_EQ(window->slider->value(), 1);

    window->showReadout(readout(QStringLiteral("2026/12/07 10:59 JST"), {"?", "?", "?", "?"}));
    EXPECT_EQ(window->shownReport().reading.pageTime, quarter(15));
    window->step(+5);
    EXPECT_EQ(window->shownReport().reading.pageTime, QStringLiteral("2026/12/07 10:59 JST"));
    window->slider->setValue(0);
    EXPECT_EQ(window->shownReport().reading.pageTime, quarter(0));
}

TEST_F(EsMapWindowTest, TypedLocatorBecomesTheHome)
{
    auto window = makeWindow();
    QSignalSpy changed(&home, &HomeLocator::changed);
    window->show();
    window->showReadout(readout(quarter(45), {"4.1", "10.4", "?", "4.8"}));

    EXPECT_TRUE(window->setHome(QStringLiteral("pm53FO")));
    EXPECT_EQ(settings().homeLocator(), QStringLiteral("PM53fo"));
    EXPECT_EQ(window->homeEdit->text(), QStringLiteral("PM53fo"));
    EXPECT_EQ(window->shownReport().home, QStringLiteral("PM53fo"));
    EXPECT_TRUE(window->shownLines().contains(
        QStringLiteral("50 MHz: 1,350–2,298 km、北東〜南東、国 経由")));

    EXPECT_FALSE(window->setHome(QStringLiteral("JA1XYZ")));
    EXPECT_EQ(window->homeProblem->text(), locatorRefusal(QStringLiteral("JA1XYZ")));
    EXPECT_EQ(settings().homeLocator(), QStringLiteral("PM53fo"));

    EXPECT_TRUE(window->setHome(QString()));
    EXPECT_EQ(settings().homeLocator(), std::nullopt);
    EXPECT_FALSE(window->shownReport().home.has_value());
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(EsMapWindowTest, ArrowsInTheLocatorFieldStayThere)
{
    auto window = makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->homeEdit->setFocus();
    QTest::keyClicks(window->homeEdit, QStringLiteral("PM95"));
    QTest::keyClick(window->homeEdit, Qt::Key_Left);
    EXPECT_EQ(window->homeEdit->cursorPosition(), 3);
    EXPECT_EQ(window->slider->value(), 2); // still the latest logged page
}

TEST_F(EsMapWindowTest, FirstOpenedItFitsASmallScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    ASSERT_LT(screen.height(), 900) << "the test wants a screen lower than the map";
    auto window = makeWindow();
    window->show();
    EXPECT_LE(window->height(), screen.height());
    EXPECT_LE(window->width(), screen.width());
}

TEST_F(EsMapWindowTest, ReadsTheStoredHomeAndKeepsItsPlace)
{
    settings().setHomeLocator(QStringLiteral("qn02"));
    home.reread(); // as at start-up
    settings().setMapGeometry(QRect(40, 50, 700, 820));
    {
        auto window = makeWindow();
        EXPECT_EQ(window->homeEdit->text(), QStringLiteral("QN02"));
        EXPECT_EQ(window->size(), QSize(700, 820));
        window->show();
        window->resize(640, 780);
        window->hide();
        EXPECT_EQ(settings().mapGeometry()->size(), QSize(640, 780));
        window->show();
        window->resize(600, 700);
    } // still open as the program ends
    EXPECT_EQ(settings().mapGeometry()->size(), QSize(600, 700));
}

// The recorded WSJT-X run (8 stations on 6 m at 01:30 UTC, DE PM95vq)
// heard ten minutes before the window's clock, Kokubunji at 15.3 MHz.
TEST_F(EsMapWindowTest, HeardStationsAsMarksInTheLinesAndOnAClick)
{
    auto window = makeWindow();
    const QDateTime received(QDate(2026, 6, 14), QTime(1, 30, 14), Qt::UTC);
    // Shown, it reads the log's pages, which end at 10:30 JST on 7 December.
    window->resize(600, 800);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->nowUtc = [received] { return received.addSecs(600); };
    const QImage listenerOff = window->map->grab().toImage();
    const CallLocator locator{std::optional<CountryFile>()};
    HeardSession session(locator);
    session.addReading(esReadingFromSignals(QStringLiteral("2026/06/14 10:15 JST"),
                                            {"3.0", "15.3", "9.0", "?"}, {}));
    window->setHeardSession(&session);
    EXPECT_EQ(window->map->grab().toImage(), listenerOff); // nobody heard yet

    for (const QByteArray& datagram : wsjtxCapture(QStringLiteral("wsjtx-2.6.1")))
        session.take(datagram, received);
    window->refreshHeard();
    // BV2AB sent no grid, and without the country file has no place.
    ASSERT_EQ(window->shownHeard().size(), 7u);
    EXPECT_EQ(window->map->heard().size(), 7u);
    EXPECT_NE(window->map->grab().toImage(), listenerOff);
    EXPECT_TRUE(window->linesLabel->text().contains(QStringLiteral("Es 圏内で")))
        << window->linesLabel->text().toStdString();
    EXPECT_EQ(window->map->accessibleDescription(), window->linesLabel->text());
    EXPECT_EQ(heardStationText(window->shownHeard().front()),
              QStringLiteral("JA6ABC  PM51\n50 MHz (6m)  10:30:00 JST  FT8 -9 dB\n"
                             "937 km  必要な Es 12.6 MHz\n国分寺 の Es 15.3 MHz (中点から 446 km)\n"
                             "open: 測った Es で届くパス"));

    // An older reading shows those heard around its time, from the source.
    std::pair<QDateTime, QDateTime> asked;
    const std::vector<HeardStation> logged(session.recent().begin(), session.recent().begin() + 2);
    window->setHeardSource([&](const QDateTime& from, const QDateTime& to) {
        asked = {from, to};
        return logged;
    });
    window->step(-1);
    EXPECT_EQ(asked, std::pair(QDateTime(QDate(2026, 12, 7), QTime(1, 0), Qt::UTC),
                               QDateTime(QDate(2026, 12, 7), QTime(1, 30), Qt::UTC)));
    EXPECT_EQ(window->map->heard().size(), 2u);
}

// The shown period is 10:30 to 11:00 JST with the latest reading.
TEST_F(EsMapWindowTest, ContactsOfTheShownPeriodAsSquaresFollowingTheLog)
{
    home.set(QStringLiteral("PM95vq"));
    const QString path = dir.filePath(QStringLiteral("log.adi"));
    QFile adi(path);
    ASSERT_TRUE(adi.open(QIODevice::WriteOnly));
    adi.write("<call:6>JA6ABC <gridsquare:4>PM51 <qso_date:8>20261207 <time_on:4>0140 <band:2>6m "
              "<mode:4>MFSK <submode:3>FT4 <prop_mode:2>ES <eor>\n"
              "<call:6>JA6DEF <gridsquare:4>PM51 <qso_date:8>20261207 <time_on:4>0040 <band:2>6m "
              "<mode:3>FT8 <eor>\n");
    adi.close();
    ContactLog contacts({path});
    auto window = makeWindow();
    window->resize(600, 800);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage none = window->map->grab().toImage();
    window->setContacts(&contacts);
    ASSERT_EQ(window->shownContacts().size(), 1u);
    ASSERT_EQ(window->map->heard().size(), 1u);
    EXPECT_TRUE(window->map->heard().front().contact);
    EXPECT_NE(window->map->grab().toImage(), none);
    // Judged by the 10:30 page.
    EXPECT_EQ(contactText(window->shownContacts().front()),
              QStringLiteral("交信: JA6ABC  PM51\n50 MHz (6m)  10:40:00 JST  FT4  PROP_MODE ES\n"
                             "937 km  必要な Es 12.6 MHz\n国分寺 の Es 10.0 MHz (中点から 446 km)\n"
                             "closed: 測った Es では届かないはずのパス"));

    contacts.addAdifText(QStringLiteral("<call:5>HL1AA <gridsquare:4>PM37 <qso_date:8>20261207 "
                                        "<time_on:4>0150 <band:2>6m <mode:3>FT8 <eor>"));
    EXPECT_EQ(window->shownContacts().size(), 2u);
    window->step(-1);
    EXPECT_TRUE(window->shownContacts().empty());
    EXPECT_TRUE(window->map->heard().empty());
}

TEST(LoggedReadings, OnePerPageInTheReadoutsColours)
{
    std::vector<PageRecord> records = historytest::page(quarter(0), {"4.1", "8.6", "?", "4.8"});
    const std::vector<PageRecord> second = historytest::page(quarter(15), {"?", "?", "?", "5.0"});
    records.insert(records.end(), second.begin(), second.end());
    const std::vector<EsReading> readings = loggedReadings(records);
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[0].es[1], QStringLiteral("8.6"));
    EXPECT_EQ(readings[0].levels[1], CautionColor);
    EXPECT_EQ(readings[0].levels[2], UndefinedColor);
    EXPECT_EQ(readings[1].pageTime, quarter(15));
    EXPECT_EQ(readings[1].es[3], QStringLiteral("5.0"));
}

} // namespace
