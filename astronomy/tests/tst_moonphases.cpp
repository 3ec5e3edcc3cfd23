// SPDX-License-Identifier: MIT
#include "ReferenceData.h"
#include "TestTime.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/aa/DeltaT.h"

#include <gtest/gtest.h>

#include <iostream>

using namespace lunafold;
using lunafold::testing::ErrorStats;
using lunafold::testing::readCsv;
using lunafold::testing::utc;

// Every principal phase 1901–2099 against JPL's DE431 (apparent longitudes, TT instants turned into
// UT with our Delta T). The bar is 10 s at the 99th percentile and 30 s at worst; the fitted series
// does 3.5 s and 5.6 s, and the tighter limits below keep it there.
TEST(MoonPhases, EveryPhaseOfTwoCenturiesMatchesDe431) {
    const auto rows = readCsv("phases_de431.csv");
    ASSERT_EQ(rows.size(), 9845u);
    ErrorStats stats;
    for (const auto &row : rows) {
        const Instant want = Instant::trustedJulianDay(aa::ttToUt(std::stod(row[1])));
        const Instant got =
            *AstroInterface::phaseInstant(want.plusSeconds(-86400.0), std::stoi(row[0]), true);
        stats.add(got.secondsSince(want));
    }
    std::cout << "phase error vs DE431: median " << stats.percentile(50) << " s, p99 " << stats.percentile(99)
              << " s, max " << stats.max() << " s\n";
    EXPECT_LE(stats.percentile(99), 6.0);
    EXPECT_LE(stats.max(), 10.0);
}

TEST(MoonPhases, NextAndPreviousBracketTheInstantOneLunationApart) {
    for (Instant t : {utc(1901, 1, 1, 0, 0), utc(1969, 7, 20, 20, 17), utc(2026, 12, 5, 23, 30),
                      utc(2099, 12, 31, 12, 0)}) {
        const Instant next[] = {AstroInterface::getNewMoonNext(t), AstroInterface::getFirstQuarterNext(t),
                                AstroInterface::getFullMoonNext(t), AstroInterface::getLastQuarterNext(t)};
        const Instant prev[] = {AstroInterface::getNewMoonPrev(t), AstroInterface::getFirstQuarterPrev(t),
                                AstroInterface::getFullMoonPrev(t), AstroInterface::getLastQuarterPrev(t)};
        for (int p = 0; p < 4; ++p) {
            EXPECT_LE(prev[p], t);
            EXPECT_GT(next[p], t);
            const double days = next[p].secondsSince(prev[p]) / 86400.0;
            EXPECT_GT(days, 29.0); // quarters wander more than the 29.27–29.83 d of new and full moons
            EXPECT_LT(days, 30.1);
        }
    }
}

TEST(MoonPhases, AnInstantExactlyAtAPhase) {
    const Instant full = AstroInterface::getFullMoonNext(utc(2024, 4, 20, 0, 0));
    // The next one is a lunation later; the previous one is the phase itself.
    EXPECT_GT(AstroInterface::getFullMoonNext(full).secondsSince(full), 29 * 86400.0);
    EXPECT_NEAR(AstroInterface::getFullMoonPrev(full).secondsSince(full), 0.0, 1e-3);
    EXPECT_FALSE(AstroInterface::phaseInstant(full, 4, true).has_value());
    EXPECT_FALSE(AstroInterface::phaseInstant(full, -1, false).has_value());
}
