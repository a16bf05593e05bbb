// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/known_settings.h"

#include "core/settings/page_base.h"
#include "core/page/page_urls.h"
#include "core/status/es_notice_policy.h"
#include "core/refresh/schedule.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <chrono>
#include <limits>
#include <vector>

namespace {

std::optional<int> numberIn(const QString& text)
{
    try {
        return textToLong(text);
    } catch (const ProcedureFailure&) {
        return std::nullopt;
    }
}

std::function<bool(const QString&)> numberFrom(int low, int high)
{
    return [low, high](const QString& text) {
        const std::optional<int> number = numberIn(text);
        return number && *number >= low && *number <= high;
    };
}

bool anyNumber(const QString& text)
{
    return numberIn(text).has_value();
}

QString usesInstead(int fallback)
{
    return QStringLiteral("uses %1 instead").arg(fallback);
}

// What the window, the tray and the history do with each key. The keep-days
// default, the longest cool-down and the pane's share of the screen are
// private to those parts, so they are repeated here; keep them in step.
std::vector<KnownSetting> knownSettings()
{
    const int cooldown = static_cast<int>(
        std::chrono::duration_cast<std::chrono::minutes>(EsNoticePolicy::kDefaultCooldown).count());
    const int notify = EsNoticePolicy{}.enabled ? 1 : 0;
    constexpr int kMaxCooldownMinutes = 24 * 60;
    constexpr int kDefaultKeepDays = 400;
    const QString twips = QStringLiteral("a number of twips");
    const QString noPane = QStringLiteral("cannot open the browser pane with it");
    const QString period = QStringLiteral("%1 to %2 seconds").arg(kMinPeriod).arg(kMaxPeriod);
    return {
        {QStringLiteral("TM2"), period, QString::number(kDefaultPeriod),
         usesInstead(kDefaultPeriod), numberFrom(kMinPeriod, kMaxPeriod)},
        {QStringLiteral("ESTop"), twips, QStringLiteral("0"), usesInstead(0), anyNumber},
        {QStringLiteral("ESLeft"), twips, QStringLiteral("0"), usesInstead(0), anyNumber},
        {QStringLiteral("ESW"), twips, QStringLiteral("85% of the screen width"), noPane,
         anyNumber},
        {QStringLiteral("ESH"), twips, QStringLiteral("70% of the screen height"), noPane,
         anyNumber},
        {QStringLiteral("ESWT"), twips, QStringLiteral("0"), noPane, anyNumber},
        {QStringLiteral("ESWL"), twips, QStringLiteral("0"), noPane, anyNumber},
        {QStringLiteral("ESNotify"), QStringLiteral("a number (0 for off)"),
         QString::number(notify), usesInstead(notify), anyNumber},
        {QStringLiteral("ESNotifyCool"), QStringLiteral("0 to %1 minutes").arg(kMaxCooldownMinutes),
         QString::number(cooldown), usesInstead(cooldown), numberFrom(0, kMaxCooldownMinutes)},
        {QStringLiteral("ESKeepDays"), QStringLiteral("a positive number of days"),
         QString::number(kDefaultKeepDays), usesInstead(kDefaultKeepDays),
         numberFrom(1, std::numeric_limits<int>::max())},
        {QStringLiteral("ESHost"), QStringLiteral("an http or https address or a host name"),
         defaultPageBase(), QStringLiteral("uses %1 instead").arg(defaultPageBase()),
         [](const QString& text) { return pageBaseFor(text).problem.isEmpty(); }},
    };
}

} // namespace

std::optional<KnownSetting> knownSetting(const QString& key)
{
    for (KnownSetting& setting : knownSettings()) {
        if (setting.key.compare(key, Qt::CaseInsensitive) == 0)
            return std::move(setting);
    }
    return std::nullopt;
}

int reloadPeriod(const std::optional<QString>& stored)
{
    return stored && knownSetting(QStringLiteral("TM2"))->uses(*stored) ? textToLong(*stored)
                                                                        : kDefaultPeriod;
}
