// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/contact_path.h"
#include "heard/heard_station.h"
#include "history/history_log.h"
#include "reach/station_reach.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class ContactLog;
class EsMapView;
class HeardSession;
class HomeLocator;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class SettingsStore;
struct ReadoutState;

// The "Es マップ" window: the map of where each station's Es reaches, the
// band lines under it, the home locator, and a way back through the
// readings of the last 24 hours.
class EsMapWindow : public QWidget {
    Q_OBJECT
public:
    // `log` gives the history log to step through, or null (logging off);
    // `home` is the user's locator, which the window's field changes;
    // `settings` keeps the window's size and place (ESMapX, ESMapY, ESMapW,
    // ESMapH).
    EsMapWindow(std::function<HistoryLog*()> log, HomeLocator& home, SettingsStore& settings,
                QWidget* parent = nullptr);
    ~EsMapWindow() override;

    // The readout after a refresh. The map follows it, unless an older
    // reading is being looked at.
    void showReadout(const ReadoutState& readout);
    void setSignalPalette(SignalPalette palette);
    // Reads the last 24 hours from the log afresh; showing the window does.
    void reloadHistory();

    // Steps through the readings: -1 older, +1 newer.
    void step(int by);
    // Takes a typed locator as the home; false (and a word beside the
    // field) when it is none. Empty text removes the home.
    bool setHome(const QString& text);

    // The stations heard now, or null (the listener off): the map shows
    // those of the last kHeardMinutes, or around an older reading.
    void setHeardSession(HeardSession* session);
    // Those heard between two times (UTC), for readings older than what
    // the session keeps at hand (the history log); by default the
    // session's alone.
    using HeardSource =
        std::function<std::vector<HeardStation>(const QDateTime& fromUtc, const QDateTime& toUtc)>;
    void setHeardSource(HeardSource source);
    // Takes the stations heard since: new ones come.
    void refreshHeard();
    // The operator's logged contacts, or null (no logs): those of the
    // shown period get square marks, judged by the readings at hand, and
    // follow the log.
    void setContacts(ContactLog* contacts);

    // What the map shows: the reading's reach, and its lines in words
    // (with the stations heard in Es range).
    const ReachReport& shownReport() const;
    QStringList shownLines() const;
    const std::vector<HeardStation>& shownHeard() const { return m_heard; }
    const std::vector<ContactPath>& shownContacts() const { return m_contacts; }

    // Heard stations shown with the latest reading, and around an older one.
    static constexpr int kHeardMinutes = 30;
    static constexpr int kHeardAroundMinutes = 15;

    // The clock the 24 hours end at; the system's by default.
    std::function<QDateTime()> nowUtc;

    EsMapView* map = nullptr;
    QLabel* linesLabel = nullptr;
    QLabel* timeLabel = nullptr;
    QLineEdit* homeEdit = nullptr;
    QLabel* homeProblem = nullptr;
    QPushButton* olderButton = nullptr;
    QPushButton* newerButton = nullptr;
    QSlider* slider = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void restorePlace();
    void storePlace();
    // Makes the readings that can be stepped through: the logged ones and
    // the latest readout when the log does not hold it yet.
    void gather();
    void showIndex(int index);
    void render();
    void gatherHeard();
    void showHeardStation(std::size_t index, QPoint globalPos);
    std::vector<ContactPath> contactsBetween(const QDateTime& fromUtc,
                                             const QDateTime& toUtc) const;

    void followHome(const QString& locator);

    std::function<HistoryLog*()> m_log;
    HomeLocator& m_home;
    SettingsStore& m_settings;
    SignalPalette m_palette = SignalPalette::Standard;
    std::vector<EsReading> m_logged;
    std::optional<EsReading> m_latest;
    std::vector<EsReading> m_readings; // m_logged and m_latest, as stepped through
    int m_index = -1;                  // into m_readings; -1 when there is none
    bool m_followLatest = true;
    QPointer<HeardSession> m_session;
    HeardSource m_heardSource;
    std::vector<HeardStation> m_heard; // those with marks, in the marks' order
    QPointer<ContactLog> m_contactLog;
    QMetaObject::Connection m_contactsChanged;
    std::vector<ContactPath> m_contacts; // with marks after the heard ones, in their order
};
