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

const char* const kOpenPage[kStationCount + 1] = {
    QT_TRANSLATE_NOOP("Accessibility", "稚内のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "国分寺のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "山川のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "大宜味のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "全局のイオノグラムを開く"),
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

std::vector<KeyBinding> keyBindings()
{
    std::vector<KeyBinding> bindings{
        {KeyAction::Reload, {Qt::Key_F5}, reloadNowName()},
        {KeyAction::OpenPeriodEditor,
         {Qt::CTRL | Qt::Key_T},
         QCoreApplication::translate("Accessibility", "再読み込み周期の設定を開く")},
        {KeyAction::PeriodSet,
         {Qt::Key_Return, Qt::Key_Enter},
         QCoreApplication::translate("Accessibility", "周期の設定中: 設定する（Set）")},
        {KeyAction::PeriodCancel,
         {Qt::Key_Escape},
         QCoreApplication::translate("Accessibility", "周期の設定中: 取り消す（Can）")},
        {KeyAction::OpenHistory,
         {Qt::CTRL | Qt::Key_H},
         QCoreApplication::translate("Accessibility", "履歴を開く")},
    };
    const Qt::Key pageKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_0};
    for (int heading = 0; heading <= kStationCount; ++heading)
        bindings.push_back(
            {KeyAction::OpenPage, {pageKeys[heading]}, translated(kOpenPage[heading]), heading});
    bindings.insert(
        bindings.end(),
        {
            {KeyAction::Restore,
             {Qt::CTRL | Qt::Key_0},
             QCoreApplication::translate("Accessibility", "元のサイズに戻す")},
            {KeyAction::ClosePane,
             {Qt::Key_Escape},
             QCoreApplication::translate("Accessibility", "ブラウザ表示中: 元のサイズに戻す")},
            {KeyAction::Help,
             {Qt::Key_F1},
             QCoreApplication::translate("Accessibility", "簡単な説明を表示")},
            {KeyAction::Click,
             {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter},
             QCoreApplication::translate("Accessibility", "選択中の項目をクリックしたのと同じ")},
            {KeyAction::RightClick,
             {Qt::Key_Menu, Qt::SHIFT | Qt::Key_F10},
             QCoreApplication::translate("Accessibility", "選択中の項目を右クリックしたのと同じ")},
        });
    return bindings;
}

QList<QKeySequence> keysFor(KeyAction action)
{
    for (const KeyBinding& binding : keyBindings()) {
        if (binding.action == action)
            return binding.keys;
    }
    return {};
}

QString keysText(const KeyBinding& binding)
{
    QStringList names;
    for (const QKeySequence& key : binding.keys)
        names.push_back(key.toString(QKeySequence::NativeText));
    return names.join(QStringLiteral(" / "));
}

QString keyListText()
{
    QStringList lines{QCoreApplication::translate("Accessibility", "キー操作")};
    for (const KeyBinding& binding : keyBindings())
        lines.push_back(keysText(binding) + QStringLiteral(": ") + binding.text);
    return lines.join(QStringLiteral("\r\n"));
}
