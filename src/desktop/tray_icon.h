// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "core/status/es_notice_policy.h"
#include "core/status/tray_status.h"

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class FormController;
class QAction;
class QMenu;
class QWidget;

// A round icon filled with `colour`.
QIcon roundIcon(ColourValue colour);

// The windows the tray menu opens.
struct TrayOpeners {
    std::function<void()> history;
    std::function<void()> map;
    std::function<void()> settings;
};

// The tray icon: the Es summary as its colour, the readings as its tooltip,
// and a menu for the window's main actions. Left click brings the window up.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(QWidget& window, FormController& form, TrayOpeners open, bool notificationsOn,
             std::function<void(bool)> notificationsToggled);
    ~TrayIcon() override;

    // Icon and tooltip for the readout as the window shows it, dimmed
    // when `age` says it is stale; `reachLines` (where Es reaches, as the
    // map says it) end the tooltip.
    void showReadout(const ReadoutState& readout, const std::optional<DataAge>& age,
                     const QStringList& reachLines = {});
    // The notice in the tray's balloon; whether it could be shown (an icon
    // in a tray that shows balloons).
    bool showMessage(const EsNotice& notice);
    // Shows, restores and raises the window.
    void raiseWindow();

    QSystemTrayIcon& icon() { return m_icon; }
    ColourValue colour() const { return m_colour; }

    QAction* showWindowAction = nullptr;
    QAction* reloadAction = nullptr;
    QAction* historyAction = nullptr;     // the chart window
    QAction* mapAction = nullptr;         // the Es map
    QAction* keepInFrontAction = nullptr; // mirrors the window's keep-in-front
    QAction* paletteAction = nullptr;     // checked: the colour-blind-safe colours
    QAction* notificationsAction = nullptr;
    QAction* autostartAction = nullptr; // checkable; the owner connects it
    QAction* settingsAction = nullptr;
    QAction* quitAction = nullptr;

private:
    void buildMenu(TrayOpeners open, bool notificationsOn,
                   std::function<void(bool)> notificationsToggled);
    void showTone();

    QWidget& m_window;
    FormController& m_form;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon m_icon;
    ColourValue m_colour = 0;
    EsTone m_tone = EsTone::Unknown;
    bool m_stale = false;
    QString m_toolTip;
};
