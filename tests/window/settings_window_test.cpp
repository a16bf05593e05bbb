// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/page_urls.h"
#include "support/gui/form_fixture.h"
#include "support/gui/setting_input.h"
#include "support/named_case.h"
#include "window/settings_feature.h"
#include "window/settings_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The window after its first page at 10:07:30, its settings window open.
struct SettingsFixture : FormFixture {
    SettingsFixture()
    {
        clock.time = QTime(10, 7, 30);
        load();
        deliverPage();
        feature.openSettings();
    }

    SettingsWindow& settingsWindow() { return *feature.window(); }

    void enter(const QString& key, const QString& input)
    {
        enterSetting(settingsWindow(), key, input);
    }

    SettingsFeature feature{*window, *controller, settings};
};

struct WriteCase {
    const char* name;
    const char* key;
    const char* input;
    const char* stored; // the line the file gets
    std::function<void(SettingsFixture&)> follows;
};
ONDREL_NAMED_CASE(WriteCase)

class SettingsWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(SettingsWriteTest, StoresTheValueAndTheWindowFollows)
{
    const WriteCase& row = GetParam();
    SettingsFixture f;
    f.enter(QString::fromLatin1(row.key), QString::fromLatin1(row.input));
    EXPECT_TRUE(f.settingsText().split(u'\n').contains(QString::fromLatin1(row.stored)))
        << f.settingsText().toStdString();
    EXPECT_FALSE(
        f.settingsWindow().message(QString::fromLatin1(row.key))->isVisibleTo(&f.settingsWindow()));
    row.follows(f);
}

