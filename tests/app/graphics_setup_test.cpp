#include "app/graphics_setup.h"

#include "named_case.h"

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

} // namespace
