// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/status/es_notice_policy.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>

// watch --exec: runs the user's command through /bin/sh -c when the Es
// summary rises, as the window notifies, with the notice in its
// environment (ONDREL_LEVEL, ONDREL_TITLE, ONDREL_TEXT, ONDREL_JSON). The
// schedule never waits for it: a command still running after `timeout` is
// ended, with whatever it started. What happens goes to standard error;
// so does the command's output, which would mix into watch's own.
class NoticeCommand : public QObject {
public:
    static constexpr std::chrono::seconds kTimeout{60};

    explicit NoticeCommand(QString command, std::chrono::milliseconds timeout = kTimeout);
    ~NoticeCommand() override; // ends the commands still running

    void run(const EsNotice& notice, const QByteArray& json);

    // Commands started and not yet ended.
    int running() const;

private:
    QString m_command;
    std::chrono::milliseconds m_timeout;
};
