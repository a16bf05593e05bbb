// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessible_texts.h"

#include <QCoreApplication>

namespace {

// Only for the texts marked with QT_TRANSLATE_NOOP below.
QString translated(const char* source)
{
    return QCoreApplication::translate("Accessibility", source);
}

const char* const kStations[kStationCount] = {
    QT_TRANSLATE_NOOP("Accessibility", "稚内"),
    QT_TRANSLATE_NOOP("Accessibility", "国分寺"),
    QT_TRANSLATE_NOOP("Accessibility", "山川"),
    QT_TRANSLATE_NOOP("Accessibility", "大宜味"),
};

const char* const kHeadings[kStationCount + 1] = {
    QT_TRANSLATE_NOOP("Accessibility", "稚内のイオノグラム"),
    QT_TRANSLATE_NOOP("Accessibility", "国分寺のイオノグラム"),
    QT_TRANSLATE_NOOP("Accessibility", "山川のイオノグラム"),
    QT_TRANSLATE_NOOP("Accessibility", "大宜味のイオノグラム"),
    QT_TRANSLATE_NOOP("Accessibility", "全局のイオノグラム"),
};

// The grid's column names are the page's own symbols, the same in every language.
const char* const kColumns[kReadingCount] = {"Fmax", "Fmin", "Es"};

} // namespace

QString levelWord(CellLevel level)
{
    switch (level) {
    case CellLevel::Quiet:
        return QCoreApplication::translate("Accessibility", "静穏");
    case CellLevel::Caution:
        return QCoreApplication::translate("Accessibility", "注意");
    case CellLevel::Alert:
        return QCoreApplication::translate("Accessibility", "警報");
    case CellLevel::NoData:
        break;
    }
    return QCoreApplication::translate("Accessibility", "データなし");
}

QString stationCellName(int station, int column, const QString& value, CellLevel level)
{
    const QString name = translated(kStations[station]);
    const QString quantity = QLatin1String(kColumns[column]);
    if (level == CellLevel::NoData)
        //: station, quantity, "データなし"
        return QCoreApplication::translate("Accessibility", "%1 %2 %3")
            .arg(name, quantity, levelWord(level));
    //: station, quantity, value in MHz, alert level
    return QCoreApplication::translate("Accessibility", "%1 %2 %3 MHz %4")
        .arg(name, quantity, value, levelWord(level));
}

QString summaryCellName(int column, CellLevel level)
{
    //: the summary row: quantity, the worst level of all stations
    return QCoreApplication::translate("Accessibility", "全局 %1 %2")
        .arg(QLatin1String(kColumns[column]), levelWord(level));
}

QString headingName(int heading)
{
    return translated(kHeadings[heading]);
}

QString reloadNowName()
{
    return QCoreApplication::translate("Accessibility", "今すぐ再読み込み");
}

QString backButtonName()
{
    return QCoreApplication::translate("Accessibility", "前のページ");
}

QString forwardButtonName()
{
    return QCoreApplication::translate("Accessibility", "次のページ");
}

QString setButtonName()
{
    return QCoreApplication::translate("Accessibility", "周期を設定");
}

QString cancelButtonName()
{
    return QCoreApplication::translate("Accessibility", "取り消し");
}

QString periodScrollName()
{
    return QCoreApplication::translate("Accessibility", "再読み込みの周期（秒）");
}
