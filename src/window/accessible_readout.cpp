// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessible_readout.h"

#include "core/page/readout_help.h"
#include "window/accessible_texts.h"
#include "window/form1.h"

#include <QAccessible>
#include <QPushButton>
#include <QScrollBar>

namespace {

void describe(QWidget* control, const QString& name, const QString& description = {})
{
    // Unchanged texts send no change events: render runs every second.
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

int rank(CellLevel level)
{
    switch (level) {
    case CellLevel::Caution:
        return 1;
    case CellLevel::Alert:
        return 2;
    case CellLevel::Quiet:
    case CellLevel::NoData:
        break;
    }
    return 0;
}

constexpr int kEsSummaryCell = kStationCellCount + 2;

} // namespace

AccessibleReadout::AccessibleReadout(Form1& window)
    : m_window(window),
      m_send([](QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); })
{
    for (int k = 0; k < static_cast<int>(window.Label3.size()); ++k)
        describe(window.Label3[k], headingName(k),
                 k == kSummaryHeading ? summaryHeadingHint() : QString());
    describe(window.Label6, reloadNowName());
    describe(window.Command2, backButtonName());
    describe(window.Command3, forwardButtonName());
    describe(window.Command5, setButtonName());
    describe(window.Command6, cancelButtonName());
    describe(window.VScroll1, periodScrollName());
}

void AccessibleReadout::update(const ReadoutState& state)
{
    for (int i = 0; i < kCellCount; ++i) {
        const CellLevel level = cellLevel(state, i);
        const int column = i % kReadingCount;
        if (i < kStationCellCount)
            describe(m_window.Label2[i],
                     stationCellName(i / kReadingCount, column, state.cells[i].caption, level),
                     cellTooltip(state, i));
        else
            describe(m_window.Label2[i], summaryCellName(column, level));
    }

    const CellLevel es = cellLevel(state, kEsSummaryCell);
    const bool rose = rank(es) > rank(m_esSummary);
    m_esSummary = es;
    if (rose) {
        // Qt 6.4 has no announcement event; the name has changed already.
        QAccessibleEvent alert(m_window.Label2[kEsSummaryCell], QAccessible::Alert);
        m_send(alert);
    }
}

void AccessibleReadout::setHeardLines(const QStringList& lines)
{
    // Asked every second: a screen reader hears of a change only.
    const QString description = lines.join(u'\n');
    if (m_window.accessibleDescription() != description)
        m_window.setAccessibleDescription(description);
}
