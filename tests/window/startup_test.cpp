// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/form_fixture.h"
#include "support/named_case.h"

#include "core/page/page_urls.h"
#include "window/interface_language.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// The provider's credit is read to its end in either language.
TEST(Startup, CreditFitsItsBox)
{
    for (const bool english : {false, true}) {
        const Translators translators = installInterfaceLanguage(
            english ? InterfaceLanguage::English : InterfaceLanguage::Japanese);
        FormFixture f;
        f.load();
        const QLabel* credit = f.window->Label5;
        EXPECT_TRUE(credit->text().contains(english ? QStringLiteral("Technology")
                                                    : QStringLiteral("提供されているものです")));
        const QRect room = credit->contentsRect();
        EXPECT_LE(QFontMetrics(credit->font())
                      .boundingRect(room, Qt::TextWordWrap, credit->text())
                      .height(),
                  room.height())
            << english;
    }
}

TEST(Startup, WithoutSettingsFileOpensCompactAtTheOrigin)
{
    FormFixture f;
    f.load();
    EXPECT_EQ(f.window->Top(), 0);
    EXPECT_EQ(f.window->Left(), 0);
    EXPECT_EQ(f.window->Width(), 2340);
    EXPECT_EQ(f.window->Height(), 2925);
    EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 180);
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("3m00s 毎"));
    EXPECT_EQ(f.controller->state().PaneOpen, 0);
    EXPECT_TRUE(f.timer2.isEnabled());
    EXPECT_EQ(f.timer2.interval(), 1000);
    EXPECT_FALSE(f.timer1.armed());
    ASSERT_EQ(f.download.urls.size(), 1u);
    EXPECT_EQ(f.download.urls[0],
              QStringLiteral("http://wdc.nict.go.jp/ISDJ/ionospheric-alert.html"));
    EXPECT_EQ(f.window->fmcls->text(), QStringLiteral("QRX 読み込み中"));
    EXPECT_EQ(f.browser.count(QStringLiteral("stop")), 1);
    EXPECT_FALSE(f.window->Check1->isChecked());
    EXPECT_FALSE(QFile::exists(f.settingsPath()));
    EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(Startup, PreparesGridTooltipCreditAndPageAddresses)
{
    FormFixture f;
    f.load();
    for (QLabel* cell : f.window->Label2) {
        EXPECT_EQ(cell->text(), QString());
        EXPECT_EQ(cell->width(), 28);
        EXPECT_EQ(cell->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        EXPECT_TRUE(cell->alignment() & Qt::AlignHCenter);
    }
    EXPECT_EQ(f.window->Label1->toolTip(),
              QStringLiteral("ここを左クリックすると簡単な説明表示します、\r\n"
                             "ここを右クリックするとﾘﾛｰﾄﾞﾀｲﾏの変更が可能です"));
    EXPECT_TRUE(
        f.window->Label5->text().endsWith(QStringLiteral("」 から提供されているものです ")));
    EXPECT_EQ(f.controller->state().PageUrl, pageUrls());
}

TEST(Startup, FirstPageFillsTheWindowWhenItArrives)
{
    FormFixture f;
    f.load();
    EXPECT_EQ(f.window->Label2[0]->text(), QString());
    f.deliverPage();
    EXPECT_EQ(f.window->Label2[0]->text(), QStringLiteral("5.3"));
    EXPECT_EQ(f.window->Label2[5]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(f.window->fmcls->text(), QStringLiteral("2026/12/07 10:15 JST現在"));
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Es 注意"));
    EXPECT_FALSE(f.window->Label1->autoFillBackground());
}

TEST(Startup, StoredPositionAndPeriodAreRestored)
{
    FormFixture f;
    f.writeSettings({"ESTop=300", "ESLeft=450", "TM2=240"});
    f.load();
    EXPECT_EQ(f.window->Top(), 300);
    EXPECT_EQ(f.window->Left(), 450);
    EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 240);
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("4m00s 毎"));
}

