// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/graphics_setup.h"

#include "support/named_case.h"

#include <gtest/gtest.h>

namespace {

struct GraphicsCase {
    const char* name;
    const char* platform;
    const char* session;
    const char* xcbIntegration;
    GraphicsChoice choice;
};
ONDREL_NAMED_CASE(GraphicsCase)

class GraphicsTest : public testing::TestWithParam<GraphicsCase> {};

TEST_P(GraphicsTest, PaneRendersInSoftwareWhereTheWindowSystemAllows)
{
    const GraphicsCase& c = GetParam();
    EXPECT_EQ(chooseGraphics(c.platform, c.session, c.xcbIntegration), c.choice);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, GraphicsTest,
    testing::Values(
        GraphicsCase{"X11Session", "", "x11", "", GraphicsChoice::SoftwarePane},
        GraphicsCase{"NoSessionType", "", "", "", GraphicsChoice::SoftwarePane},
        GraphicsCase{"WaylandSession", "", "wayland", "", GraphicsChoice::SharedContexts},
        GraphicsCase{"XcbAskedForOnWayland", "xcb", "wayland", "", GraphicsChoice::SoftwarePane},
        GraphicsCase{"WaylandAskedFor", "wayland-egl", "x11", "", GraphicsChoice::SharedContexts},
        GraphicsCase{"UsersOwnGlChoice", "xcb", "x11", "glx", GraphicsChoice::AsConfigured},
        GraphicsCase{"Headless", "offscreen", "", "", GraphicsChoice::SoftwarePane}),
    [](const auto& info) { return std::string(info.param.name); });

struct WindowSystemCase {
    const char* name;
    SessionEnvironment session; // platform, WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY
    WindowSystem chosen;
};
ONDREL_NAMED_CASE(WindowSystemCase)

class WindowSystemTest : public testing::TestWithParam<WindowSystemCase> {};

TEST_P(WindowSystemTest, RunsWhereWindowsCanBePlaced)
{
    const WindowSystemCase& c = GetParam();
    EXPECT_EQ(chooseWindowSystem(c.session), c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, WindowSystemTest,
    testing::Values(
        WindowSystemCase{"X11", {"", "", "x11", ":0"}, WindowSystem::AsConfigured},
        WindowSystemCase{"DisplayOnly", {"", "", "", ":0"}, WindowSystem::AsConfigured},
        WindowSystemCase{
            "WaylandWithXwayland", {"", "wayland-0", "wayland", ":0"}, WindowSystem::Xwayland},
        WindowSystemCase{
            "WaylandSocketWithXwayland", {"", "wayland-0", "", ":1"}, WindowSystem::Xwayland},
        WindowSystemCase{
            "WaylandSessionTypeWithXwayland", {"", "", "wayland", ":0"}, WindowSystem::Xwayland},
        WindowSystemCase{
            "WaylandWithoutXwayland", {"", "wayland-0", "wayland", ""}, WindowSystem::Wayland},
        WindowSystemCase{
            "WaylandAskedFor", {"wayland", "wayland-0", "wayland", ":0"}, WindowSystem::Wayland},
        WindowSystemCase{
            "WaylandEglAskedFor", {"wayland-egl", "wayland-0", "", ":0"}, WindowSystem::Wayland},
        WindowSystemCase{
            "XcbAskedFor", {"xcb", "wayland-0", "wayland", ":0"}, WindowSystem::AsConfigured},
        WindowSystemCase{"HeadlessAskedFor", {"offscreen", "", "", ""}, WindowSystem::AsConfigured},
        WindowSystemCase{"NoDisplay", {"", "", "", ""}, WindowSystem::None},
        WindowSystemCase{
            "WaylandSessionTypeButNoSocket", {"", "", "wayland", ""}, WindowSystem::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlacesWindows, EveryPlatformButWayland)
{
    EXPECT_TRUE(placesWindows(QStringLiteral("xcb")));
    EXPECT_TRUE(placesWindows(QStringLiteral("offscreen")));
    EXPECT_FALSE(placesWindows(QStringLiteral("wayland")));
    EXPECT_FALSE(placesWindows(QStringLiteral("wayland-egl")));
}

} // namespace
