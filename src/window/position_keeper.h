// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class Form1;
class ProgramSettings;
struct FormState;

// Stores the compact window's position a few seconds after it stopped
// moving, so a crash or a lost display keeps it; closing stores it anyway.
class PositionKeeper : public QObject {
public:
    static constexpr int kSettleMs = 3000;

    PositionKeeper(Form1& window, const FormState& form, ProgramSettings& settings,
                   int settleMs = kSettleMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keep();

    Form1& m_window;
    const FormState& m_form;
    ProgramSettings& m_settings;
    QTimer m_settle;
};
