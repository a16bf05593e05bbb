// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/key_bindings.h"

#include "core/page/station_names.h"
#include "window/accessible_texts.h"

#include <QCoreApplication>

namespace {

const char* const kOpenPage[kStationCount + 1] = {
    QT_TRANSLATE_NOOP("Accessibility", "稚内のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "国分寺のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "山川のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "大宜味のイオノグラムを開く"),
    QT_TRANSLATE_NOOP("Accessibility", "全局のイオノグラムを開く"),
};

} // namespace

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
        {KeyAction::OpenMap,
         {Qt::CTRL | Qt::Key_M},
         QCoreApplication::translate("Accessibility", "Es マップを開く")},
        {KeyAction::OpenSettings,
         {Qt::CTRL | Qt::Key_Comma},
         QCoreApplication::translate("Accessibility", "設定を開く")},
    };
    const Qt::Key pageKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_0};
    for (int heading = 0; heading <= kStationCount; ++heading)
        bindings.push_back({KeyAction::OpenPage,
                            {pageKeys[heading]},
                            QCoreApplication::translate("Accessibility", kOpenPage[heading]),
                            heading});
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
