// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/setting_row.h"

#include <QWidget>

#include <vector>

class QLabel;

// Where a window of `size` goes beside the frame `main`: to its right,
// else to its left, top edges level, wholly inside `room` (the screen's
// available area).
QRect besideWindow(const QRect& main, QSize size, const QRect& room);

// "設定": one line per setting row, each with its field, what it takes and
// its default. A value is stored as soon as it is chosen, or typed and
// confirmed (Return, or leaving the field); a value the row does not take
// is refused with a message under it and nothing is stored.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    SettingsWindow(std::vector<SettingRow> rows, QWidget* mainWindow);

    // Shows, beside the main window when it was hidden, and raises.
    void open();
    // Every field shows its row's value in use again; messages go.
    void showStored();

    // The field of the row for `key` (QLineEdit, QCheckBox or QComboBox)
    // and its message line; null for no such row.
    QWidget* field(const QString& key) const;
    QLabel* message(const QString& key) const;

signals:
    // The row for `key` stored a new value.
    void changed(const QString& key);

private:
    struct Line {
        SettingRow row;
        QWidget* field = nullptr;
        QLabel* hint = nullptr;
        QLabel* message = nullptr;
    };

    QWidget* makeField(Line& line, int index);
    void commit(int index, const QString& typed);
    void tell(Line& line, const QString& message);
    void showValue(Line& line);
    const Line* lineFor(const QString& key) const;

    std::vector<Line> m_lines;
    QWidget* m_mainWindow;
};