INSTANTIATE_TEST_SUITE_P(
    EachSetting, SettingsWriteTest,
    testing::Values(
        WriteCase{"PeriodCountsAsSetDoes", "TM2", "300", "TM2=300",
                  [](SettingsFixture& f) {
                      EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 300);
                      EXPECT_EQ(f.loop.countdown().ReloadElapsed(), (7 * 60 + 30) % 300);
                  }},
        WriteCase{"NotificationsOff", "ESNotify", "", "ESNotify=0",
                  [](SettingsFixture& f) { EXPECT_FALSE(ProgramSettings(f.settings).notifyOn()); }},
        WriteCase{"CoolDown", "ESNotifyCool", "45", "ESNotifyCool=45",
                  [](SettingsFixture& f) {
                      EXPECT_EQ(ProgramSettings(f.settings).notifyCooldown(),
                                std::chrono::minutes(45));
                  }},
        WriteCase{
            "HistoryDays", "ESKeepDays", " 030 ", "ESKeepDays=30",
            [](SettingsFixture& f) { EXPECT_EQ(ProgramSettings(f.settings).keepDays(), 30); }},
        WriteCase{"PaletteRedrawsAtOnce", "ESPalette", "cvd", "ESPalette=cvd",
                  [](SettingsFixture& f) {
                      EXPECT_EQ(f.controller->signalPalette(), SignalPalette::Cvd);
                      EXPECT_EQ(f.window->Label2[14]->underline(), Qt::DotLine);
                  }},
        WriteCase{"LanguageAfterARestart", "ESLang", "en", "ESLang=en",
                  [](SettingsFixture& f) {
                      EXPECT_EQ(f.settingsWindow().windowTitle(), QStringLiteral("設定"));
                  }},
        WriteCase{"HomeInItsUsualSpelling", "ESHome", " pm95VQ ", "ESHome=PM95vq",
                  [](SettingsFixture& f) {
                      EXPECT_EQ(ProgramSettings(f.settings).homeLocator(),
                                QStringLiteral("PM95vq"));
                  }},
        WriteCase{"PageAddressReloadsFromItAtOnce", "ESHost", "127.0.0.1:8080/mirror/",
                  "ESHost=127.0.0.1:8080/mirror/",
                  [](SettingsFixture& f) {
                      const auto urls = pageUrls(QStringLiteral("http://127.0.0.1:8080/mirror"));
                      EXPECT_EQ(f.controller->state().PageUrl, urls);
                      ASSERT_EQ(f.download.urls.size(), 2u);
                      EXPECT_EQ(f.download.urls.back(), urls[0]);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    const char* key;
    const char* typed;
    const char* message;
};
ONDREL_NAMED_CASE(RefusalCase)

class SettingsRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SettingsRefusalTest, StoresNothingAndSaysWhy)
{
    const RefusalCase& row = GetParam();
    SettingsFixture f;
    const QString key = QString::fromLatin1(row.key);
    const QString before = f.settingsText();
    f.enter(key, QString::fromUtf8(row.typed));
    QLabel* message = f.settingsWindow().message(key);
    EXPECT_TRUE(message->isVisibleTo(&f.settingsWindow()));
    EXPECT_EQ(message->text(), QString::fromUtf8(row.message));
    EXPECT_TRUE(f.settingsWindow().field(key)->accessibleDescription().startsWith(message->text()));
    EXPECT_EQ(f.settingsText(), before);
    EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 180);
    EXPECT_EQ(f.download.urls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, SettingsRefusalTest,
    testing::Values(
        RefusalCase{"PeriodBelow60", "TM2", "59",
                    "「59」は使えません。60～900 秒の整数を入れてください"},
        RefusalCase{"PeriodAbove900", "TM2", "901",
                    "「901」は使えません。60～900 秒の整数を入れてください"},
        RefusalCase{"PeriodNotANumber", "TM2", "3m",
                    "「3m」は使えません。60～900 秒の整数を入れてください"},
        RefusalCase{"CoolDownAboveADay", "ESNotifyCool", "1441",
                    "「1441」は使えません。0～1440 分の整数を入れてください"},
        RefusalCase{"NoHistoryDays", "ESKeepDays", "0",
                    "「0」は使えません。1 日以上の整数を入れてください"},
        RefusalCase{"AddressNotHttp", "ESHost", "ftp://example.org",
                    "「ftp://example.org」は http または https のアドレスではありません"},
        RefusalCase{"BandNotABand", "ESNotifyBand", "50, 70cm", "「50, 70cm」は使えません"},
        RefusalCase{
            "HomeNotALocator", "ESHome", "XX99",
            "「XX99」はロケーターではありません。英字 A～R 2 つ、数字 2 つ、続けてよければ英字 "
            "A～X 2 つです（例 PM95、PM95vq）"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsWindow, CtrlCommaOpensItBesideTheWindowWithNamedFieldsAndDefaults)
{
    FormFixture f;
    SettingsFeature feature(*f.window, *f.controller, f.settings);
    f.writeSettings({"ESTop=3000", "ESLeft=600"}); // 200 and 40 pixels
    f.load();
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    QTest::keyClick(f.window.get(), Qt::Key_Comma, Qt::ControlModifier);
    SettingsWindow* shown = feature.window();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("設定"));
    EXPECT_FALSE(shown->frameGeometry().intersects(f.window->frameGeometry()));
    EXPECT_TRUE(f.window->screen()->availableGeometry().contains(shown->frameGeometry()));
    const std::pair<const char*, const char*> named[] = {
        {"TM2", "再読み込みの周期: 60～900 秒、既定 180"},
        {"ESNotify", "Es の通知: 既定 オン"},
        {"ESNotifyCool", "同じレベルを再び通知するまで: 0～1440 分、既定 30"},
        {"ESKeepDays", "履歴を残す日数: 1 日以上、既定 400"},
        {"ESPalette", "配色: 既定 標準"},
        {"ESLang", "言語: 既定 日本語（再起動後に反映）"},
        {"ESHost", "ページのアドレス: 既定 http://wdc.nict.go.jp（空欄でも既定）"},
        {"keep-in-front",
         "最前面に表示: 既定 オフ（この起動の間だけ。-T で起動すると最初からオン）"},
    };
    for (const auto& [key, heard] : named) {
        const QWidget* field = shown->field(QString::fromLatin1(key));
        ASSERT_NE(field, nullptr) << key;
        EXPECT_EQ(field->accessibleName() + QStringLiteral(": ") + field->accessibleDescription(),
                  QString::fromUtf8(heard));
    }
}

// Right of the main window, else left of it, top edges level, always
// wholly on the screen.
TEST(SettingsWindow, PlacedBesideTheMainWindowInsideTheScreen)
{
    const QRect room(0, 0, 1366, 740);
    const QSize size(500, 600);
    const std::pair<QRect, QPoint> cases[] = {
        {QRect(200, 300, 156, 195), QPoint(364, 140)}, // right; moved up to fit
        {QRect(1100, 50, 156, 195), QPoint(592, 50)},  // no room right: left
        {QRect(300, 50, 800, 600), QPoint(0, 50)},     // neither: the roomier side, inside
        {QRect(-500, 100, 156, 195), QPoint(0, 100)},  // main window partly off screen
    };
    for (const auto& [main, topLeft] : cases) {
        const QRect placed = besideWindow(main, size, room);
        EXPECT_EQ(placed.topLeft(), topLeft) << main.x();
        EXPECT_TRUE(room.contains(placed));
    }
}

// A refusal line adds height while it shows; the window shrinks back when
// it goes.
TEST(SettingsWindow, ShrinksBackWhenTheRefusalGoes)
{
    SettingsFixture f;
    SettingsWindow& settings = f.settingsWindow();
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int height = settings.height();
    f.enter(QStringLiteral("ESHost"),
            QStringLiteral("ftp://example.org/a/long/address/that/wraps"));
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_GT(settings.height(), height);
    f.enter(QStringLiteral("ESHost"), QStringLiteral("127.0.0.1:8080"));
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(settings.height(), height);
}

TEST(SettingsWindow, ShowsWhatThePeriodEditorAndStoredValuesSay)
{
    SettingsFixture f;
    auto* period = qobject_cast<QLineEdit*>(f.settingsWindow().field(QStringLiteral("TM2")));
    QTest::mouseClick(f.window->Label1, Qt::RightButton);
    f.window->VScroll1->setValue(240);
    f.window->Command5->click();
    EXPECT_EQ(period->text(), QStringLiteral("240"));

    // A value the program does not take shows as the one it uses.
    f.writeSettings({"TM2=5", "ESPalette=cvd", "ESLang=EN"});
    f.feature.showStored();
    EXPECT_EQ(period->text(), QStringLiteral("180"));
    EXPECT_EQ(qobject_cast<QComboBox*>(f.settingsWindow().field(QStringLiteral("ESPalette")))
                  ->currentData(),
              QStringLiteral("cvd"));
    EXPECT_EQ(
        qobject_cast<QComboBox*>(f.settingsWindow().field(QStringLiteral("ESLang")))->currentData(),
        QStringLiteral("en"));
}

} // namespace
