// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/history_window.h"
#include "support/gui/form_fixture.h"
#include "support/named_case.h"
#include "window/history_feature.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A shown, active window after its first page, with the history feature
// as the program has it.
struct KeyFixture : FormFixture {
    KeyFixture()
    {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            ADD_FAILURE() << "window not active";
        load();
        deliverPage();
        boxes.shown.clear();
        browser.calls.clear();
    }

    // Types `key` where the keyboard's input goes.
    void press(QKeyCombination key)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window.get(), key.key(), key.keyboardModifiers());
    }

    QString lastCall() const { return browser.calls.empty() ? QString() : browser.calls.back(); }

    HistoryFeature history{*window, loop, settings, [] { return QString(); }};
};

struct KeyCase {
    const char* name;
    std::vector<QKeyCombination> keys;
    std::function<void(KeyFixture&)> check;
    std::function<void(KeyFixture&)> before = {};
};
ONDREL_NAMED_CASE(KeyCase)

class KeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyTest, DoesWhatTheMouseDoes)
{
    const KeyCase& row = GetParam();
    KeyFixture f;
    if (row.before)
        row.before(f);
    for (QKeyCombination key : row.keys)
        f.press(key);
    row.check(f);
}

void opensPage(KeyFixture& f, int page)
{
    EXPECT_EQ(f.controller->state().PaneOpen, 1);
    EXPECT_EQ(f.lastCall(), QStringLiteral("navigate ") + f.controller->state().PageUrl[page]);
}

void focus(QWidget* control)
{
    control->setFocus(Qt::TabFocusReason);
}

