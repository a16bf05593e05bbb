// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fetch_command.h"

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/readout_json.h"
#include "cli/refresh_problem.h"
#include "cli/settings_dir.h"
#include "cli/stderr_message_boxes.h"
#include "core/page/page_urls.h"
#include "core/refresh/clock.h"
#include "core/refresh/refresh_loop.h"
#include "core/refresh/timer.h"
#include "core/settings/program_settings.h"
#include "net/http_page_download.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cmath>

namespace {

struct FetchOptions {
    std::optional<QString> url;
    std::optional<QString> directory;
    int timeoutMs = HttpPageDownload::kDefaultTimeoutMs;
    QString savePath;
};

std::optional<FetchOptions> parseOptions(const QStringList& args)
{
    const QList<QCommandLineOption> declared{
        {QStringLiteral("timeout"), {}, QStringLiteral("SECONDS")},
        {QStringLiteral("save"), {}, QStringLiteral("FILE")},
        {QStringLiteral("dir"), {}, QStringLiteral("DIR")},
    };
    FetchOptions options;
    for (const CommandArg& arg : readCommandLine(declared, args, DoubleDash::IsArgument)) {
        if (arg.kind != CommandArg::Kind::Option) {
            if (arg.arg.startsWith(u'-') || options.url) {
                printError(QStringLiteral("fetch: unexpected argument %1").arg(arg.arg));
                return std::nullopt;
            }
            options.url = arg.arg;
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
        if (!ok || !(seconds > 0) || seconds > 86400) {
            printError(QStringLiteral("fetch: --timeout wants seconds, not %1").arg(value));
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

} // namespace

int runFetchCommand(const QStringList& args)
{
    const auto options = parseOptions(args);
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
    // One refresh: its retry never runs.
    SystemClock clock;
    QtTimer retryTimer;
    RefreshLoop loop(download, boxes, clock, retryTimer);
    loop.setAlertUrl(url);
    RefreshOutcome outcome = RefreshOutcome::Failed;
    QObject::connect(&loop, &RefreshLoop::refreshed, &loop, [&outcome](RefreshOutcome result) {
        outcome = result;
        QCoreApplication::exit(0);
    });
    loop.RefreshAlert();
    QCoreApplication::exec();
    const ReadoutState& state = loop.readout();

    if (saving.saveFailed)
        return ExitUsage;
    if (outcome != RefreshOutcome::Parsed)
        printError(QStringLiteral("fetch: ") +
                   refreshProblem(outcome, http.lastHttpStatus(), http.lastError()));
    printOut(fetchJson(outcomeName(outcome), state, http.lastHttpStatus(), http.lastError()));
    return outcome == RefreshOutcome::Parsed ? ExitOk : ExitOutcome;
}
