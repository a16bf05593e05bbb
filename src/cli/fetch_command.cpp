// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fetch_command.h"

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/one_refresh.h"
#include "cli/readout_json.h"
#include "cli/refresh_problem.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "core/page/page_urls.h"
#include "core/settings/program_settings.h"
#include "net/http_page_download.h"

#include <QSaveFile>

#include <cmath>

namespace {

struct FetchOptions {
    std::optional<QString> url;
    std::optional<QString> directory;
    int timeoutMs = HttpPageDownload::kDefaultTimeoutMs;
    QString savePath;
};

// Below a millisecond the transfer would have no time-out at all.
constexpr double kMinTimeoutSeconds = 0.001;
constexpr double kMaxTimeoutSeconds = 86400;

std::optional<FetchOptions> parseFetchOptions(const QStringList& args)
{
    FetchOptions options;
    for (const CommandArg& arg :
         readCommandLine(fetchCommand().options, args, fetchCommand().doubleDash)) {
        if (arg.kind != CommandArg::Kind::Option) {
            if (arg.arg.startsWith(u'-') || options.url) {
                printError(QStringLiteral("fetch: unexpected argument %1").arg(arg.arg));
                return std::nullopt;
            }
            options.url = httpAddressFor(arg.arg);
            if (!options.url) {
                printError(
                    QStringLiteral("fetch: %1 is not an http or https address").arg(arg.arg));
                return std::nullopt;
            }
            continue;
        }
        if (!arg.value) {
            printError(QStringLiteral("fetch: %1 needs a value").arg(arg.arg));
            return std::nullopt;
        }
        const QString& value = *arg.value;
        if (arg.name == u"save") {
            options.savePath = value;
            continue;
        }
        if (arg.name == u"dir") {
            if (!isSettingsDirectory(QStringLiteral("fetch"), value))
                return std::nullopt;
            options.directory = value;
            continue;
        }
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !(seconds >= kMinTimeoutSeconds) || seconds > kMaxTimeoutSeconds) {
            printError(QStringLiteral("fetch: --timeout wants %1 to %2 seconds, not %3")
                           .arg(kMinTimeoutSeconds)
                           .arg(kMaxTimeoutSeconds)
                           .arg(value));
            return std::nullopt;
        }
        options.timeoutMs = static_cast<int>(std::lround(seconds * 1000));
    }
    return options;
}

// Keeps a copy of the body as received, for bug reports.
class SavingDownload : public PageDownload {
public:
    SavingDownload(PageDownload& inner, QString path) : m_inner(inner), m_path(std::move(path)) {}

    bool saveFailed = false;

    void get(const QString& url, Finished finished) override
    {
        m_inner.get(url, [this, finished = std::move(finished)](const Result& result) {
            if (result.body)
                save(*result.body);
            finished(result);
        });
    }
    bool busy() const override { return m_inner.busy(); }
    void Cancel() override { m_inner.Cancel(); }
    void keepAccepted() override { m_inner.keepAccepted(); }

private:
    void save(const QByteArray& body)
    {
        QSaveFile file(m_path);
        if (file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.commit())
            return;
        printError(QStringLiteral("cannot save %1: %2").arg(m_path, file.errorString()));
        saveFailed = true;
    }

    PageDownload& m_inner;
    QString m_path;
};

int runFetch(const QStringList& args)
{
    const auto options = parseFetchOptions(args);
    if (!options)
        return ExitUsage;

    StderrMessageBoxes boxes;
    QString url;
    if (options->url) {
        url = *options->url;
    } else {
        SettingsStore settings = settingsIn(options->directory, boxes);
        url = pageUrls(ProgramSettings(settings).alertPageBase(printError))[0];
    }

    HttpPageDownload http;
    http.setTimeout(options->timeoutMs);
    SavingDownload saving(http, options->savePath);
    PageDownload& download =
        options->savePath.isEmpty() ? static_cast<PageDownload&>(http) : saving;
    const DownloadedRefresh refresh = refreshOnce(download, url);

    if (saving.saveFailed)
        return ExitUsage;
    const RefreshOutcome outcome = responseOutcome(refresh.outcome, http.lastHttpStatus());
    if (outcome != RefreshOutcome::Parsed)
        printError(QStringLiteral("fetch: ") +
                   refreshProblem(outcome, http.lastHttpStatus(), http.lastError()));
    printOut(
        fetchJson(outcomeName(outcome), refresh.readout, http.lastHttpStatus(), http.lastError()));
    return outcome == RefreshOutcome::Parsed ? ExitOk : ExitOutcome;
}

} // namespace

const CliCommand& fetchCommand()
{
    static const CliCommand command{
        QStringLiteral("fetch"),
        QStringLiteral("[URL] [--timeout SECONDS] [--save FILE] [--dir DIR]"),
        QStringLiteral("download the alert page and print what one refresh shows, as parse does"),
        QStringLiteral(
            "Downloads the page with the window's download code and prints parse's JSON object "
            "with two more keys at its end: http_status (the HTTP status, null without a "
            "response) and error (why no page came, null when a body arrived). Any outcome but "
            "parsed also prints its cause in one line on standard error; a failed download gives "
            "the outcome network-error, and a response with an error status (404) not-alert-page, "
            "with or without a body."),
        {{QStringLiteral("URL"),
          QStringLiteral("the page to download, an http or https address; a bare host and path "
                         "(127.0.0.1:8080/ISDJ/ionospheric-alert.html) is taken as http. "
                         "Default: the alert page at the stored ESHost, else the provider's")}},
        {
            {QStringLiteral("timeout"),
             QStringLiteral("give up after SECONDS without progress, %1 to %2 (default %3)")
                 .arg(kMinTimeoutSeconds)
                 .arg(kMaxTimeoutSeconds)
                 .arg(HttpPageDownload::kDefaultTimeoutMs / 1000),
             QStringLiteral("SECONDS")},
            {QStringLiteral("save"), QStringLiteral("also write the body as received to FILE"),
             QStringLiteral("FILE")},
            {QStringLiteral("dir"),
             QStringLiteral("read ESHost from the settings file in DIR, an existing directory, "
                            "instead of the program's"),
             QStringLiteral("DIR")},
        },
        DoubleDash::IsArgument,
        QStringLiteral("Exit status: 0 when the page was parsed, 3 for any other outcome, 2 for "
                       "a usage error or a FILE that cannot be written."),
        runFetch,
    };
    return command;
}
