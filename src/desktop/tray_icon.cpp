// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/tray_icon.h"

#include "core/page/signal_indicator.h"
#include "core/status/tray_status.h"
#include "window/bring_to_front.h"
#include "window/form_controller.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

QIcon roundIcon(ColourValue colour)
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        // A dark rim keeps pale colours visible on light panels.
        const qreal rim = size / 16.0;
        painter.setPen(QPen(QColor(40, 40, 40), rim));
        painter.setBrush(QColor(colourName(colour)));
        painter.drawEllipse(QRectF(rim, rim, size - 2 * rim, size - 2 * rim));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

TrayIcon::TrayIcon(QWidget& window, FormController& form, TrayOpeners open, bool notificationsOn,
                   std::function<void(bool)> notificationsToggled)
    : m_window(window), m_form(form), m_menu(std::make_unique<QMenu>())
{
    buildMenu(std::move(open), notificationsOn, std::move(notificationsToggled));
    m_icon.setContextMenu(m_menu.get());
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
                    raiseWindow();
            });
    showReadout(ReadoutState{}, std::nullopt);
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::buildMenu(TrayOpeners open, bool notificationsOn,
                         std::function<void(bool)> notificationsToggled)
{
    showWindowAction = m_menu->addAction(tr("ウィンドウを表示"), this, [this] { raiseWindow(); });
    reloadAction =
        m_menu->addAction(tr("今すぐ再読み込み (Ref)"), this, [this] { m_form.reloadNow(); });
    historyAction = m_menu->addAction(tr("履歴…"), this, std::move(open.history));
    mapAction = m_menu->addAction(tr("Es マップ…"), this, std::move(open.map));
    m_menu->addSeparator();

    keepInFrontAction = m_menu->addAction(tr("最前面に表示"));
    keepInFrontAction->setCheckable(true);
    keepInFrontAction->setChecked(m_form.keepsInFront());
    connect(keepInFrontAction, &QAction::toggled, &m_form, &FormController::setKeepInFront);
    connect(&m_form, &FormController::keepInFrontChanged, keepInFrontAction, &QAction::setChecked);

    paletteAction = m_menu->addAction(tr("色覚に配慮した配色"));
    paletteAction->setCheckable(true);
    paletteAction->setChecked(m_form.signalPalette() == SignalPalette::Cvd);
    connect(paletteAction, &QAction::toggled, &m_form, [this](bool on) {
        m_form.setSignalPalette(on ? SignalPalette::Cvd : SignalPalette::Standard);
    });
    connect(&m_form, &FormController::signalPaletteChanged, this, [this](SignalPalette palette) {
        paletteAction->setChecked(palette == SignalPalette::Cvd);
        showTone();
    });

    notificationsAction = m_menu->addAction(tr("Es の通知"));
    notificationsAction->setCheckable(true);
    notificationsAction->setChecked(notificationsOn);
    connect(notificationsAction, &QAction::toggled, this, std::move(notificationsToggled));
    autostartAction = m_menu->addAction(tr("ログイン時に起動"));
    autostartAction->setCheckable(true);
    settingsAction = m_menu->addAction(tr("設定…"), this, std::move(open.settings));
    m_menu->addSeparator();

    // Closing the window runs the usual shut-down, which ends the program.
    quitAction = m_menu->addAction(tr("終了"), this, [this] { m_window.close(); });
}

void TrayIcon::showReadout(const ReadoutState& readout, const std::optional<DataAge>& age,
                           const QStringList& reachLines)
{
    m_tone = trayTone(readout);
    m_stale = age && age->stale;
    showTone();
    // Every tick comes here: the panel hears of a change only.
    QString tip = trayToolTip(readout, age);
    for (const QString& line : reachLines)
        tip += QStringLiteral("<br>") + line.toHtmlEscaped();
    if (tip != m_toolTip) {
        m_toolTip = tip;
        m_icon.setToolTip(tip);
    }
}

void TrayIcon::showTone()
{
    const ColourValue shown = toneColour(m_tone, m_form.signalPalette());
    const ColourValue colour = m_stale ? dimmed(shown) : shown;
    if (colour != m_colour || m_icon.icon().isNull()) {
        m_colour = colour;
        m_icon.setIcon(roundIcon(colour));
    }
}

bool TrayIcon::showMessage(const EsNotice& notice)
{
    if (!m_icon.isVisible() || !QSystemTrayIcon::supportsMessages())
        return false;
    m_icon.showMessage(notice.title, notice.body,
                       notice.urgent ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
    return true;
}

void TrayIcon::raiseWindow()
{
    bringToFront(m_window);
}
