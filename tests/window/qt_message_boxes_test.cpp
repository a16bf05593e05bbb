// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QWidget>

#include "support/wait_for.h"

#include <gtest/gtest.h>

namespace {

QMessageBox* openBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

TEST(QtMessageBoxes, TimedClosesItselfAfterItsTime)
{
    QWidget owner;
    owner.show();
    QtMessageBoxes boxes;
    boxes.MsgOwnerWnd = &owner;
    int closed = 0;
    QElapsedTimer clock;
    clock.start();
    boxes.showTimed(QStringLiteral("Hostとの通信エラーです\r\n30秒後に自動リトライします "),
                    QStringLiteral("Ondrel"), 300, [&closed] { ++closed; });

    QMessageBox* box = openBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Ondrel"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_TRUE(box->text().contains(QStringLiteral("\r\n30秒後")));
    EXPECT_EQ(box->parentWidget(), &owner);
    EXPECT_EQ(closed, 0);

    ASSERT_TRUE(waitFor([&closed] { return closed == 1; }, 5000));
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_TRUE(waitFor([] { return openBox() == nullptr; }, 2000));
}

TEST(QtMessageBoxes, TimedOkBeforeTheTimeOutClosesOnce)
{
    QtMessageBoxes boxes;
    int closed = 0;
    boxes.showTimed(QStringLiteral("x"), QStringLiteral("Ondrel"), 400, [&closed] { ++closed; });
    QMessageBox* box = openBox();
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Ok)->click();
    EXPECT_EQ(closed, 1);
    waitFor([] { return false; }, 700); // past the time-out
    EXPECT_EQ(closed, 1);
}

} // namespace
