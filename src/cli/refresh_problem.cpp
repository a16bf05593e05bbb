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

namespace {

// What the input was, when it was not read through: "page.html has no
// NICT Ionospheric Alert title".
QString inputCause(RefreshOutcome outcome, const QString& input)
{
    switch (outcome) {
    case RefreshOutcome::Stopped:
        return QStringLiteral("%1 is an alert page the parser could not read through").arg(input);
    case RefreshOutcome::NotAlertPage:
        return QStringLiteral("%1 has no NICT Ionospheric Alert title").arg(input);
    case RefreshOutcome::Forbidden:
        return QStringLiteral("%1 is a 403 Forbidden page").arg(input);
    case RefreshOutcome::Failed:
        return QStringLiteral("%1 holds no text to read").arg(input);
    case RefreshOutcome::Parsed:
    case RefreshOutcome::NetworkError:
        break;
    }
    return input;
}

} // namespace

QString inputProblem(RefreshOutcome outcome, const QString& input)
{
    return QLatin1String(outcomeName(outcome)) + QStringLiteral(": ") + inputCause(outcome, input);
}
