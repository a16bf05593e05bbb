// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gui/setting_input.h"

#include "window/settings_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

void enterSetting(SettingsWindow& window, const QString& key, const QString& input)
{
    QWidget* field = window.field(key);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
        QTest::keyClicks(edit, input);
        QTest::keyClick(edit, Qt::Key_Return);
    } else if (auto* box = qobject_cast<QComboBox*>(field)) {
        QTest::keyClick(box, Qt::Key_Home);
        while (box->currentData().toString() != input && box->currentIndex() + 1 < box->count())
            QTest::keyClick(box, Qt::Key_Down);
    } else if (field) {
        QTest::keyClick(field, Qt::Key_Space);
    }
}
