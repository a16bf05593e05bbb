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