struct BadSettingsCase {
    const char* name;
    QStringList lines;
    int period;
    int top;
};
ONDREL_NAMED_CASE(BadSettingsCase)

class BadSettingsTest : public testing::TestWithParam<BadSettingsCase> {};

TEST_P(BadSettingsTest, StartUpGoesOnWithDefaults)
{
    FormFixture f;
    f.writeSettings(GetParam().lines);
    f.load();
    EXPECT_EQ(f.loop.countdown().ReloadPeriod(), GetParam().period);
    EXPECT_EQ(f.window->Top(), GetParam().top);
    EXPECT_TRUE(f.timer2.isEnabled());
    EXPECT_EQ(f.download.urls.size(), 1u);
    EXPECT_EQ(f.window->Width(), 2340);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadSettingsTest,
    testing::Values(BadSettingsCase{"PeriodNotANumber", {"TM2=abc"}, 180, 0},
                    BadSettingsCase{"PeriodTooShort", {"TM2=30"}, 180, 0},
                    BadSettingsCase{"PeriodTooLong", {"TM2=1000"}, 180, 0},
                    BadSettingsCase{"PeriodEmpty", {"TM2="}, 180, 0},
                    BadSettingsCase{"TopNotANumber", {"ESTop=abc", "TM2=60"}, 60, 0},
                    BadSettingsCase{"LeftNotANumber", {"ESTop=150", "ESLeft=x1"}, 180, 150}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Startup, PeriodOfSixtyLeavesTheEditorCaptionAsDesigned)
{
    FormFixture f;
    f.writeSettings({"TM2=60"});
    f.load();
    EXPECT_EQ(f.window->Label4->text(), QStringLiteral("00m00s 毎"));
}

TEST(Startup, ProviderAddressCanBeMoved)
{
    FormFixture f;
    f.writeSettings({"ESHost=http://127.0.0.1:8080/"});
    f.load();
    EXPECT_EQ(f.controller->state().PageUrl[0],
              QStringLiteral("http://127.0.0.1:8080/ISDJ/ionospheric-alert.html"));
    EXPECT_EQ(f.controller->state().PageUrl[5],
              QStringLiteral("http://127.0.0.1:8080/ionog/ionogram/nowpng/ok426.html"));
    EXPECT_EQ(f.download.urls.at(0), f.controller->state().PageUrl[0]);
}

TEST(Startup, CountdownPhaseComesFromTheClock)
{
    FormFixture f;
    f.clock.time = QTime(10, 7, 30);
    f.load();
    EXPECT_EQ(f.loop.countdown().ReloadElapsed(), 90);

    FormFixture g;
    g.writeSettings({"TM2=420"});
    g.clock.time = QTime(10, 52, 10);
    g.load();
    EXPECT_EQ(g.loop.countdown().ReloadElapsed(), 10);
}

struct SwitchCase {
    const char* name;
    const char* arguments;
    bool inFront;
};
ONDREL_NAMED_CASE(SwitchCase)

class SwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTest, OnlyTheWholeTextMinusTKeepsInFront)
{
    FormFixture f;
    f.load(QString::fromUtf8(GetParam().arguments));
    EXPECT_EQ(f.window->Check1->isChecked(), GetParam().inFront);
    EXPECT_EQ(f.window->keepsInFront(), GetParam().inFront);
}

