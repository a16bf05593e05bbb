#include "cli/fetch_command.h"

#include "alert/fetch_cycle.h"
#include "alert/http_page_download.h"
#include "alert/page_urls.h"
#include "cli/cli_io.h"
#include "cli/readout_json.h"
#include "cli/stderr_message_boxes.h"
#include "support/code_conv.h"
#include "support/timer.h"
#include "view/readout_state.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cmath>

namespace {

struct FetchOptions {
    QString url = pageUrls()[0];
    int timeoutMs = HttpPageDownload::kDefaultTimeoutMs;
    QString savePath;
};

std::optional<FetchOptions> parseOptions(QStringList args)
{
    FetchOptions options;
    bool urlGiven = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == u"--timeout" || arg == u"--save") {
            if (args.isEmpty()) {
                printError(QStringLiteral("fetch: %1 needs a value").arg(arg));
                return std::nullopt;
            }
            const QString value = args.takeFirst();
            if (arg == u"--save") {
                options.savePath = value;
                continue;
            }
            bool ok = false;
            const double seconds = value.toDouble(&ok);
            if (!ok || !(seconds > 0) || seconds > 86400) {
                printError(QStringLiteral("fetch: --timeout wants seconds, not %1").arg(value));
                return std::nullopt;
            }
            options.timeoutMs = static_cast<int>(std::lround(seconds * 1000));
        } else if (arg.startsWith(u'-') || urlGiven) {
            printError(QStringLiteral("fetch: unexpected argument %1").arg(arg));
            return std::nullopt;
        } else {
            options.url = arg;
            urlGiven = true;
        }
    }
    return options;
}

// A tool has no window: nothing to show, reload or close.
class NoWindow : public FetchCycle::Host {
public:
    void readoutChanged() override {}
    void reloadPaneIfOpen() override {}
    void closeWindow() override {}
};

// Keeps a copy of the body as received, for bug reports.
class SavingDownload : public PageDownload {
public:
    SavingDownload(PageDownload& inner, QString path) : m_inner(inner), m_path(std::move(path)) {}

    bool saveFailed = false;

    void get(const QString& url, StateChanged stateChanged, Finished finished) override
    {
        m_inner.get(url, std::move(stateChanged),
                    [this, finished = std::move(finished)](std::optional<QByteArray> body) {
                        if (body)
                            save(*body);
                        finished(std::move(body));
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

    ReadoutState state;
    CodeConv conv;
    HttpPageDownload http;
    http.setTimeout(options->timeoutMs);
    SavingDownload saving(http, options->savePath);
    PageDownload& download = options->savePath.isEmpty() ? static_cast<PageDownload&>(http) : saving;
    StderrMessageBoxes boxes;
    QtTimer retryTimer([] {});
    NoWindow window;

    FetchCycle cycle(state, conv, download, boxes, retryTimer, window);
    cycle.alertUrl = options->url;
    RefreshOutcome outcome = RefreshOutcome::Failed;
    cycle.finished = [&outcome](RefreshOutcome result) {
        outcome = result;
        QCoreApplication::exit(0);
    };
    cycle.RefreshAlert();
    QCoreApplication::exec();

    if (saving.saveFailed)
        return ExitUsage;
    printOut(readoutJson(outcomeName(outcome), state));
    return outcome == RefreshOutcome::Parsed ? ExitOk : ExitOutcome;
}
