// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/heard_feature.h"

#include "core/refresh/clock.h"
#include "core/refresh/refresh_loop.h"
#include "core/settings/home_locator.h"
#include "core/settings/program_settings.h"
#include "heard/call_location.h"
#include "heard/heard_session.h"
#include "heard/reading_timeline.h"
#include "history/logged_readings.h"
#include "net/udp_listener.h"
#include "reach/es_reading.h"
#include "window/accessible_readout.h"
#include "window/form1.h"
#include "window/settings_feature.h"

#include <cstdio>
#include <utility>

HeardFeature::HeardFeature(Parts parts) : m_parts(std::move(parts))
{
    QObject::connect(&m_parts.settingsWindow, &SettingsFeature::changed, &m_context,
                     [this](const QString& key) {
                         if (key == u"ESDecodeUdp")
                             listenAsStored();
                     });
    QObject::connect(&m_parts.home, &HomeLocator::changed, &m_context, [this](const QString& home) {
        if (m_session)
            m_session->setHome(home);
    });
    QObject::connect(&m_parts.loop, &RefreshLoop::refreshed, &m_context,
                     [this](RefreshOutcome outcome, const ReadoutState& readout) {
                         if (m_session && isAccepted(outcome))
                             m_session->addReading(esReadingOf(readout));
                     });
    // Counted once a tick, not once a datagram: a flood costs one count a second.
    QObject::connect(&m_parts.loop, &RefreshLoop::readoutChanged, &m_context,
                     [this] { countHeard(); });
}

HeardFeature::~HeardFeature() = default;

void HeardFeature::start()
{
    listenAsStored();
}

QStringList HeardFeature::heardLines() const
{
    QStringList lines;
    for (const HeardInRange& band : m_inRange)
        lines << heardLine(band);
    return lines;
}

void HeardFeature::listenAsStored()
{
    const std::optional<UdpListenAddress> address = ProgramSettings(m_parts.settings).decodeUdp();
    if (!address) {
        endSession();
        return;
    }
    if (!m_session)
        startSession();
    m_listener->listen(address);
}

void HeardFeature::startSession()
{
    m_locator = std::make_unique<CallLocator>(m_parts.countryFile);
    if (m_locator->countryFileMissing() && !std::exchange(m_toldCountryFile, true))
        std::fprintf(stderr,
                     "ondrel: %s cannot be read (package hamradio-files): calls without a grid "
                     "are placed by their call area only\n",
                     m_parts.countryFile.toLocal8Bit().constData());
    m_session = std::make_unique<HeardSession>(*m_locator);
    m_session->setHome(m_parts.home.locator());
    readLoggedPages();
    QObject::connect(m_session.get(), &HeardSession::heard, this,
                     [this](const HeardStation& station) {
                         if (station.band && station.band->judged && inEsRange(station))
                             emit esRangeStationHeard(station.band->mhz);
                     });

    m_listener = std::make_unique<UdpListener>();
    QObject::connect(
        m_listener.get(), &UdpListener::datagram, m_session.get(),
        [this](const QByteArray& bytes) { m_session->take(bytes, m_parts.clock.nowUtc()); });
    QObject::connect(m_listener.get(), &UdpListener::stateChanged, this,
                     [this](ListenState state, const QString& text) {
                         const bool trouble =
                             state == ListenState::PortInUse || state == ListenState::Failed;
                         m_parts.window.setStatusNote(trouble ? text : QString());
                         if (trouble)
                             emit listenerTrouble(text);
                     });
    emit sessionChanged(m_session.get());
}

// Decodes heard right after start are judged by the pages logged before.
void HeardFeature::readLoggedPages()
{
    const QDateTime now = m_parts.clock.nowUtc();
    if (HistoryLog* log = m_parts.log ? m_parts.log() : nullptr) {
        HistoryFilter recent;
        recent.since = now.addSecs(-ReadingTimeline::kLongestAgeMinutes * 60);
        for (const EsReading& reading : loggedReadings(log->read(recent)))
            m_session->addReading(reading);
    }
    if (m_parts.loop.readout().pageArrivedUtc)
        m_session->addReading(esReadingOf(m_parts.loop.readout()));
}

void HeardFeature::endSession()
{
    if (!m_session)
        return;
    // Those following the session let go of it before it goes.
    emit sessionChanged(nullptr);
    m_listener.reset();
    m_session.reset();
    m_locator.reset();
    m_parts.window.setStatusNote({});
    countHeard();
}

void HeardFeature::countHeard()
{
    m_inRange = m_session ? heardInEsRange(m_session->heardSince(
                                m_parts.clock.nowUtc().addSecs(-kHeardLineMinutes * 60)))
                          : std::vector<HeardInRange>();
    m_parts.window.accessibleReadout().setHeardLines(heardLines());
}
