// SPDX-License-Identifier: MIT
#include "TestTime.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/aa/Moon.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lunafold;
using namespace lunafold::testing;

namespace {

double remainderAt(Instant t) {
    return std::fmod(aa::moonEclipticLongitude(aa::JulianDay(t)), 30.0);
}

// The crossing instant, to a millisecond, by bisection on the longitude.
Instant crossingAfter(Instant t) {
    Instant lo = AstroInterface::seekNextSignTime(t), hi = lo.plusSeconds(20);
    while (hi.secondsSince(lo) > 1e-3) {
        const Instant mid = lo.plusSeconds(hi.secondsSince(lo) / 2);
        (remainderAt(mid) > 15.0 ? lo : hi) = mid;
    }
    return hi;
}

} // namespace

TEST(SignSeek, LandsJustBeforeTheCrossing) {
    for (Instant start : {utc(1901, 3, 1), utc(1987, 6, 15, 7), utc(2024, 4, 8, 18, 21), utc(2099, 12, 1)}) {
        const Instant found = AstroInterface::seekNextSignTime(start);
        EXPECT_GE(found, start);
        EXPECT_LT(found.secondsSince(start), 3.0 * 86400);
        // Still the old sign, at most one finest step (8.64 s) before the new one begins.
        EXPECT_GT(remainderAt(found), 29.99);
        EXPECT_LT(remainderAt(found.plusSeconds(8.64)), 0.01);
    }
}

TEST(SignSeek, StartingOnOrJustBeforeABoundary) {
    const Instant crossing = crossingAfter(utc(2024, 5, 1));
    // Exactly on it (remainder ~0): the next boundary, two to two and a half days on.
    const Instant onIt = AstroInterface::seekNextSignTime(crossing);
    EXPECT_GT(onIt.secondsSince(crossing), 2.0 * 86400);
    EXPECT_LT(onIt.secondsSince(crossing), 2.7 * 86400);
    // A few seconds before it: the start instant itself (or within one finest step of it).
    const Instant before = crossing.plusSeconds(-5);
    const Instant found = AstroInterface::seekNextSignTime(before);
    EXPECT_GE(found, before);
    EXPECT_LE(found.secondsSince(before), 8.64);
}
