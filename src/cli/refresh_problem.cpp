// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/refresh_problem.h"

#include <QStringList>

RefreshOutcome responseOutcome(RefreshOutcome outcome, std::optional<int> httpStatus)
{
    if (outcome == RefreshOutcome::Failed && httpStatus && *httpStatus >= 400)
        return RefreshOutcome::NotAlertPage;
    return outcome;
}

QString refreshProblem(RefreshOutcome outcome, std::optional<int> httpStatus,
                       const QString& transferError)
{
    QStringList causes;
    if (!transferError.isEmpty())
        causes << transferError;
    if (httpStatus)
        causes << QStringLiteral("HTTP %1").arg(*httpStatus);
    QString line = QLatin1String(outcomeName(responseOutcome(outcome, httpStatus)));
    if (!causes.isEmpty())
        line += QStringLiteral(": ") + causes.join(QStringLiteral(", "));
    return line;
}

QString inputProblem(RefreshOutcome outcome, const QString& input)
{
    QString cause = input;
    switch (outcome) {
    case RefreshOutcome::Stopped:
        cause = QStringLiteral("%1 is an alert page the parser could not read through").arg(input);
        break;
    case RefreshOutcome::NotAlertPage:
        cause = QStringLiteral("%1 has no NICT Ionospheric Alert title").arg(input);
        break;
    case RefreshOutcome::Forbidden:
        cause = QStringLiteral("%1 is a 403 Forbidden page").arg(input);
        break;
    case RefreshOutcome::Failed:
        cause = QStringLiteral("%1 holds no text to read").arg(input);
        break;
    case RefreshOutcome::Parsed:
    case RefreshOutcome::NetworkError:
        break;
    }
    return QLatin1String(outcomeName(outcome)) + QStringLiteral(": ") + cause;
}
