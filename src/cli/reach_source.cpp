// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/reach_source.h"

#include "cli/one_refresh.h"
#include "cli/refresh_problem.h"
#include "cli/settings_dir.h"
#include "core/page/page_refresh.h"
#include "core/page/page_urls.h"
#include "core/settings/program_settings.h"
#include "core/text/code_conv.h"
#include "core/text/locator_text.h"
#include "net/http_page_download.h"

CliOperand reachFileOperand()
{
    return {QStringLiteral("FILE"),
            QStringLiteral("the alert page body to read, \"-\" for standard input. Without it the "
                           "page is downloaded as fetch downloads it: the alert page at the "
                           "stored ESHost, else the provider's")};
}

QCommandLineOption homeOption()
{
    return {QStringLiteral("home"),
            QStringLiteral("the paths from LOCATOR, a Maidenhead locator of 4 or 6 characters "
                           "(PM95, PM95vq) taken at the centre of its square; \"\" for none. "
                           "Default: the stored ESHome"),
            QStringLiteral("LOCATOR")};
}

QCommandLineOption settingsDirOption()
{
    return {QStringLiteral("dir"),
            QStringLiteral("read the settings file in DIR, an existing directory, instead of the "
                           "program's"),
            QStringLiteral("DIR")};
}

SourceArg takeSourceArg(const QString& command, const CommandArg& arg, ReachSource& source)
{
    if (arg.kind != CommandArg::Kind::Option) {
        if (arg.kind == CommandArg::Kind::Unknown ||
            (arg.arg.startsWith(u'-') && arg.arg != u"-")) {
            printError(QStringLiteral("%1: unknown option %2").arg(command, arg.arg));
            return SourceArg::Refused;
        }
        if (source.input) {
            printError(QStringLiteral("%1: at most one FILE").arg(command));
            return SourceArg::Refused;
        }
        source.input = arg.arg;
        return SourceArg::Taken;
    }
    if (arg.name != u"home" && arg.name != u"dir")
        return SourceArg::Other;
    if (!arg.value) {
        printError(QStringLiteral("%1: %2 needs a value").arg(command, arg.arg));
        return SourceArg::Refused;
    }
    const QString& value = *arg.value;
    if (arg.name == u"dir") {
        if (!isSettingsDirectory(command, value))
            return SourceArg::Refused;
        source.directory = value;
        return SourceArg::Taken;
    }
    if (value.trimmed().isEmpty()) {
        source.home = QString();
        return SourceArg::Taken;
    }
    source.home = canonicalLocator(value);
    if (!source.home) {
        printError(QStringLiteral("%1: --home %2 is not a Maidenhead locator of 4 or 6 characters "
                                  "(such as PM95 or PM95vq)")
                       .arg(command, value));
        return SourceArg::Refused;
    }
    return SourceArg::Taken;
}

QString homeFor(const QString& command, const ReachSource& source, ProgramSettings& settings)
{
    if (source.home)
        return *source.home;
    const auto tell = [&command](const QString& problem) {
        printError(command + QStringLiteral(": ") + problem);
    };
    return settings.homeLocator(tell).value_or(QString());
}

ReachResult loadReach(const QString& command, const ReachSource& source, ProgramSettings& settings)
{
    const QString home = homeFor(command, source, settings);
    ReadoutState readout;
    RefreshOutcome outcome = RefreshOutcome::Failed;
    QString problem;
    if (source.input) {
        const std::optional<QByteArray> body = readInput(*source.input);
        if (!body)
            return {ExitUsage, {}};
        CodeConv conv;
        outcome = refreshFromStart(*body, readout, conv);
        problem = inputProblem(outcome, inputName(*source.input));
    } else {
        HttpPageDownload http;
        DownloadedRefresh refresh =
            refreshOnce(http, pageUrls(settings.alertPageBase(printError))[0]);
        outcome = responseOutcome(refresh.outcome, http.lastHttpStatus());
        readout = std::move(refresh.readout);
        problem = refreshProblem(outcome, http.lastHttpStatus(), http.lastError());
    }
    if (outcome != RefreshOutcome::Parsed) {
        printError(command + QStringLiteral(": ") + problem);
        return {ExitOutcome, {}};
    }
    return {ExitOk, reachOf(esReadingOf(readout), home)};
}
