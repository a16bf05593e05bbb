// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/period_editor.h"

#include "core/refresh/clock.h"
#include "core/refresh/schedule.h"
#include "core/settings/program_settings.h"
#include "core/system/procedure_failure.h"
#include "window/form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

void PeriodEditor::open()
{
    try {
        const int period = m_countdown.ReloadPeriod();
        QScrollBar* scroll = m_window.VScroll1;
        if (period < scroll->minimum() || period > scroll->maximum())
            throw ProcedureFailure("period outside the scroll bar's range");
        scroll->setValue(period);
        QGroupBox* frame = m_window.Frame2;
        Form1::place(frame, 120, 120, 1575, 855);
        frame->raise();
        frame->show();
        frame->setEnabled(true);
    } catch (const ProcedureFailure&) {
    }
}

void PeriodEditor::VScroll1_Change()
{
    const int value = m_window.VScroll1->value();
    m_window.Label4->setText(
        Form1::periodCaption(QString::number(value / 60),
                             QStringLiteral("%1").arg(value % 60, 2, 10, QLatin1Char('0'))));
}

void PeriodEditor::Command5_Click()
{
    try {
        m_countdown.setPeriod(m_window.VScroll1->value());
        close();
        countFromFullHour();
        m_settings.setReloadPeriod(m_countdown.ReloadPeriod());
    } catch (const ProcedureFailure&) {
    }
}

void PeriodEditor::adopt(int seconds)
{
    m_countdown.setPeriod(seconds);
    countFromFullHour();
}

void PeriodEditor::countFromFullHour()
{
    const QTime now = m_clock.now();
    m_countdown.setElapsed(fullHourPhase(now.minute(), now.second(), m_countdown.ReloadPeriod()));
}

void PeriodEditor::Command6_Click()
{
    close();
}

void PeriodEditor::close()
{
    m_window.Frame2->hide();
    m_window.Frame2->setEnabled(false);
}
