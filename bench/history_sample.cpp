// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_sample.h"

#include "core/text/number_text.h"
#include "history/history_log.h"

#include <QTimeZone>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr qint64 kStep = 15 * 60;

QString signalFor(double value, double caution, double alert)
{
    if (value >= alert)
        return QStringLiteral("BLINK-RED");
    if (value >= caution)
        return QStringLiteral("BLINK-YELLOW-P");
    return QStringLiteral("GREEN");
}

} // namespace

void fillSampleHistory(HistoryLog& log, int days, const QDateTime& endUtc)
{
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> unit(0, 1);
    std::normal_distribution<double> noise(0, 0.25);
    const QTimeZone jst(9 * 3600);
    const qint64 end = endUtc.toSecsSinceEpoch() / kStep * kStep;
    const qint64 start = end - qint64(days) * 86400;
    // An Es opening per station and day: its peak hour (JST) and strength.
    std::vector<std::array<std::pair<double, double>, 4>> openings(days + 2);
    for (auto& day : openings)
        for (auto& [hour, strength] : day)
            hour = 9 + 8 * unit(random), strength = unit(random) < 0.55 ? 4 + 9 * unit(random) : 0;

    for (qint64 t = start; t <= end; t += kStep) {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(t, jst);
        const double hour = local.time().hour() + local.time().minute() / 60.0;
        const qint64 dayIndex = (t - start) / 86400;
        // Two outages: nobody read the page for a few hours.
        if ((t - start) / kStep % 260 > 249)
            continue;
        std::vector<PageRecord> page;
        for (int k = 0; k < 4; ++k) {
            PageRecord r;
            r.pageTime = local.toString(QStringLiteral("yyyy/MM/dd HH:mm 'JST'"));
            r.pageTimeUtc = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
            r.fetchedUtc = r.pageTimeUtc->addSecs(70);
            r.station = QLatin1StringView(kStationCodes[k]);
            const double day = std::max(0.0, std::sin((hour - 5) / 14 * std::numbers::pi));
            const double fmax = 4.2 + 0.6 * k + (4.5 + 0.8 * k) * day + noise(random);
            const double fmin = 1.5 + 1.2 * day + noise(random) / 3;
            const auto [peak, strength] = openings[dayIndex][k];
            const double es = 2.2 + 0.4 * k +
                              strength * std::exp(-std::pow((hour - peak) / 1.3, 2)) +
                              std::abs(noise(random)) / 2;
            const std::array<double, 3> values = {fmax, fmin, es};
            const std::array<std::pair<double, double>, 3> limits = {
                std::pair{11.0, 13.0}, std::pair{4.0, 5.0}, std::pair{8.0, 11.0}};
            for (int c = 0; c < 3; ++c) {
                const bool missing = unit(random) < 0.01 ||
                                     (k == 3 && c == EsColumn && dayIndex % 3 == 1 && hour > 20);
                r.texts[c] = missing ? QStringLiteral("?") : QString::number(values[c], 'f', 1);
                r.values[c] = readingNumber(r.texts[c]);
                r.signalNames[c] = missing
                                       ? QStringLiteral("UNDEFINE")
                                       : signalFor(values[c], limits[c].first, limits[c].second);
            }
            page.push_back(std::move(r));
        }
        log.appendPage(page);
    }
}
