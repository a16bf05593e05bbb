// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard/contact_path.h"

#include "reach/maidenhead.h"

ContactPath contactPathOf(const AdifRecord& record, const QString& homeLocator,
                          const CallLocator& locator, GridMemory& memory,
                          const ReadingTimeline& readings)
{
    ContactPath contact{record, {}, {}};
    if (!record.grid.isEmpty())
        memory.remember(record.call, record.grid, record.time);
    contact.location = locator.locate(record.call, record.grid, memory);
    std::optional<GeoPoint> home = locatorCentre(homeLocator);
    if (!home)
        home = locatorCentre(record.myGrid);
    if (home && contact.location)
        contact.path = judgeHeardPath(*home, contact.location->point, record.bandMHz,
                                      readings.at(record.time));
    return contact;
}
