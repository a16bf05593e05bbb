// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/contact_path.h"
#include "heard/heard_station.h"
#include "reach/heard_marks.h"

#include <QDateTime>
#include <QString>

#include <vector>

// The located ones among `stations`, as the map draws them; the age
// runs from `fromUtc` (1) to `toUtc` (0). Same order as `stations`;
// `shown` gets the stations the marks stand for.
std::vector<HeardMark> heardMarks(const std::vector<HeardStation>& stations,
                                  const QDateTime& fromUtc, const QDateTime& toUtc,
                                  std::vector<HeardStation>* shown);

// What a click on a heard station's mark tells, in lines, in the
// interface language: call and grid, band, time (JST) and SNR, the path's
// length and the Es it needs, the station's measured Es, the verdict.
QString heardStationText(const HeardStation& station);

// The located ones among `contacts`, as squares; `shown` gets the
// contacts they stand for.
std::vector<HeardMark> contactMarks(const std::vector<ContactPath>& contacts,
                                    std::vector<ContactPath>* shown);

// What a click on a contact's mark tells: as for a heard station, with
// the mode and PROP_MODE in place of the report.
QString contactText(const ContactPath& contact);
