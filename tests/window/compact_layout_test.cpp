// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/form_fixture.h"
#include "support/named_case.h"
#include "window/position_keeper.h"
#include "window/twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What only the pane layout shows.
std::vector<QWidget*> paneControls(const Form1& w)
{
    return {w.Command1, w.Frame1, w.WebBrowser1, w.Label5};
}

TEST(CompactLayout, NoPaneControlShowsAtAnyHeight)
{
    FormFixture f;
    f.load();
    f.deliverPage();
    f.window->show();
    QWidget* client = f.window->centralWidget();
    const QColor back = client->palette().color(QPalette::Window);
    for (const int height : {2925, 2700, 3150, 3600, 4500, 9000}) {
        f.window->setOuterSize(2340, height);
        const QImage shot = client->grab().toImage();
        for (QWidget* control : paneControls(*f.window)) {
            EXPECT_FALSE(control->isVisibleTo(f.window.get()))
                << control->objectName().toStdString();
            const QRect area = QRect(control->mapTo(client, QPoint()), control->size())
                                   .intersected(client->rect());
            int strange = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    strange += shot.pixelColor(x, y) != back;
            }
            EXPECT_EQ(strange, 0) << "height " << height << " twips, under "
                                  << control->metaObject()->className();
        }
    }
}

TEST(CompactLayout, OnlyThePaneLayoutOffersMaximise)
{
    FormFixture f;
    f.load();
    f.deliverPage();
    f.window->show();
    EXPECT_FALSE(f.window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(f.window->windowFlags() & Qt::WindowCloseButtonHint);

    QTest::mouseClick(f.window->Label3[0], Qt::LeftButton);
    EXPECT_TRUE(f.window->windowFlags() & Qt::WindowMaximizeButtonHint);
    for (QWidget* control : paneControls(*f.window))
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    f.window->showMaximized();

    QTest::mouseClick(f.window->Command1, Qt::LeftButton);
    EXPECT_FALSE(f.window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(f.window->isMaximized());
    EXPECT_EQ(f.window->Width(), 2340);
    EXPECT_EQ(f.window->Height(), 2925);
    EXPECT_FALSE(f.window->Command1->isVisible());
    // Enlarged by hand it stays compact: no pane control shows.
    f.window->resize(f.window->width() + 200, f.window->height() + 300);
    EXPECT_GT(f.window->Height(), 2925);
    EXPECT_FALSE(f.window->Command1->isVisible());
}

// Counts the times a watched window is hidden.
struct HideCounter : QObject {
    int hides = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        hides += event->type() == QEvent::Hide;
        return false;
    }
};

// Whatever flags changed, the shown window stays the same window where it
// is, and closing stores where its frame stands.
TEST(KeepInFront, TogglingKeepsTheWindowAndTheStoredPositionIsItsFrames)
{
    FormFixture f;
    f.writeSettings({"ESTop=1815", "ESLeft=3000"});
    f.load();
    f.window->show();
    const WId native = f.window->winId();
    HideCounter counter;
    f.window->installEventFilter(&counter);
    f.window->Check1->click();
    f.window->Check1->click();
    f.window->Check1->click();
    ASSERT_TRUE(f.window->keepsInFront());
    EXPECT_EQ(f.window->winId(), native);
    EXPECT_EQ(counter.hides, 0);
    const QPoint frame = f.window->frameGeometry().topLeft();
    EXPECT_EQ(frame, QPoint(200, 121));
    f.window->close();
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESTop=%1").arg(frame.y() * 15)));
    EXPECT_TRUE(f.settingsText().contains(QStringLiteral("ESLeft=%1").arg(frame.x() * 15)));
}

struct KeeperCase {
    const char* name;
    bool paneOpen;
    int top; // twips
    bool stored;
};
ONDREL_NAMED_CASE(KeeperCase)

class PositionKeeperTest : public testing::TestWithParam<KeeperCase> {};

// Only the compact window's position below the very top is kept when it
// settles; closing stores the rest.
TEST_P(PositionKeeperTest, StoresTheCompactPositionOnceTheWindowSettles)
{
    const KeeperCase& c = GetParam();
    FormFixture f;
    f.load();
    f.window->show();
    ProgramSettings settings(f.settings);
    PositionKeeper keeper(*f.window, f.controller->state(), settings, 20);
    f.controller->state().PaneOpen = c.paneOpen ? 1 : 0;
    f.window->setLeft(1500);
    f.window->setTop(c.top);
    QTest::qWait(200);
    EXPECT_EQ(f.settingsText().contains(QStringLiteral("ESTop=%1").arg(c.top)), c.stored)
        << f.settingsText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, PositionKeeperTest,
                         testing::Values(KeeperCase{"Compact", false, 1800, true},
                                         KeeperCase{"CompactAtTheTop", false, 0, false},
                                         KeeperCase{"PaneOpen", true, 1800, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