INSTANTIATE_TEST_SUITE_P(Arguments, SwitchTest,
                         testing::Values(SwitchCase{"UpperCase", "-T", true},
                                         SwitchCase{"LowerCase", "-t", true},
                                         SwitchCase{"FollowedByMore", "-T x", false},
                                         SwitchCase{"Nothing", "", false},
                                         SwitchCase{"Other", "-X", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Controls whose colours the layout leaves alone look as the style draws
// them, whatever the colours of the group or window holding them.
TEST(Layout, ControlsWithoutColoursOfTheirOwnKeepTheStyles)
{
    FormFixture f;
    Form1& w = *f.window;
    for (QWidget* control : std::initializer_list<QWidget*>{
             w.Command1, w.Command2, w.Command3, w.Command5, w.Command6, w.VScroll1, w.Check1}) {
        const QPalette style = QApplication::palette(control);
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::Button, QPalette::ButtonText, QPalette::Text,
              QPalette::Base})
            EXPECT_EQ(control->palette().color(QPalette::Active, role),
                      style.color(QPalette::Active, role))
                << control->metaObject()->className() << " role " << role;
    }
    EXPECT_EQ(w.Check1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST(Startup, WindowLostOffEveryScreenComesBack)
{
    FormFixture f;
    f.writeSettings({"ESTop=-90000", "ESLeft=-90000"});
    f.load();
    EXPECT_GE(f.window->Top(), 0);
    EXPECT_GE(f.window->Left(), 0);
}

TEST(Shutdown, CompactWindowBelowTheTopStoresItsPosition)
{
    FormFixture f;
    f.writeSettings({"ESW=9000"});
    f.load();
    f.window->setTop(600);
    f.window->setLeft(-150);
    f.window->close();
    EXPECT_EQ(f.settingsText(), QStringLiteral("[ESConf]\nESW=9000\nESTop=600\nESLeft=-150\n"));
    EXPECT_FALSE(f.timer1.isEnabled());
    EXPECT_FALSE(f.timer2.isEnabled());
    EXPECT_EQ(f.timer2.interval(), 0);
    EXPECT_EQ(f.download.cancels, 1);
    EXPECT_EQ(f.browser.count(QStringLiteral("stop")), 2);
}

TEST(Shutdown, WindowAtTheTopStoresNothing)
{
    FormFixture f;
    f.load();
    f.window->close();
    EXPECT_FALSE(QFile::exists(f.settingsPath()));
}

TEST(Shutdown, OpenPaneStoresThePaneGeometryOnly)
{
    FormFixture f;
    f.writeSettings({"ESTop=30", "ESLeft=45"});
    f.load();
    f.controller->state().PaneOpen = 1;
    f.window->setOuterSize(9000, 6000);
    f.window->setTop(150);
    f.window->setLeft(300);
    f.window->close();
    EXPECT_EQ(f.settingsText(), QStringLiteral("[ESConf]\nESTop=30\nESLeft=45\nESW=9000\nESH=6000\n"
                                               "ESWT=150\nESWL=300\n"));
}

TEST(Shutdown, StaleDiagnosticFilesAreDeleted)
{
    FormFixture f;
    for (const char* name : {"GetHtml_OVRW.txt", "GetHtml_APPD.txt"}) {
        QFile file(f.directory.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    f.load();
    f.window->close();
    EXPECT_FALSE(QFile::exists(f.directory.filePath(QStringLiteral("GetHtml_OVRW.txt"))));
    EXPECT_FALSE(QFile::exists(f.directory.filePath(QStringLiteral("GetHtml_APPD.txt"))));
}

// Counts the times a watched window is shown.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

TEST(Shutdown, KeepInFrontIsReleasedWithoutShowingTheWindowAgain)
{
    FormFixture f;
    f.window->show();
    f.load(QStringLiteral("-T"));
    ASSERT_TRUE(f.window->keepsInFront());
    ASSERT_TRUE(f.window->isVisible());
    ShowCounter counter;
    f.window->installEventFilter(&counter);
    f.window->close();
    EXPECT_FALSE(f.window->keepsInFront());
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_EQ(counter.shows, 0);
}

TEST(Shutdown, RefusedPageShowsItsMessageThenClosesTheWindow)
{
    FormFixture f;
    f.window->show();
    f.load();
    f.window->setTop(300);
    f.deliverPage("<html><title>403 Forbidden</title></html>");
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].text, QStringLiteral("サイトが閉ざされています"));
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_FALSE(f.timer2.isEnabled());
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESTop=300")));
}

} // namespace
