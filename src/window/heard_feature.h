// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/country_file.h"
#include "heard/heard_summary.h"
#include "history/history_log.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CallLocator;
class Clock;
class Form1;
class HeardSession;
class HomeLocator;
class RefreshLoop;
class SettingsFeature;
class SettingsStore;
class UdpListener;

// What WSJT-X and JTDX hear, in the running window: while ESDecodeUdp is
// set, a listener hands each datagram to a session that judges it by the
// pages of the refreshes (and, at start, of the history log). While it is
// empty nothing is made. Follows the settings window and the home.
class HeardFeature : public QObject {
    Q_OBJECT
public:
    // How far back the tray, the notices and the screen reader count.
    static constexpr int kHeardLineMinutes = 15;

    struct Parts {
        Form1& window;
        RefreshLoop& loop;
        SettingsFeature& settingsWindow;
        SettingsStore& settings;
        HomeLocator& home;
        Clock& clock;
        // The history log when it is open (null otherwise), read when a
        // session starts.
        std::function<HistoryLog*()> log;
        QString countryFile = QString::fromLatin1(kDebianCountryFile);
    };

    explicit HeardFeature(Parts parts);
    ~HeardFeature() override;

    // Listens as ESDecodeUdp says, once those who hear its signals are
    // connected; later changes in the settings window follow by themselves.
    void start();

    // Null while ESDecodeUdp is empty. The map marks and the history
    // recorder connect to it (and to sessionChanged for the next one).
    HeardSession* session() const { return m_session.get(); }
    UdpListener* listener() const { return m_listener.get(); }

    // Per band, heard in Es range in the last kHeardLineMinutes, as the
    // last tick of the window counted them.
    const std::vector<HeardInRange>& heardInRange() const { return m_inRange; }
    // The same as heardLine words them.
    QStringList heardLines() const;
    // Counts again now; each tick of the window does.
    void countHeard();

signals:
    // A session began (ESDecodeUdp set) or ended (null).
    void sessionChanged(HeardSession* session);
    // A station heard in Es range on a judged band, as it was heard.
    void esRangeStationHeard(int bandMHz);
    // The listener cannot listen (the port in use, or another failure):
    // `text` says why and the way out. Once each time it tries.
    void listenerTrouble(const QString& text);

private:
    void listenAsStored();
    void startSession();
    void endSession();
    void readLoggedPages();

    Parts m_parts;
    std::unique_ptr<CallLocator> m_locator;
    std::unique_ptr<HeardSession> m_session;
    std::unique_ptr<UdpListener> m_listener;
    std::vector<HeardInRange> m_inRange;
    bool m_toldCountryFile = false;
    // Ends the connections to the window and the settings first.
    QObject m_context;
};