const QKeyCombination kCtrlT(Qt::CTRL | Qt::Key_T);

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    testing::Values(KeyCase{"F5Reloads",
                            {Qt::Key_F5},
                            [](KeyFixture& f) {
                                EXPECT_EQ(f.download.urls.size(), 2u);
                                EXPECT_FALSE(f.window->Frame2->isVisible());
                            }},
                    KeyCase{"CtrlTOpensTheEditorOnTheScrollBar",
                            {kCtrlT},
                            [](KeyFixture& f) {
                                EXPECT_TRUE(f.window->Frame2->isVisible());
                                EXPECT_TRUE(f.window->VScroll1->hasFocus());
                                EXPECT_EQ(f.window->VScroll1->value(), 180);
                            }},
                    KeyCase{"ReturnIsSet",
                            {kCtrlT, Qt::Key_Up, Qt::Key_Return},
                            [](KeyFixture& f) {
                                EXPECT_FALSE(f.window->Frame2->isVisible());
                                EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 181);
                                EXPECT_TRUE(f.settingsText().contains(QStringLiteral("TM2=181")));
                            }},
                    KeyCase{"EscapeIsCan",
                            {kCtrlT, Qt::Key_Down, Qt::Key_Escape},
                            [](KeyFixture& f) {
                                EXPECT_FALSE(f.window->Frame2->isVisible());
                                EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 180);
                                EXPECT_EQ(f.controller->state().PaneOpen, 0);
                            }},
                    KeyCase{"ReturnOnACellIsSetWhileTheEditorIsOpen",
                            {Qt::Key_Return},
                            [](KeyFixture& f) {
                                EXPECT_EQ(f.loop.countdown().ReloadPeriod(), 200);
                                EXPECT_TRUE(f.boxes.shown.empty());
                                EXPECT_TRUE(f.window->Label2[2]->hasFocus());
                            },
                            [](KeyFixture& f) {
                                focus(f.window->Label2[2]);
                                QTest::mouseClick(f.window->Label1, Qt::RightButton);
                                f.window->VScroll1->setValue(200);
                            }},
                    KeyCase{"CtrlHOpensTheHistory",
                            {Qt::CTRL | Qt::Key_H},
                            [](KeyFixture& f) {
                                ASSERT_NE(f.history.window(), nullptr);
                                EXPECT_TRUE(f.history.window()->isVisible());
                            }},
                    KeyCase{"OneIsWakkanai", {Qt::Key_1}, [](KeyFixture& f) { opensPage(f, 2); }},
                    KeyCase{"DigitsAtTheEditorOpenNoPage",
                            {kCtrlT, Qt::Key_1, Qt::Key_0},
                            [](KeyFixture& f) {
                                EXPECT_EQ(f.controller->state().PaneOpen, 0);
                                EXPECT_TRUE(f.browser.calls.empty());
                                EXPECT_TRUE(f.window->Frame2->isVisible());
                            }},
                    KeyCase{"TwoIsKokubunji", {Qt::Key_2}, [](KeyFixture& f) { opensPage(f, 3); }},
                    KeyCase{"ThreeIsYamagawa", {Qt::Key_3}, [](KeyFixture& f) { opensPage(f, 4); }},
                    KeyCase{"KeypadFourIsOgimi",
                            {Qt::KeypadModifier | Qt::Key_4},
                            [](KeyFixture& f) { opensPage(f, 5); }},
                    KeyCase{
                        "ZeroIsAllStations", {Qt::Key_0}, [](KeyFixture& f) { opensPage(f, 1); }},
                    KeyCase{"CtrlZeroRestores",
                            {Qt::Key_1, Qt::CTRL | Qt::Key_0},
                            [](KeyFixture& f) {
                                EXPECT_EQ(f.controller->state().PaneOpen, 0);
                                EXPECT_EQ(f.browser.count(QStringLiteral("stop")), 1);
                                EXPECT_EQ(f.window->Width(), 2340);
                            }},
                    KeyCase{"EscapeClosesAnOpenPane",
                            {Qt::Key_2, Qt::Key_Escape},
                            [](KeyFixture& f) {
                                EXPECT_EQ(f.controller->state().PaneOpen, 0);
                                EXPECT_EQ(f.browser.count(QStringLiteral("stop")), 1);
                            }},
                    KeyCase{"EscapeInTheCompactWindowStoresNothing",
                            {Qt::Key_Escape},
                            [](KeyFixture& f) {
                                EXPECT_TRUE(f.browser.calls.empty());
                                EXPECT_FALSE(f.settingsText().contains(QStringLiteral("ESW=")));
                            }},
                    KeyCase{"F1ShowsTheHelp",
                            {Qt::Key_F1},
                            [](KeyFixture& f) {
                                ASSERT_EQ(f.boxes.shown.size(), 1u);
                                EXPECT_EQ(f.boxes.shown[0].title, QStringLiteral("Ondrel"));
                            }},
                    KeyCase{"SpaceOnACellShowsItsReading",
                            {Qt::Key_Space},
                            [](KeyFixture& f) {
                                ASSERT_EQ(f.boxes.shown.size(), 1u);
                                EXPECT_TRUE(f.boxes.shown[0].title.startsWith(
                                    QStringLiteral("Ondrel  国分寺")));
                            },
                            [](KeyFixture& f) { focus(f.window->Label2[5]); }},
                    KeyCase{"MenuKeyOnAllIsTheAlertPage",
                            {Qt::Key_Menu},
                            [](KeyFixture& f) { opensPage(f, 0); },
                            [](KeyFixture& f) { focus(f.window->Label3[4]); }},
                    KeyCase{"ShiftF10OnTheHeaderOpensTheEditor",
                            {Qt::SHIFT | Qt::Key_F10},
                            [](KeyFixture& f) { EXPECT_TRUE(f.window->Frame2->isVisible()); },
                            [](KeyFixture& f) { focus(f.window->Label1); }},
                    KeyCase{"DigitsTypedIntoAFieldStayThere",
                            {Qt::Key_1, Qt::Key_0},
                            [](KeyFixture& f) {
                                auto* field = f.window->WebBrowser1->findChild<QLineEdit*>();
                                EXPECT_EQ(field->text(), QStringLiteral("10"));
                                EXPECT_TRUE(f.browser.calls.empty());
                            },
                            [](KeyFixture& f) {
                                // Stands for a text box, in the pane's page or anywhere else.
                                auto* field = new QLineEdit(f.window->WebBrowser1);
                                field->show();
                                field->setFocus();
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FocusFrame, OnlyAfterTheKeyboardMovedTheFocus)
{
    KeyFixture f;
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(f.window->Check1))
        << "start-up focus moved";
    const QImage atStart = f.window->grab().toImage();
    f.window->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(f.window->grab().toImage(), atStart) << "focus visible at start-up";

    f.press(Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    const QImage framed = focused->grab().toImage();
    focused->clearFocus();
    EXPECT_NE(focused->grab().toImage(), framed)
        << "no focus frame on " << focused->objectName().toStdString();
}

TEST(FocusFrame, TabKeepsTheOrderThroughTheGrid)
{
    KeyFixture f;
    focus(f.window->Label2[0]);
    std::vector<QWidget*> seen;
    for (int i = 0; i < 21; ++i) {
        f.press(Qt::Key_Tab);
        seen.push_back(QApplication::focusWidget());
    }
    std::vector<QWidget*> expected(f.window->Label2.begin() + 1, f.window->Label2.end());
    expected.push_back(f.window->Label1);
    expected.insert(expected.end(), f.window->Label3.begin(), f.window->Label3.end());
    // The compact window's pane controls are hidden and the check box lies
    // out of sight: "Ref" comes next.
    expected.push_back(f.window->Label6);
    EXPECT_EQ(seen, expected);
}

} // namespace
