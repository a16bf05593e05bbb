// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/readout_json.h"

#include "cli/json_text.h"
#include "core/page/readout_state.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

template <typename Container>
QJsonArray textArray(const Container& texts)
{
    QJsonArray array;
    for (const QString& text : texts)
        array.append(text);
    return array;
}

} // namespace

QByteArray readoutJson(const char* outcome, const ReadoutState& state)
{
    QJsonArray cells;
    for (const GridCell& cell : state.cells)
        cells.append(QJsonObject{{"caption", cell.caption}, {"colour", colourName(cell.colour)}});
    QJsonArray levels;
    for (int level : state.SummaryLevel)
        levels.append(level);

    const QJsonObject object{
        {"outcome", QLatin1String(outcome)},
        {"header_opaque", state.headerOpaque},
        {"status_item", state.statusItem},
        {"alert_time", state.AlertTime},
        {"cells", cells},
        {"summary_level", levels},
        {"summary_mark", textArray(state.SummaryMark)},
        {"status_phrase", state.StatusPhrase},
        {"window_caption", state.windowCaption},
        {"station_detail", textArray(state.StationDetail)},
        {"delay_note", textArray(state.DelayNote)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray fetchJson(const char* outcome, const ReadoutState& state, std::optional<int> httpStatus,
                     const QString& transferError)
{
    // A QJsonObject sorts its keys: the two are added by hand to keep them last.
    QByteArray json = readoutJson(outcome, state);
    json.chop(2); // "}\n"
    json += ",\"http_status\":";
    json += httpStatus ? QByteArray::number(*httpStatus) : QByteArrayLiteral("null");
    json += ",\"error\":";
    json += transferError.isEmpty() ? QByteArrayLiteral("null") : jsonValue(transferError);
    return json + "}\n";
}
