// SPDX-License-Identifier: GPL-3.0-or-later
#include "reach/mirror_model.h"
#include "support/named_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

// A band under a cloud of f_c: its skip in whole km, or closed.
struct ReachCase {
    const char* name;
    double criticalMHz;
    int band; // index into kBandsMHz
    std::optional<int> skipKm;
};
ONDREL_NAMED_CASE(ReachCase)

class BandReachTest : public testing::TestWithParam<ReachCase> {};

TEST_P(BandReachTest, SkipToTheLongestHopOrClosed)
{
    const BandReach reach = bandReach(GetParam().criticalMHz, kBandsMHz[GetParam().band]);
    EXPECT_EQ(reach.open, GetParam().skipKm.has_value());
    if (GetParam().skipKm) {
        EXPECT_EQ(reach.minKm, *GetParam().skipKm);
        EXPECT_EQ(reach.maxKm, 2298);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedNumbers, BandReachTest,
    testing::Values(ReachCase{"Es10On28", 10, 0, 584}, ReachCase{"Es10On50", 10, 1, 1418},
                    ReachCase{"Es10On144Closed", 10, 2, std::nullopt},
                    ReachCase{"Es20On28", 20, 0, 207}, ReachCase{"Es20On50", 20, 1, 504},
                    ReachCase{"Es20On144Closed", 20, 2, std::nullopt},
                    ReachCase{"Es30On28UnderFcFromZero", 30, 0, 0},
                    ReachCase{"Es30On50", 30, 1, 284}, ReachCase{"Es30On144", 30, 2, 1298},
                    ReachCase{"AtTheBandItselfFromZero", 50, 1, 0},
                    ReachCase{"QuietEsClosesEverything", 4.0, 0, std::nullopt},
                    ReachCase{"ZeroEsClosed", 0.0, 0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// The Es at which each band opens on the longest hop, and that it opens
// there: just under it the band is closed, just over it the skip is the
// longest hop.
TEST(OpeningEs, FiveOhTwoEightNinetySevenTwentyFiveEightyThree)
{
    const double expected[] = {5.02, 8.97, 25.83};
    for (int b = 0; b < kBandCount; ++b) {
        const double opening = openingEs(kBandsMHz[b]);
        EXPECT_NEAR(opening, expected[b], 0.005) << kBandsMHz[b];
        EXPECT_FALSE(bandReach(opening * 0.999, kBandsMHz[b]).open) << kBandsMHz[b];
        EXPECT_NEAR(bandReach(opening * 1.0000001, kBandsMHz[b]).minKm, 2298, 2) << kBandsMHz[b];
    }
}

TEST(LongestHop, ZeroElevationGivesTheSecantFactorAtItsEnd)
{
    EXPECT_NEAR(maxHopKm(), 2297.6, 0.1);
    EXPECT_NEAR(maxSecantFactor(), 5.576, 0.001);
    EXPECT_NEAR(secantFactor(maxHopKm()), maxSecantFactor(), 1e-6);
    // The skip is where the secant law gives the band: the two formulas agree.
    EXPECT_NEAR(secantFactor(skipKm(2.8)), 2.8, 1e-9);
    // The curved Earth, not the flat one: about 5.5 at 2,000 km.
    EXPECT_NEAR(secantFactor(2000), 5.5, 0.1);
}

} // namespace
