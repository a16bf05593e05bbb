// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/watch_command.h"

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/notice_command.h"
#include "cli/page_time_filter.h"
#include "cli/readout_json.h"
#include "cli/refresh_problem.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "cli/watch_hearing.h"
#include "core/page/page_urls.h"
#include "core/page/readout_state.h"
#include "core/page/station_names.h"
#include "core/refresh/clock.h"
#include "core/refresh/refresh_loop.h"
#include "core/refresh/schedule.h"
#include "core/refresh/timer.h"
#include "core/settings/program_settings.h"
#include "core/settings/settings_store.h"
#include "core/status/notice_memory.h"
#include "core/status/tray_status.h"
#include "core/system/stop_signals.h"
#include "core/text/english_texts.h"
#include "history/history_log.h"
#include "history/history_recorder.h"
#include "net/http_page_download.h"

#include <QCoreApplication>
#include <QDateTime>

#include <csignal>
#include <functional>
#include <memory>
#include <optional>

namespace {

struct WatchOptions {
    std::optional<QString> url;
    std::optional<int> period;
    std::optional<QString> directory;
    std::optional<QString> database; // the history log; the window's when absent
    std::optional<QString> exec;
    bool json = false;
    bool all = false; // also pages whose time stamp was printed already
    bool history = true;
    std::optional<UdpListenAddress> listen;
};

std::optional<WatchOptions> parseOptions(const QStringList& args)
{
    WatchOptions options;
    for (const CommandArg& arg :
         readCommandLine(watchCommand().options, args, watchCommand().doubleDash)) {
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
        } else if (arg.name == u"no-history") {
            options.history = false;
        } else if (!arg.value || arg.value->isEmpty()) {
            printError(QStringLiteral("watch: %1 needs a value").arg(arg.arg));
            return std::nullopt;
        } else if (arg.name == u"db") {
            options.database = *arg.value;
        } else if (arg.name == u"exec") {
            options.exec = *arg.value;
        } else if (arg.name == u"listen") {
            options.listen = udpListenAddressOf(*arg.value);
            if (!options.listen) {
                printError(
                    QStringLiteral("watch: --listen wants [ADDRESS:]PORT, not %1").arg(*arg.value));
                return std::nullopt;
            }
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
    if (options.database && !options.history) {
        printError(QStringLiteral("watch: --db and --no-history exclude each other"));
        return std::nullopt;
    }
    return options;
}

// "3 refreshes", "1 refresh".
QString counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

// The time of day as the pages give it, in JST.
QString nowJst()
{
    return QDateTime::currentDateTimeUtc().toOffsetFromUtc(9 * 3600).toString(
               QStringLiteral("HH:mm:ss")) +
           QStringLiteral(" JST");
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

// What watch does beside printing; each is off when empty.
struct WatchExtras {
    QString historyPath;
    std::function<int()> keepDays;
    QString exec;
    EsNoticePolicy::Seconds cooldown = EsNoticePolicy::kDefaultCooldown;
    std::optional<UdpListenAddress> listen;
    QString home; // ESHome, for what is heard
};

class Watch {
public:
    Watch(const QString& url, int period, bool json, bool all, WatchExtras extras)
        : m_json(json), m_printed(all), m_retry([this] { m_loop.retry(); }),
          m_tick([this] { m_loop.tick(); }), m_loop(m_download, m_boxes, m_clock, m_retry),
          m_history([path = extras.historyPath] { return path; }, std::move(extras.keepDays))
    {
        m_loop.setAlertUrl(url);
        m_loop.countdown().setPeriod(period);
        if (!extras.exec.isEmpty()) {
            m_command = std::make_unique<NoticeCommand>(extras.exec);
            m_notices.cooldown = extras.cooldown;
            m_notices.restore(loadNoticeMemory(m_noticeMemory));
        }
        QObject::connect(&m_loop, &RefreshLoop::refreshed, &m_loop,
                         [this](RefreshOutcome outcome, const ReadoutState& readout) {
                             refreshed(outcome, readout);
                         });
        if (extras.listen)
            m_hearing = std::make_unique<WatchHearing>(*extras.listen, extras.home, json,
                                                       [this] { return m_history.log(); });
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
        printError(QStringLiteral("watch: stopped by %1 after %2, %3; last page %4, es=%5")
                       .arg(signal == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM"),
                            counted(m_refreshes, "refresh", "refreshes"),
                            counted(m_pages, "page", "pages"),
                            m_printed.lastPageTime().isEmpty() ? QStringLiteral("none")
                                                               : m_printed.lastPageTime(),
                            QLatin1String(toneName(esTone(m_loop.readout())))));
    }

private:
    void refreshed(RefreshOutcome outcome, const ReadoutState& readout)
    {
        ++m_refreshes;
        if (!isAccepted(outcome)) {
            QString line = QStringLiteral("watch: %1 %2")
                               .arg(nowJst(), refreshProblem(outcome, m_download.lastHttpStatus(),
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
        if (m_hearing)
            m_hearing->addReading(readout);
        const QByteArray json = readoutJson(outcomeName(outcome), readout);
        if (m_printed.shouldPrint(readout.AlertTime))
            printOut(m_json ? json : textLine(readout));
        m_history.recordRefresh(outcome, readout);
        if (m_command)
            runCommandOnRise(readout, json);
    }

    void runCommandOnRise(const ReadoutState& readout, const QByteArray& json)
    {
        const auto now = EsNoticePolicy::Seconds(QDateTime::currentSecsSinceEpoch());
        const std::optional<EsNotice> notice = m_notices.afterRefresh(readout, now);
        if (!notice || notice->level == 0)
            return;
        m_command->run(*notice, json);
        if (const QString failure = saveNoticeMemory(m_noticeMemory, m_notices.memory());
            !failure.isEmpty())
            printError(QStringLiteral("watch: exec: %1").arg(failure));
    }

    bool m_json;
    PageTimeFilter m_printed;
    HttpPageDownload m_download;
    StderrMessageBoxes m_boxes;
    SystemClock m_clock;
    QtTimer m_retry;
    QtTimer m_tick;
    RefreshLoop m_loop;
    HistoryRecorder m_history;
    // What --exec was last run for survives a restart, apart from the
    // window's notices.
    const QString m_noticeMemory = stateFilePath(QStringLiteral("watch-notified"));
    EsNoticePolicy m_notices;
    std::unique_ptr<NoticeCommand> m_command;
    std::unique_ptr<WatchHearing> m_hearing;
    int m_refreshes = 0;
    int m_pages = 0;
};

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
    WatchExtras extras;
    if (options->history)
        extras.historyPath = options->database.value_or(defaultHistoryPath());
    extras.keepDays = [&stored] { return stored.keepDays(); };
    extras.exec = options->exec.value_or(QString());
    extras.cooldown = stored.notifyCooldown();
    extras.listen = options->listen;
    // What is heard is told in the window's language, as the window tells it.
    std::unique_ptr<QTranslator> english;
    if (options->listen) {
        extras.home = stored
                          .homeLocator([](const QString& problem) {
                              printError(QStringLiteral("watch: ") + problem);
                          })
                          .value_or(QString());
        if (stored.interfaceLanguage() == InterfaceLanguage::English)
            english = installEnglishTexts();
    }

    Watch watch(url, period, options->json, options->all, std::move(extras));
    StopSignals stopSignals([&watch](int signal) {
        watch.stop(signal);
        QCoreApplication::exit(ExitOk);
    });
    printError(QStringLiteral("watch: %1 every %2 s").arg(url).arg(period));
    watch.start();
    return QCoreApplication::exec();
}

} // namespace

const CliCommand& watchCommand()
{
    static const CliCommand command{
        QStringLiteral("watch"),
        QStringLiteral("[URL] [--period SECONDS] [--dir DIR] [--json] [--all] [--db FILE | "
                       "--no-history] [--exec COMMAND] [--listen [ADDRESS:]PORT]"),
        QStringLiteral("reload the alert page on the window's schedule and print one line per new "
                       "page time"),
        QStringLiteral(
            "The headless monitor: loads the page at once, then every period counted from the "
            "quarter hour as the window does, until SIGINT or SIGTERM. Each new page prints one "
            "line: the page time, es=quiet|caution|alert, then per station its name and Fmax, "
            "Fmin and Es, each followed by its signal, fields apart by two blanks. Failed reloads "
            "are told on standard error with the time (JST) and their cause, and retried as in "
            "the window. Each accepted page goes into the Es history log the window keeps, "
            "once, so that ondrel-cli history shows the day; the window and watch may log into "
            "one file together.\n"
            "With --listen it also hears WSJT-X and JTDX (their UDP decodes, as the window does "
            "with ESDecodeUdp, which watch does not read): each decode prints one more line, "
            "as ondrel-cli heard prints it (with --json a JSON object with \"kind\":\"heard\"), "
            "the path from ESHome (else the client's own grid) judged by the page in force, and "
            "goes into the history log with when each client was listening on which band. A "
            "port another program holds is told on standard error with the way out, and watch "
            "goes on."),
        {{QStringLiteral("URL"),
          QStringLiteral("the page to load (default: the alert page at the stored ESHost, else "
                         "the provider's)")}},
        {
            {QStringLiteral("period"),
             QStringLiteral("seconds between reloads, %1 to %2 (default: the stored TM2, else "
                            "%3)")
                 .arg(kMinPeriod)
                 .arg(kMaxPeriod)
                 .arg(kDefaultPeriod),
             QStringLiteral("SECONDS")},
            {QStringLiteral("dir"),
             QStringLiteral("read the settings (TM2, ESHost, ESKeepDays, ESNotifyCool) from the "
                            "settings file in DIR, an existing directory, instead of the "
                            "program's"),
             QStringLiteral("DIR")},
            {QStringLiteral("json"),
             QStringLiteral("print parse's JSON object instead, one per line")},
            {QStringLiteral("all"),
             QStringLiteral("print every accepted page, also one whose page time was printed "
                            "already")},
            {QStringLiteral("db"),
             QStringLiteral("keep the history in FILE instead of the per-user log"),
             QStringLiteral("FILE")},
            {QStringLiteral("no-history"), QStringLiteral("keep no history")},
            {QStringLiteral("exec"),
             QStringLiteral("run COMMAND through /bin/sh -c when the Es summary rises, as the "
                            "window notifies (at most once per level within ESNotifyCool "
                            "minutes, never twice for one page, also across restarts), with "
                            "ONDREL_LEVEL (caution or alert), ONDREL_TITLE, ONDREL_TEXT and "
                            "ONDREL_JSON (the --json line) in its environment; the schedule "
                            "never waits for it, and a command still running after 60 s is "
                            "ended; what it prints and how it ended go to standard error"),
             QStringLiteral("COMMAND")},
            {QStringLiteral("listen"),
             QStringLiteral("hear the decodes WSJT-X and JTDX send to PORT on 127.0.0.1, or to "
                            "ADDRESS:PORT (a multicast group such as 224.0.0.1:2237 is shared "
                            "with the other programs that join it)"),
             QStringLiteral("[ADDRESS:]PORT")},
        },
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 after SIGINT or SIGTERM, 3 when the server refuses access, "
                       "2 for a usage error."),
        runWatchCommand,
    };
    return command;
}
