// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/timed_message_box.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(TimedMessageBox, TimeOutBeyondThirtyTwoBitsShowsNoBox)
{
    FakeMessageBoxes boxes;
    int closed = 0;
    TimedMsgBox(boxes, QStringLiteral("x"), QStringLiteral("Ondrel"), 2147484,
                [&closed] { ++closed; });
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(closed, 1);

    TimedMsgBox(boxes, QStringLiteral("x"), QStringLiteral("Ondrel"), 5, [&closed] { ++closed; });
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].milliseconds, 5000);
}

} // namespace
