// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heard/country_file.h"
#include "heard/grid_memory.h"
#include "reach/sphere.h"

#include <QString>

#include <optional>

// Where a heard station is: by its grid (sent now or remembered), else
// for a Japanese call by its call area, else by its prefix in the country
// file. Area and prefix places are approximate and drawn so.

enum class LocatedBy { Grid, Area, Prefix };

// "grid", "area", "prefix".
QString locatedByName(LocatedBy by);

struct CallLocation {
    GeoPoint point;
    LocatedBy by = LocatedBy::Grid;
    QString grid; // the grid it was placed by; empty for Area and Prefix
};

// The centre of a Japanese call's area (JA1…JS0, 7J…7N, 8J…8N by the area
// digit; JD1 the Ogasawara islands); nothing for other calls.
std::optional<GeoPoint> japaneseAreaCentre(const QString& call);

class CallLocator {
public:
    // Reads the country file at `countryFilePath`; without it calls are
    // placed by grid and call area only (countryFileMissing()).
    explicit CallLocator(const QString& countryFilePath = QString::fromLatin1(kDebianCountryFile));
    explicit CallLocator(std::optional<CountryFile> countries);

    // True when the country file could not be read: for the caller to say once.
    bool countryFileMissing() const { return !m_countries; }

    // `grid`: the one the message carried, if any.
    std::optional<CallLocation> locate(const QString& call, const QString& grid,
                                       const GridMemory& memory) const;

private:
    std::optional<CountryFile> m_countries;
};
