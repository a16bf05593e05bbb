// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/chart_data.h"
#include "history/history_log.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class ContactLog;
class HistoryChart;
class ModelCheckPanel;
class QComboBox;
class QPushButton;

// The "履歴" window: the logged readings of a chosen span as a chart, and
// the same records saved as CSV.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // `log` gives the log to read, or null (logging off): the chart stays empty.
    explicit HistoryWindow(std::function<HistoryLog*()> log, QWidget* parent = nullptr);

    // The clock the shown span ends at; the system's by default.
    std::function<QDateTime()> nowUtc;
    // Asks where to save, starting from `proposed`; empty for cancel. A
    // file dialog by default.
    std::function<QString(const QString& proposed)> chooseCsvFile;

    void setSpan(ChartSpan span);
    void setView(ChartView view);
    ChartSpan span() const;
    ChartView view() const;

    // Reads the shown span afresh.
    void reload();
    // The shown span's records as CSV, as ondrel-cli history prints them.
    QByteArray shownCsv() const;
    // Where saving starts: ondrel-history-<JST now>.csv in the user's
    // documents folder, or the home folder when there is none.
    QString proposedCsvPath() const;
    // Writes shownCsv() to `path`; whether it worked.
    bool saveCsv(const QString& path);
    // Offers a button that opens the Es map with `open`.
    void offerMap(std::function<void()> open);
    // Shows `contacts` under the curves and offers the model check, from
    // the home `homeLocator` gives (ESHome).
    void showContacts(ContactLog* contacts, std::function<QString()> homeLocator);

    HistoryChart* chart = nullptr;
    QComboBox* spanBox = nullptr;
    QComboBox* viewBox = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* mapButton = nullptr;      // hidden until offerMap()
    QPushButton* checkButton = nullptr;    // hidden until showContacts()
    ModelCheckPanel* checkPanel = nullptr; // shown by checkButton

private:
    HistoryFilter shownFilter() const;
    void onSave();
    void showCheck(const HistoryFilter& shown);

    std::vector<PageRecord> read(const HistoryFilter& filter) const;

    std::function<HistoryLog*()> m_log;
    std::optional<HistoryFilter> m_shown; // what the chart shows
    std::function<void()> m_openMap;
    QPointer<ContactLog> m_contacts;
    std::function<QString()> m_homeLocator;
};
