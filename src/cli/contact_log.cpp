// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/contact_log.h"

#include "cli/cli_io.h"
#include "cli/log_reading.h"
#include "history/logged_readings.h"

#include <QFile>

#include <limits>
#include <utility>

std::optional<ReadingTimeline> contactReadings(const QString& command, const LogArgs& args)
{
    HistoryFilter pages = args.period;
    if (pages.since)
        pages.since = pages.since->addSecs(-ReadingTimeline::kLongestAgeMinutes * 60);
    const LogToRead opened = openLogToRead(command, args.database);
    if (!opened.ok)
        return std::nullopt;
    ReadingTimeline readings(std::numeric_limits<std::size_t>::max());
    const std::vector<PageRecord> records =
        opened.log ? opened.log->read(pages) : std::vector<PageRecord>();
    for (const EsReading& reading : loggedReadings(records))
        readings.add(reading);
    return readings;
}

namespace {

bool wanted(const AdifRecord& record, const LogArgs& args)
{
    const HistoryFilter& period = args.period;
    return (args.band.isEmpty() || record.band == args.band) &&
           (!period.since || record.time >= *period.since) &&
           (!period.until || record.time <= *period.until);
}

} // namespace

std::optional<LogFileCounts> readContactLog(const QString& command, const QString& path,
                                            const LogArgs& args, const QString& homeLocator,
                                            const ReadingTimeline& readings,
                                            const std::function<void(const ContactPath&)>& take)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("%1: cannot read %2: %3").arg(command, path, file.errorString()));
        return std::nullopt;
    }
    static const CallLocator locator;
    static bool toldMissing = false;
    if (locator.countryFileMissing() && !std::exchange(toldMissing, true))
        printError(QStringLiteral("%1: no country file %2 (package hamradio-files): calls "
                                  "without a grid are placed by their call area only")
                       .arg(command, QLatin1StringView(kDebianCountryFile)));
    GridMemory memory;
    AdifReader reader(file);
    LogFileCounts log;
    log.source = path;
    while (const std::optional<AdifRecord> record = reader.next()) {
        if (!wanted(*record, args))
            continue;
        const ContactPath contact = contactPathOf(*record, homeLocator, locator, memory, readings);
        if (contact.path && contact.path->verdict) {
            ++log.judged;
            log.open += *contact.path->verdict == Verdict::Open;
            log.closed += *contact.path->verdict == Verdict::Closed;
        }
        take(contact);
    }
    log.recordsRead = reader.recordsRead();
    log.skipped = reader.skipped();
    return log;
}
