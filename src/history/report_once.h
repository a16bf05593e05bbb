// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdio>

// Tells a trouble of the history log on standard error once, not at every
// page or decode, until another comes.
class ReportOnce {
public:
    void operator()(const QString& problem)
    {
        if (problem == m_last)
            return;
        m_last = problem;
        std::fprintf(stderr, "ondrel: history: %s\n", problem.toLocal8Bit().constData());
    }

private:
    QString m_last;
};
