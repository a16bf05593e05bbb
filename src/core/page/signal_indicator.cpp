// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/signal_indicator.h"

#include <optional>

namespace {

struct SignalLook {
    QString mark;
    std::optional<ColourValue> colour;
    bool captionAlert = false;
};

SignalLook lookOf(const QString& name)
{
    if (name == u"GREEN")
        return {QStringLiteral("静"), QuietColor};
    if (name == u"UNDEFINE")
        return {QStringLiteral("？"), UndefinedColor};
    if (name == u"BLINK-YELLOW-P" || name == u"BLINK-YELLOW-N" || name == u"BLINK-YELLOW")
        return {QStringLiteral("注"), CautionColor};
    if (name == u"BLINK-RED")
        return {QStringLiteral("Es!"), AlertColor, true};
    if (name == u"BLINK-RED-P" || name == u"BLINK-RED-N")
        return {QStringLiteral("注!"), AlertColor};
    return {};
}

// One column's levels on the common scale and its marks.
struct ColumnScale {
    int quiet;
    QString quietMark;
    QString alertMark;
};

const ColumnScale& scaleOf(int column)
{
    static const ColumnScale scales[kReadingCount] = {
        {2, QStringLiteral("静"), QStringLiteral("注!")},
        {5, QStringLiteral("静"), QStringLiteral("注!")},
        {8, QStringLiteral("寂"), QStringLiteral("Es!")},
    };
    return scales[column];
}

void foldIntoSummary(ReadoutState& state, int column, const QString& mark)
{
    const ColumnScale& scale = scaleOf(column);
    const int caution = scale.quiet + 1;
    const int alert = scale.quiet + 2;
    int& level = state.SummaryLevel[column];
    QString& summaryMark = state.SummaryMark[column];
    if (mark == u"注" && level < alert) {
        level = caution;
        summaryMark = mark;
    } else if (mark == scale.alertMark) {
        level = alert;
        summaryMark = mark;
    } else if (level < caution) {
        level = scale.quiet;
        summaryMark = scale.quietMark;
    }
}

std::optional<ColourValue> colourOfLevel(int column, int level)
{
    const int quiet = scaleOf(column).quiet;
    if (level == quiet)
        return QuietColor;
    if (level == quiet + 1)
        return CautionColor;
    if (level == quiet + 2)
        return AlertColor;
    return std::nullopt;
}

} // namespace

void ShowSignal(ReadoutState& state, const QString& name, int index)
{
    if (index < 0 || index >= kCellCount)
        return; // no such label: the procedure ends before anything
    const SignalLook look = lookOf(name);
    if (look.colour)
        state.cells[index].colour = *look.colour;
    if (look.captionAlert)
        state.windowCaption = QStringLiteral("Es！");
    if (index >= kStationCellCount)
        return;
    foldIntoSummary(state, index % kReadingCount, look.mark);
}

void ShowSummary(ReadoutState& state)
{
    for (int column = 0; column < kReadingCount; ++column) {
        GridCell& cell = state.cells[kStationCellCount + column];
        cell.caption = state.SummaryMark[column];
        if (const auto colour = colourOfLevel(column, state.SummaryLevel[column]))
            cell.colour = *colour;
    }
    static const QString phrases[] = {QStringLiteral("静穏状態"), QStringLiteral("Es 注意"),
                                      QStringLiteral("Ondrel")};
    const int esLevel = state.SummaryLevel[2];
    if (esLevel < 8 || esLevel > 10)
        return;
    state.StatusPhrase = phrases[esLevel - 8];
    state.windowCaption = state.StatusPhrase;
}

CellLevel cellLevel(const ReadoutState& state, int index)
{
    const GridCell& cell = state.cells[index];
    if (cell.caption.isEmpty() || cell.caption == u"?" || cell.caption == u"---")
        return CellLevel::NoData;
    switch (cell.colour) {
    case CautionColor:
        return CellLevel::Caution;
    case AlertColor:
        return CellLevel::Alert;
    case UndefinedColor:
        return CellLevel::NoData;
    default:
        return CellLevel::Quiet;
    }
}
