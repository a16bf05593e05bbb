#include "view/readout_help.h"

#include "support/text_helpers.h"

#include <QStringList>

namespace {

const QString kMark = QStringLiteral("◎");

} // namespace

QString cellTooltip(const ReadoutState& state, int index)
{
    if (index < 0 || index >= kStationCellCount)
        return {};
    if (state.cells[index].caption == u"?") {
        return state.DelayNote[index / kReadingCount].isEmpty()
                   ? QStringLiteral("データがない為不明")
                   : QStringLiteral("データ遅延と思われます QRX");
    }
    switch (index % kReadingCount) {
    case 0:
        return QStringLiteral("Ｆ層臨界周波数[MHz]");
    case 1:
        return QStringLiteral("電離層最低反射周波数[MHz]");
    default:
        return QStringLiteral("スポラディックＥ層臨界周波数[MHz]");
    }
}

MessageText stationMessage(const ReadoutState& state, int index)
{
    if (index < 0 || index >= kStationCellCount)
        throw ProcedureFailure("not a station cell");
    const int k = index / kReadingCount;
    const int v = index % kReadingCount;
    const QString& detail = state.StationDetail[k];

    const qsizetype p1 = Find(detail, kMark, 1);
    const qsizetype p2 = Find(detail, kMark, p1 + 1);
    const qsizetype p3 = v == 0 ? 0 : Find(detail, kMark, p2 + 1);

    // The title is cut first, so a detail without a usable heading fails
    // there whatever the column.
    MessageText message;
    message.title = QStringLiteral("Ondrel  ") + Mid(detail, 2, p1 - 2) + state.DelayNote[k];
    switch (v) {
    case 0:
        message.text = Mid(detail, p1 + 1, p2 - 1 - p1);
        break;
    case 1:
        message.text = Mid(detail, p2 + 1, p3 - 1 - p2);
        break;
    default:
        message.text = Mid(detail, p3 + 1, detail.size() - p3);
        break;
    }
    return message;
}

MessageText helpMessage()
{
    const QStringList lines{
        QStringLiteral("このデータは「WDC for Ionosphere, Tokyo, National Institute of Information "),
        QStringLiteral("and Communications Technology」から提供されたものです "),
        QString(),
        QStringLiteral("Fmax=Ｆ層臨界周波数"),
        QString(),
        QStringLiteral("Fmin=電離層最低反射周波数"),
        QString(),
        QStringLiteral("Es=スポラディックＥ層臨界周波数"),
        QString(),
        QStringLiteral("を表します"),
        QString(),
        QStringLiteral("? は 最新の自動解析値が存在しない事を示します。"),
        QString(),
        QStringLiteral("起動オプション\u3000-T で前面表示となります"),
    };
    return {lines.join(QStringLiteral("\r\n")), QStringLiteral("Ondrel")};
}

QString summaryHeadingHint()
{
    return QStringLiteral("右ｸﾘｯｸすると全体の詳細表示します");
}
