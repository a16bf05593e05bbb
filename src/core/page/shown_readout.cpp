// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/shown_readout.h"

#include <QCoreApplication>

QString shownText(const QString& text)
{
    if (text.isEmpty())
        return text;
    return QCoreApplication::translate("Readout", text.toUtf8().constData());
}

QString shownStatusItem(const ReadoutState& state)
{
    // The parser writes the page's time followed by "現在".
    if (state.statusItem == state.AlertTime + QStringLiteral("現在"))
        return QCoreApplication::translate("Readout", "%1現在").arg(state.AlertTime);
    return shownText(state.statusItem);
}

QString shownCaption(const ReadoutState& state)
{
    // The countdown's caption is the phrase, a blank and the time left.
    const QString& caption = state.windowCaption;
    if (caption.startsWith(state.StatusPhrase + u' '))
        return shownText(state.StatusPhrase) + caption.sliced(state.StatusPhrase.size());
    return shownText(caption);
}

QString levelPhrase(const ReadoutState& state)
{
    if (state.StatusPhrase == u"Ondrel")
        return QCoreApplication::translate("Readout", "Es 警報");
    return shownText(state.StatusPhrase);
}

QString spokenCaption(const ReadoutState& state)
{
    const QString& caption = state.windowCaption;
    if (!state.StatusPhrase.isEmpty() &&
        (caption == state.StatusPhrase || caption.startsWith(state.StatusPhrase + u' ')))
        return levelPhrase(state) + caption.sliced(state.StatusPhrase.size());
    return shownCaption(state);
}

QString shownCellCaption(const ReadoutState& state, int index)
{
    const QString& caption = state.cells[index].caption;
    return index >= kStationCellCount ? shownText(caption) : caption;
}
