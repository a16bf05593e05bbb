// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/signal_indicator.h"

#include <optional>

namespace {

// The marks and phrases stay Japanese in the state, where code compares
// them; shown_readout.h translates them for the screen.
const QString kQuiet = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "静"));
const QString kEsQuiet = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "寂"));
const QString kCaution = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "注"));
const QString kAlert = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "注!"));
const QString kEsAlert = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "Es!"));

struct SignalLook {
    QString mark;
    std::optional<ColourValue> colour;
    bool captionAlert = false;
};

SignalLook lookOf(const QString& name)
{
    if (name == u"GREEN")
        return {kQuiet, QuietColor};
    if (name == u"UNDEFINE")
        return {QStringLiteral("？"), UndefinedColor};
    if (name == u"BLINK-YELLOW-P" || name == u"BLINK-YELLOW-N" || name == u"BLINK-YELLOW")
        return {kCaution, CautionColor};
    if (name == u"BLINK-RED")
        return {kEsAlert, AlertColor, true};
    if (name == u"BLINK-RED-P" || name == u"BLINK-RED-N")
        return {kAlert, AlertColor};
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
        {2, kQuiet, kAlert},
        {5, kQuiet, kAlert},
        {8, kEsQuiet, kEsAlert},
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
    if (mark == kCaution && level < alert) {
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

// Okabe and Ito's sky blue, yellow and vermillion, and a mid grey: apart
// for protanopes, deuteranopes and tritanopes, and bright enough on black.
constexpr ColourValue kCvdQuiet = 0xE9B456;     // #56B4E9
constexpr ColourValue kCvdCaution = 0x42E4F0;   // #F0E442
constexpr ColourValue kCvdAlert = 0x005ED5;     // #D55E00
constexpr ColourValue kCvdUndefined = 0x999999; // #999999

} // namespace

void ShowSignal(ReadoutState& state, const QString& name, int index)
{
    if (index < 0 || index >= kCellCount)
        return; // no such label: the procedure ends before anything
    const SignalLook look = lookOf(name);
    if (look.colour)
        state.cells[index].colour = *look.colour;
    if (look.captionAlert)
        state.windowCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "Es！"));
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
    static const QString phrases[] = {QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "静穏状態")),
                                      QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", "Es 注意")),
                                      QStringLiteral("Ondrel")};
    const int esLevel = state.SummaryLevel[2];
    if (esLevel < 8 || esLevel > 10)
        return;
    state.StatusPhrase = phrases[esLevel - 8];
    state.windowCaption = state.StatusPhrase;
}

CellLook cellLook(ColourValue colour, SignalPalette palette)
{
    if (palette == SignalPalette::Standard)
        return {colour};
    switch (colour) {
    case QuietColor:
        return {kCvdQuiet};
    case CautionColor:
        return {kCvdCaution, LevelLine::Dotted};
    case AlertColor:
        return {kCvdAlert, LevelLine::Solid};
    case UndefinedColor:
        return {kCvdUndefined};
    default:
        return {colour};
    }
}

ColourValue dimmed(ColourValue colour)
{
    constexpr ColourValue kGrey = 0x40;
    ColourValue mixed = 0;
    for (int shift : {0, 8, 16}) {
        const ColourValue channel = (colour >> shift) & 0xFF;
        mixed |= ((channel + kGrey) / 2) << shift;
    }
    return mixed;
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
