// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/notice_command.h"

#include "cli/cli_io.h"

#include <QProcess>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

QString levelName(int level)
{
    return level >= 10 ? QStringLiteral("alert") : QStringLiteral("caution");
}

// The command's own output, as it wrote it.
void passOn(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

// The command and what it starts, as one process group.
void endGroup(QProcess* process)
{
    if (process->state() != QProcess::NotRunning && process->processId() > 0)
        ::kill(-static_cast<pid_t>(process->processId()), SIGKILL);
}

} // namespace

NoticeCommand::NoticeCommand(QString command, std::chrono::milliseconds timeout)
    : m_command(std::move(command)), m_timeout(timeout)
{
}

NoticeCommand::~NoticeCommand()
{
    for (QProcess* process : findChildren<QProcess*>()) {
        endGroup(process);
        process->waitForFinished(1000);
    }
}

int NoticeCommand::running() const
{
    return static_cast<int>(findChildren<QProcess*>().size());
}

void NoticeCommand::run(const EsNotice& notice, const QByteArray& json)
{
    const QString level = levelName(notice.level);
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ONDREL_LEVEL"), level);
    environment.insert(QStringLiteral("ONDREL_TITLE"), notice.title);
    environment.insert(QStringLiteral("ONDREL_TEXT"), notice.body);
    environment.insert(QStringLiteral("ONDREL_JSON"), QString::fromUtf8(json.trimmed()));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setChildProcessModifier([] { ::setpgid(0, 0); });

    auto* limit = new QTimer(process);
    limit->setSingleShot(true);
    QObject::connect(limit, &QTimer::timeout, process, [this, process, level] {
        printError(QStringLiteral("watch: exec (%1): still running after %2 s; ended")
                       .arg(level)
                       .arg(std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count()));
        endGroup(process);
    });
    QObject::connect(process, &QProcess::readyRead, process,
                     [process] { passOn(process->readAll()); });
    QObject::connect(process, &QProcess::finished, process,
                     [process, limit, level](int code, QProcess::ExitStatus status) {
                         passOn(process->readAll());
                         if (limit->isActive() && (status != QProcess::NormalExit || code != 0))
                             printError(
                                 QStringLiteral("watch: exec (%1): %2")
                                     .arg(level, status == QProcess::NormalExit
                                                     ? QStringLiteral("exit status %1").arg(code)
                                                     : QStringLiteral("ended by a signal")));
                         limit->stop();
                         process->deleteLater();
                         process->setParent(nullptr);
                     });
    QObject::connect(
        process, &QProcess::errorOccurred, process, [process, level](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            printError(QStringLiteral("watch: exec (%1): /bin/sh cannot be started: %2")
                           .arg(level, process->errorString()));
            process->deleteLater();
            process->setParent(nullptr);
        });
    printError(QStringLiteral("watch: exec (%1): %2").arg(level, m_command));
    limit->start(m_timeout);
    process->start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), m_command});
}
