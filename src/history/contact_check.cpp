// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/contact_check.h"

#include "history/contact_log.h"
#include "history/logged_readings.h"
#include "reach/maidenhead.h"

#include <limits>

std::optional<ModelCheck> checkContacts(const ContactLog& contacts, std::vector<Activity> logged,
                                        const std::vector<PageRecord>& pages, int bandMHz,
                                        const QString& homeLocator, const QDateTime& since,
                                        const QDateTime& until)
{
    ReadingTimeline readings(std::numeric_limits<std::size_t>::max());
    for (const EsReading& reading : loggedReadings(pages))
        readings.add(reading);
    std::optional<GeoPoint> home = locatorCentre(homeLocator);
    std::vector<Activity> activity = std::move(logged);
    for (const ContactPath& contact : contacts.pathsBetween(since, until, homeLocator, readings)) {
        if (!home)
            home = locatorCentre(contact.record.myGrid);
        if (const std::optional<Activity> event = contactActivity(contact))
            activity.push_back(*event);
    }
    if (!home)
        return std::nullopt;
    return checkModel(activity, bandMHz, *home, readings);
}
