// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/watch_command.h"

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/page_time_filter.h"
#include "cli/readout_json.h"
#include "cli/refresh_problem.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "core/page/page_urls.h"
#include "core/page/readout_state.h"
#include "core/page/station_names.h"
#include "core/refresh/clock.h"
#include "core/refresh/refresh_loop.h"
#include "core/refresh/schedule.h"
#include "core/refresh/timer.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_store.h"
#include "core/status/tray_status.h"
#include "core/system/stop_signals.h"
#include "net/http_page_download.h"

#include <QCoreApplication>
#include <QTime>

#include <csignal>
#include <optional>

namespace {

struct WatchOptions {
    std::optional<QString> url;
    std::optional<int> period;
    std::optional<QString> directory;
    bool json = false;
    bool all = false; // also pages whose time stamp was printed already
};

std::optional<WatchOptions> parseOptions(const QStringList& args)
{
    const QList<QCommandLineOption> declared{
        QCommandLineOption(QStringLiteral("json")),
        QCommandLineOption(QStringLiteral("all")),
        {QStringLiteral("period"), {}, QStringLiteral("SECONDS")},
        {QStringLiteral("dir"), {}, QStringLiteral("DIR")},
    };
    WatchOptions options;
    for (const CommandArg& arg : readCommandLine(declared, args, DoubleDash::IsArgument)) {
        if (arg.kind != CommandArg::Kind::Option) {
            if (arg.arg.startsWith(u'-') || options.url) {
                printError(QStringLiteral("watch: unexpected argument %1").arg(arg.arg));
                return std::nullopt;
            }
            options.url = arg.arg;
        } else if (arg.name == u"json") {
            options.json = true;
        } else if (arg.name == u"all") {
            options.all = true;
        } else if (!arg.value || arg.value->isEmpty()) {
            printError(QStringLiteral("watch: %1 needs a value").arg(arg.arg));
            return std::nullopt;
        } else if (arg.name == u"dir") {
            if (!isSettingsDirectory(QStringLiteral("watch"), *arg.value))
                return std::nullopt;
            options.directory = *arg.value;
        } else {
            bool ok = false;
            const int seconds = arg.value->toInt(&ok);
            if (!ok || seconds < kMinPeriod || seconds > kMaxPeriod) {
                printError(QStringLiteral("watch: --period wants %1 to %2 seconds, not %3")
                               .arg(kMinPeriod)
                               .arg(kMaxPeriod)
                               .arg(*arg.value));
                return std::nullopt;
            }
            options.period = seconds;
        }
    }
    return options;
}

const char* toneName(EsTone tone)
{
    switch (tone) {
    case EsTone::Quiet:
        return "quiet";
    case EsTone::Caution:
        return "caution";
    case EsTone::Alert:
        return "alert";
    case EsTone::Unknown:
        break;
    }
    return "unknown";
}

// "TIME  es=TONE  STATION FMAX SIGNAL FMIN SIGNAL ES SIGNAL  ...": fields
// apart by two blanks, so the page time may hold single ones.
QByteArray textLine(const ReadoutState& state)
{
    QString line =
        state.AlertTime + QStringLiteral("  es=") + QLatin1String(toneName(esTone(state)));
    for (int k = 0; k < kStationCount; ++k) {
        const StationReading& r = state.readings[k];
        line += QStringLiteral("  %1 %2 %3 %4 %5 %6 %7")
                    .arg(QLatin1String(kStationNames[k].ascii), r.fmax, r.fmaxSignal, r.fmin,
                         r.fminSignal, r.es, r.esSignal);
    }
    return (line + u'\n').toUtf8();
}

class Watch {
public:
    Watch(const QString& url, int period, bool json, bool all)
        : m_json(json), m_printed(all), m_retry([this] { m_loop.retry(); }),
          m_tick([this] { m_loop.tick(); }), m_loop(m_download, m_boxes, m_clock, m_retry)
    {
        m_loop.setAlertUrl(url);
        m_loop.countdown().setPeriod(period);
        QObject::connect(&m_loop, &RefreshLoop::refreshed, &m_loop,
                         [this](RefreshOutcome outcome, const ReadoutState& readout) {
                             refreshed(outcome, readout);
                         });
    }

    // Counts from the quarter hour as the window does, and loads at once.
    void start()
    {
        m_loop.startCounting();
        m_tick.setInterval(1000);
        m_tick.setEnabled(true);
        m_loop.RefreshAlert();
    }

    void stop(int signal)
    {
        m_tick.setEnabled(false);
        m_loop.cancel();
        printError(
            QStringLiteral("watch: stopped by %1 after %2 refreshes, %3 pages; last page %4, es=%5")
                .arg(signal == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM"))
                .arg(m_refreshes)
                .arg(m_pages)
                .arg(m_printed.lastPageTime().isEmpty() ? QStringLiteral("none")
                                                        : m_printed.lastPageTime())
                .arg(QLatin1String(toneName(esTone(m_loop.readout())))));
    }

private:
    void refreshed(RefreshOutcome outcome, const ReadoutState& readout)
    {
        ++m_refreshes;
        if (!isAccepted(outcome)) {
            QString line = QStringLiteral("watch: %1 %2")
                               .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")),
                                    refreshProblem(outcome, m_download.lastHttpStatus(),
                                                   m_download.lastError()));
            if (m_retry.isEnabled())
                line += QStringLiteral("; retrying in %1 s").arg(m_retry.interval() / 1000);
            printError(line);
            // A tool has no window; a refusal ends the watch as it closes the window.
            if (outcome == RefreshOutcome::Forbidden)
                QCoreApplication::exit(ExitOutcome);
            return;
        }
        ++m_pages;
        if (m_printed.shouldPrint(readout.AlertTime))
            printOut(m_json ? readoutJson(outcomeName(outcome), readout) : textLine(readout));
    }

    bool m_json;
    PageTimeFilter m_printed;
    HttpPageDownload m_download;
    StderrMessageBoxes m_boxes;
    SystemClock m_clock;
    QtTimer m_retry;
    QtTimer m_tick;
    RefreshLoop m_loop;
    int m_refreshes = 0;
    int m_pages = 0;
};

} // namespace

int runWatchCommand(const QStringList& args)
{
    const std::optional<WatchOptions> options = parseOptions(args);
    if (!options)
        return ExitUsage;

    StderrMessageBoxes boxes;
    SettingsStore settings = settingsIn(options->directory, boxes);
    ProgramSettings stored(settings);
    const int period = options->period ? *options->period : stored.reloadPeriod();
    const QString url =
        options->url ? *options->url : pageUrls(stored.alertPageBase(printError))[0];

    Watch watch(url, period, options->json, options->all);
    StopSignals stopSignals([&watch](int signal) {
        watch.stop(signal);
        QCoreApplication::exit(ExitOk);
    });
    printError(QStringLiteral("watch: %1 every %2 s").arg(url).arg(period));
    watch.start();
    return QCoreApplication::exec();
}
