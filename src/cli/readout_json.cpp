#include "cli/readout_json.h"

#include "view/readout_state.h"

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
