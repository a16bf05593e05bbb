// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/home_locator.h"
#include "history_ui/history_window.h"
#include "map_ui/es_map_view.h"
#include "map_ui/es_map_window.h"
#include "support/gui/form_fixture.h"
#include "window/history_feature.h"
#include "window/map_feature.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The map is made only when asked for (Ctrl+M, the history window), then
// follows each refresh, the palette and the home the settings window
// stores.
TEST(MapFeature, OpensOnAskingAndFollowsTheRefreshes)
{
    FormFixture f;
    HistoryFeature history{*f.window, f.loop, f.settings, [] { return QString(); }};
    HomeLocator home{f.settings};
    MapFeature map(*f.window, f.loop, *f.controller, home, f.settings,
                   [&history] { return history.recorder().log(); });
    history.offerMap([&map] { map.openMap(); });
    f.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
    f.load();
    f.deliverPage();
    EXPECT_EQ(map.window(), nullptr) << "made before it was asked for";
    f.controller->setSignalPalette(SignalPalette::Cvd);

    QTest::keyClick(f.window.get(), Qt::Key_M, Qt::ControlModifier);
    ASSERT_NE(map.window(), nullptr);
    EXPECT_TRUE(map.window()->isVisible());
    EXPECT_EQ(map.window()->map->signalPalette(), SignalPalette::Cvd);
    f.controller->setSignalPalette(SignalPalette::Standard);
    EXPECT_EQ(map.window()->map->signalPalette(), SignalPalette::Standard);
    EXPECT_EQ(map.window()->shownReport().reading.pageTime, QStringLiteral("2026/12/07 10:15 JST"));

    f.controller->reloadNow();
    f.deliverPage(testpage::realisticBytes().replace("10:15", "10:30"));
    EXPECT_EQ(map.window()->shownReport().reading.pageTime, QStringLiteral("2026/12/07 10:30 JST"));
    home.set(QStringLiteral("PM53fo"));
    EXPECT_EQ(map.window()->shownReport().home, QStringLiteral("PM53fo"));

    map.window()->hide();
    history.openHistory();
    ASSERT_TRUE(history.window()->mapButton->isVisible());
    history.window()->mapButton->click();
    EXPECT_TRUE(map.window()->isVisible());
}

} // namespace
