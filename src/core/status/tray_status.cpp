// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/status/tray_status.h"

#include "core/page/shown_readout.h"
#include "core/page/signal_indicator.h"
#include "core/page/station_names.h"

#include <QCoreApplication>

namespace {

constexpr int kEsQuiet = 8;

QString phraseOf(const ReadoutState& state)
{
    if (trayTone(state) == EsTone::Unknown)
        return state.headerOpaque ? QCoreApplication::translate("Tray", "更新できません")
                                  : QCoreApplication::translate("Tray", "読み込み中");
    return levelPhrase(state);
}

} // namespace

EsTone esTone(const ReadoutState& state)
{
    if (state.headerOpaque)
        return EsTone::Unknown;
    switch (state.SummaryLevel[kEsColumn] - kEsQuiet) {
    case 0:
        return EsTone::Quiet;
    case 1:
        return EsTone::Caution;
    case 2:
        return EsTone::Alert;
    default:
        return EsTone::Unknown;
    }
}

EsTone trayTone(const ReadoutState& state)
{
    if (!state.pageArrivedUtc)
        return EsTone::Unknown;
    switch (state.cells[kStationCellCount + kEsColumn].colour) {
    case QuietColor:
        return EsTone::Quiet;
    case CautionColor:
        return EsTone::Caution;
    case AlertColor:
        return EsTone::Alert;
    default:
        return EsTone::Unknown;
    }
}

ColourValue toneColour(EsTone tone, SignalPalette palette)
{
    ColourValue colour = UndefinedColor;
    switch (tone) {
    case EsTone::Quiet:
        colour = QuietColor;
        break;
    case EsTone::Caution:
        colour = CautionColor;
        break;
    case EsTone::Alert:
        colour = AlertColor;
        break;
    case EsTone::Unknown:
        break;
    }
    return cellLook(colour, palette).colour;
}

QString trayToolTip(const ReadoutState& state, const std::optional<DataAge>& age)
{
    QString notes;
    if (state.headerOpaque && trayTone(state) != EsTone::Unknown)
        notes += u' ' + QCoreApplication::translate("Tray", "更新できません");
    if (age && age->stale)
        notes += u' ' + dataAgeText(*age);
    QString tip =
        QStringLiteral("<b>Ondrel: %1</b><br>%2%3<table cellspacing=\"0\" cellpadding=\"3\">"
                       "<tr><td></td><th>Fmax</th><th>Fmin</th><th>Es</th></tr>")
            .arg(phraseOf(state).toHtmlEscaped(), shownStatusItem(state).toHtmlEscaped(),
                 notes.toHtmlEscaped());
    for (int k = 0; k < kStationCount; ++k) {
        tip += QStringLiteral("<tr><td>%1</td>").arg(shownStationMark(k).toHtmlEscaped());
        for (int column = 0; column < kReadingCount; ++column) {
            tip += QStringLiteral("<td align=\"right\">%1</td>")
                       .arg(state.cells[cellIndex(k, column)].caption.toHtmlEscaped());
        }
        tip += QStringLiteral("</tr>");
    }
    return tip + QStringLiteral("</table>");
}
