// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/readout_explainer.h"

#include "core/page/readout_help.h"
#include "core/page/readout_state.h"
#include "core/refresh/message_boxes.h"
#include "core/system/procedure_failure.h"
#include "window/form1.h"
#include "window/key_bindings.h"

#include <QCursor>
#include <QToolTip>

namespace {

void setTip(QWidget* control, const QString& text)
{
    if (control->toolTip() == text)
        return;
    control->setToolTip(text);
    // A tip already up for this control would otherwise keep the old text
    // until the mouse leaves.
    if (QToolTip::isVisible() && control->underMouse()) {
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), text, control);
    }
}

} // namespace

void ReadoutExplainer::Label2_MouseMove(int index)
{
    if (index < 0 || index >= kCellCount)
        return;
    setTip(m_window.Label2[index], cellTooltip(m_readout, index));
}

void ReadoutExplainer::Label2_MouseUp(int index, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || index < 0 || index >= kStationCellCount)
        return;
    try {
        const MessageText message = asShown(stationMessage(m_readout, index));
        m_boxes.show(message.text, message.title, MessageBoxes::Icon::Information);
    } catch (const ProcedureFailure&) {
    }
}

void ReadoutExplainer::Label3_MouseMove(int index)
{
    if (index == kSummaryHeading)
        setTip(m_window.Label3[index], summaryHeadingHint());
}

void ReadoutExplainer::showHelp()
{
    MessageText message = helpMessage();
    const QString gap = QStringLiteral("\r\n\r\n");
    message.text += gap + readoutLegendText(m_window.signalPalette()) + gap + keyListText();
    m_boxes.show(message.text, message.title, MessageBoxes::Icon::Information);
}
