// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/watch_hearing.h"

#include "cli/cli_io.h"
#include "cli/heard_line.h"
#include "history/heard_record.h"
#include "reach/es_reading.h"

WatchHearing::WatchHearing(const UdpListenAddress& address, const QString& home, bool json,
                           const std::function<HistoryLog*()>& log)
    : m_session(m_locator), m_recorder(m_session, log)
{
    if (m_locator.countryFileMissing())
        printError(QStringLiteral("watch: %1 cannot be read (package hamradio-files); calls "
                                  "without a grid are placed by their call area alone")
                       .arg(QLatin1StringView(kDebianCountryFile)));
    m_session.setHome(home);
    connect(&m_session, &HeardSession::heard, this, [json](const HeardStation& station) {
        const HeardRecord record = heardRecordOf(station);
        printOut(json ? heardJson(record) : heardText(record));
    });
    connect(&m_listener, &UdpListener::datagram, this, [this](const QByteArray& bytes) {
        m_session.take(bytes, QDateTime::currentDateTimeUtc());
    });
    // Listening, or why not and the way out; watch goes on either way.
    connect(&m_listener, &UdpListener::stateChanged, this,
            [](ListenState, const QString& text) { printError(QStringLiteral("watch: ") + text); });
    m_listener.listen(address);
}

void WatchHearing::addReading(const ReadoutState& readout)
{
    m_session.addReading(esReadingOf(readout));
}
