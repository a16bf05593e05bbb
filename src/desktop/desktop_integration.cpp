// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_integration.h"

#include "core/page/shown_readout.h"
#include "core/refresh/refresh_loop.h"
#include "core/settings/home_locator.h"
#include "core/settings/program_settings.h"
#include "core/status/data_age.h"
#include "core/status/notice_memory.h"
#include "core/system/session_bus.h"
#include "desktop/desktop_notifications.h"
#include "desktop/tray_icon.h"
#include "reach/band_lines.h"
#include "reach/es_reading.h"
#include "window/form_controller.h"
#include "window/heard_feature.h"
#include "window/settings_feature.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

std::chrono::seconds systemClock()
{
    return std::chrono::seconds(QDateTime::currentSecsSinceEpoch());
}

// The session bus where one runs; never one started just for us.
QDBusConnection sessionBusIfAny()
{
    if (!sessionBusAvailable())
        return QDBusConnection(QStringLiteral("ondrel-no-session-bus"));
    return QDBusConnection::sessionBus();
}

} // namespace

DesktopIntegration::DesktopIntegration(QWidget& window, FormController& form, RefreshLoop& loop,
                                       SettingsStore& settings, TrayOpeners open,
                                       SettingsFeature& settingsWindow, HomeLocator& home,
                                       DesktopSeams seams)
    : m_settings(settings), m_loop(loop), m_settingsWindow(settingsWindow), m_home(home),
      m_now(seams.now ? std::move(seams.now) : systemClock), m_sink(seams.sink),
      m_autostart(seams.autostartDirectory), m_startedInFront(seams.startedInFront),
      m_memoryPath(seams.noticeMemory.isEmpty() ? stateFilePath(QStringLiteral("notified"))
                                                : seams.noticeMemory)
{
    ProgramSettings stored(settings);
    m_policy.enabled = stored.notifyOn();
    m_policy.cooldown = stored.notifyCooldown();
    m_policy.restore(loadNoticeMemory(m_memoryPath));
    m_notifyBands = stored.notifyBands();

    settingsWindow.addRow(autostartRow());
    QObject::connect(&settingsWindow, &SettingsFeature::changed, &m_context,
                     [this] { followStoredSettings(); });
    if (seams.tray) {
        open.settings = [&settingsWindow] { settingsWindow.openSettings(); };
        m_tray = std::make_unique<TrayIcon>(window, form, std::move(open), m_policy.enabled,
                                            [this](bool on) {
                                                setNotificationsOn(on);
                                                m_settingsWindow.showStored();
                                            });
        QAction* autostart = m_tray->autostartAction;
        autostart->setChecked(startsAtLogin());
        QObject::connect(autostart, &QAction::triggered, m_tray.get(), [this, autostart](bool on) {
            autostart->setChecked(setStartsAtLogin(on));
            m_settingsWindow.showStored();
        });
        m_tray->icon().show();
    }
    if (!m_sink) {
        m_ownSink = std::make_unique<DbusNoticeSink>(
            sessionBusIfAny, [this, told = false](const EsNotice& notice) mutable {
                if (m_tray && m_tray->showMessage(notice))
                    return true;
                if (!std::exchange(told, true))
                    std::fputs("ondrel: Es notifications cannot be shown: no notification "
                               "service and no system tray\n",
                               stderr);
                return false;
            });
        m_sink = m_ownSink.get();
    }
    QObject::connect(&loop, &RefreshLoop::refreshed, &m_context,
                     [this](RefreshOutcome, const ReadoutState& readout) { refreshed(readout); });
    // A new home shows with the next tick.
    QObject::connect(&m_home, &HomeLocator::changed, &m_context, [this](const QString& home) {
        if (m_reach)
            takeReach(reachOf(m_reach->reading, home));
    });
    // The tray follows the caption's ticks too: old data dims with time.
    QObject::connect(&loop, &RefreshLoop::readoutChanged, &m_context,
                     [this](const ReadoutState& readout) { showInTray(readout); });
}

DesktopIntegration::~DesktopIntegration() = default;

void DesktopIntegration::hearFrom(HeardFeature& heard)
{
    m_heard = &heard;
    QObject::connect(&heard, &HeardFeature::esRangeStationHeard, &m_context,
                     [this](int bandMHz) { heardOpening(bandMHz); });
    QObject::connect(
        &heard, &HeardFeature::listenerTrouble, &m_context, [this](const QString& text) {
            if (m_tray)
                m_tray->showMessage({QCoreApplication::translate(
                                         "Heard", "WSJT-X・JTDX のデコードを受けられません"),
                                     text});
            else
                std::fprintf(stderr, "ondrel: %s\n", text.toLocal8Bit().constData());
        });
}

void DesktopIntegration::setNotificationsOn(bool on)
{
    m_policy.enabled = on;
    ProgramSettings(m_settings).setNotifyOn(on);
}

bool DesktopIntegration::setStartsAtLogin(bool on)
{
    const QString failure = switchAutostart(on);
    if (!failure.isEmpty())
        std::fprintf(stderr, "ondrel: start at login: %s\n", failure.toLocal8Bit().constData());
    return startsAtLogin();
}

QString DesktopIntegration::switchAutostart(bool on)
{
    return on ? m_autostart.turnOn(QCoreApplication::applicationFilePath(), m_startedInFront)
              : m_autostart.turnOff();
}

// Kept in the autostart directory, not in the settings file.
SettingRow DesktopIntegration::autostartRow()
{
    return switchRow(
        QStringLiteral("autostart"), QT_TRANSLATE_NOOP("Settings", "ログイン時に起動"), nullptr,
        [this] { return startsAtLogin(); },
        [this](bool on) {
            const QString failure = switchAutostart(on);
            return failure.isEmpty()
                       ? QString()
                       : QCoreApplication::translate(
                             "Settings", "ログイン時の起動を切り替えられませんでした: %1")
                             .arg(failure);
        });
}

void DesktopIntegration::followStoredSettings()
{
    ProgramSettings stored(m_settings);
    m_policy.enabled = stored.notifyOn();
    m_policy.cooldown = stored.notifyCooldown();
    m_notifyBands = stored.notifyBands();
    m_home.reread();
    if (m_tray) {
        const QSignalBlocker quiet(m_tray->notificationsAction);
        m_tray->notificationsAction->setChecked(m_policy.enabled);
        m_tray->autostartAction->setChecked(startsAtLogin());
    }
}

void DesktopIntegration::takeReach(std::optional<ReachReport> reach)
{
    m_reach = std::move(reach);
    m_reachLines = m_reach ? bandLines(*m_reach) + homePathLines(*m_reach) : QStringList();
}

void DesktopIntegration::showInTray(const ReadoutState& readout)
{
    if (m_tray)
        m_tray->showReadout(
            readout, dataAge(readout, QDateTime::fromSecsSinceEpoch(m_now().count(), Qt::UTC)),
            reachAndHeardLines());
}

QStringList DesktopIntegration::reachAndHeardLines() const
{
    return m_heard ? m_reachLines + m_heard->heardLines() : m_reachLines;
}

std::vector<int> DesktopIntegration::heardBands() const
{
    std::vector<int> bands;
    if (m_heard)
        for (const HeardInRange& heard : m_heard->heardInRange())
            if (std::ranges::count(m_notifyBands, heard.bandMHz) != 0)
                bands.push_back(heard.bandMHz);
    return bands;
}

std::optional<EsNotice> DesktopIntegration::noticeFor(const ReadoutState& readout,
                                                      std::vector<int>& bands)
{
    const auto now = m_now();
    const bool news = m_policy.isNews(readout, now);
    std::optional<EsNotice> notice = m_policy.afterRefresh(readout, now);
    if (m_reach) {
        std::vector<int> opened = m_bandOpenings.opened(*m_reach, m_notifyBands);
        for (const int band : heardBands())
            if (std::ranges::count(opened, band) == 0)
                opened.push_back(band);
        if (news)
            bands = m_policy.bandsToTell(opened, readout.AlertTime, now);
    }
    if (!notice && bands.empty())
        return notice;
    if (!notice) {
        // Never two notifications for one refresh: a band alone has its own.
        notice = EsNotice{bandOpeningText(bands), shownStatusItem(readout)};
    } else if (!bands.empty()) {
        notice->body += u'\n' + bandOpeningText(bands);
    }
    if (notice->level != 0 || !bands.empty())
        notice->body += u'\n' + reachAndHeardLines().join(u'\n');
    return notice;
}

void DesktopIntegration::heardOpening(int bandMHz)
{
    const auto now = m_now();
    const ReadoutState& readout = m_loop.readout();
    if (std::ranges::count(m_notifyBands, bandMHz) == 0 || !EsNoticePolicy::isCurrent(readout, now))
        return;
    const std::vector<int> bands = m_policy.bandsToTell({bandMHz}, readout.AlertTime, now);
    if (bands.empty())
        return;
    // The station just heard is in the count from now, not from the next tick.
    m_heard->countHeard();
    tell({bandOpeningText(bands),
          (QStringList{shownStatusItem(readout)} + reachAndHeardLines()).join(u'\n')},
         bands, false);
}

void DesktopIntegration::refreshed(const ReadoutState& readout)
{
    // Once a refresh: the ticks between only show it.
    takeReach(readout.pageArrivedUtc
                  ? std::optional(reachOf(esReadingOf(readout), m_home.locator()))
                  : std::nullopt);
    showInTray(readout);
    std::vector<int> bands;
    if (const auto notice = noticeFor(readout, bands))
        tell(*notice, bands, true);
}

void DesktopIntegration::tell(const EsNotice& notice, const std::vector<int>& bands,
                              bool afterRefresh)
{
    m_sink->show(notice, [this, bands, afterRefresh, alive = std::weak_ptr(m_alive)](bool reached) {
        if (alive.expired())
            return;
        if (!reached) {
            // A refresh's notice is told again by the next refresh; one a
            // heard station set off waits for the next station or refresh.
            if (afterRefresh) {
                m_policy.undelivered();
                m_bandOpenings.forget(bands);
            }
            return;
        }
        if (const QString failure = saveNoticeMemory(m_memoryPath, m_policy.memory());
            !failure.isEmpty())
            std::fprintf(stderr, "ondrel: notifications: %s\n", failure.toLocal8Bit().constData());
    });
}
