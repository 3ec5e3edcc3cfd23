// SPDX-License-Identifier: MIT
// Instants, Delta T, sidereal time, coordinates, time zones and local days.
#include "PosixTzRule.h"
#include "ReferenceData.h"
#include "TestTime.h"
#include "aa/FrameOfDate.h"
#include "aa/Horizon.h"
#include "astronomy/TimeZone.h"
#include "astronomy/aa/Coordinates.h"
#include "astronomy/aa/DeltaT.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <random>

using namespace lunafold;
using namespace lunafold::testing;

namespace {

double hoursLong(const LocalDayFrame &f) {
    return f.dayEnd.secondsSince(f.dayStart) / 3600.0;
}

} // namespace

TEST(Instant, FactoriesRejectWhatTheEngineCannotUse) {
    EXPECT_FALSE(Instant::fromUnixSeconds(std::nan("")));
    EXPECT_FALSE(Instant::fromUnixSeconds(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(Instant::fromUnixSeconds(Instant::kLatest + 1));
    EXPECT_FALSE(Instant::fromJulianDay(-1e12));
    ASSERT_TRUE(Instant::fromUnixSeconds(0));
    EXPECT_DOUBLE_EQ(Instant::fromUnixSeconds(0)->julianDay(), 2440587.5);
    EXPECT_DOUBLE_EQ(utc(2000, 1, 1, 12).julianDay(), 2451545.0); // J2000.0
}

// Delta T convention: leap seconds from 1972 (last value kept), Espenak–Meeus before.
TEST(DeltaT, FollowsTheConventionAcrossTwoCenturies) {
    EXPECT_NEAR(aa::deltaTSeconds(utc(1972, 1, 1).julianDay()), 42.184, 1e-9);
    // The polynomials meet the leap-second value at 1972 to within 0.1 s.
    EXPECT_NEAR(aa::deltaTSeconds(utc(1971, 12, 31, 23, 59).julianDay()), 42.184, 0.1);
    // Independent table (reference generator), sampled twice a year 1800–2099, leap seconds
    // included; the two differ only in how a decimal year is formed, under a tenth of a second.
    for (const Row &r : readCsv("delta_t.csv")) {
        const Instant t = unixAt(r[0]);
        EXPECT_NEAR(aa::deltaTSeconds(t.julianDay()), std::stod(r[1]), 0.1) << r[0];
        const double tt = t.julianDay() + aa::deltaTSeconds(t.julianDay()) / 86400.0;
        EXPECT_NEAR((aa::ttToUt(tt) - t.julianDay()) * 86400.0, 0.0, 1e-4);
    }
}

// Meeus, Astronomical Algorithms, 2nd ed., examples 12.a and 12.b (IAU 1982 sidereal time; the
// 2006 expression used here differs by milliseconds).
TEST(SiderealTime, MeeusExamples) {
    const aa::JulianDay midnight(utc(1987, 4, 10).julianDay());
    EXPECT_NEAR(midnight.apparentSiderealTime() * 3600.0, 13 * 3600 + 10 * 60 + 46.1351, 0.01);
    const aa::JulianDay evening(utc(1987, 4, 10, 19, 21).julianDay());
    EXPECT_NEAR(evening.meanSiderealTime() * 3600.0, 8 * 3600 + 34 * 60 + 57.0896, 0.01);
    // West-positive longitude: 90° west is six hours earlier.
    EXPECT_NEAR(evening.meanLocalSiderealTime(90.0), std::fmod(evening.meanSiderealTime() - 6.0 + 24.0, 24.0),
                1e-9);
}

// Our sidereal time drops ERFA's fmod; the searches' answers depend on every bit, so it must agree
// bit for bit, on whole and half days (where fmod's −0 differs) and anywhere in 1700–2300.
TEST(SiderealTime, SameBitsAsErfa) {
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> anyDay(2341973.0, 2561118.0);
    for (int i = 0; i < 200000; ++i) {
        double ut = anyDay(random);
        if (i % 4 == 0)
            ut = std::floor(ut) + (i % 8 == 0 ? 0.0 : 0.5);
        const double tt = ut + aa::deltaTSeconds(ut) / 86400.0;
        const double ours = aa::greenwichMeanSiderealAngle(ut, tt);
        const double erfa = eraGmst06(ERFA_DJ00, ut - ERFA_DJ00, ERFA_DJ00, tt - ERFA_DJ00);
        ASSERT_EQ(std::signbit(ours), std::signbit(erfa)) << ut;
        ASSERT_EQ(ours, erfa) << std::setprecision(17) << ut;
    }
}

// The searches' altitude-only conversion against the full one, bit for bit, also when the
// latitude changes between calls and for −0°.
TEST(Coordinates, AltitudeAloneIsTheFullConversionsAltitude) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 100000; ++i) {
        const aa::EquatorialCoordinates c{24.0 * unit(random), 180.0 * unit(random) - 90.0};
        const double latitude = i % 5 == 0 ? -0.0 : (i % 3 == 0 ? 48.85 : 180.0 * unit(random) - 90.0);
        const aa::GeographicCoordinates place{360.0 * unit(random) - 180.0, latitude, 0.0};
        const aa::JulianDay jd(2415020.0 + 73000.0 * unit(random));
        const double full = c.makeHorizontalCoordinates(place, jd).altitude;
        const double alone = aa::altitudeDegrees(c, place, jd);
        ASSERT_EQ(std::signbit(full), std::signbit(alone)) << i;
        ASSERT_EQ(full, alone) << i;
    }
}

TEST(Coordinates, ParallacticAngleSignsAndMeridian) {
    const aa::GeographicCoordinates north{0.0, 50.0, 0.0};
    const aa::JulianDay jd(utc(2024, 1, 1).julianDay());
    const double lst = jd.apparentSiderealTime();
    // On the meridian the angle vanishes; east of it (rising) it is negative, west positive.
    EXPECT_NEAR(aa::parallacticAngle({lst, 10.0}, north, jd), 0.0, 1e-6);
    EXPECT_LT(aa::parallacticAngle({std::fmod(lst + 3.0, 24.0), 10.0}, north, jd), 0.0);
    EXPECT_GT(aa::parallacticAngle({std::fmod(lst + 21.0, 24.0), 10.0}, north, jd), 0.0);
}

TEST(TimeZone, UnknownNamesAreRefused) {
    EXPECT_FALSE(TimeZone::named("Mars/Olympus_Mons"));
    EXPECT_FALSE(TimeZone::named(""));
    EXPECT_FALSE(TimeZone::named("../../etc/passwd"));
    ASSERT_TRUE(TimeZone::named("America/Ciudad_Juarez")); // newer than the ICU data on these systems
    EXPECT_EQ(TimeZone::utc().offsetSeconds(utc(2024, 1, 1)), 0);
}

TEST(LocalDay, ClockChangeDaysAreShorterOrLonger) {
    const TimeZone ny = *TimeZone::named("America/New_York");
    const auto spring = LocalDayFrame::containing(utc(2024, 3, 10, 12), ny);
    const auto autumn = LocalDayFrame::containing(utc(2024, 11, 3, 12), ny);
    const auto plain = LocalDayFrame::containing(utc(2024, 7, 4, 12), ny);
    ASSERT_TRUE(spring && autumn && plain);
    EXPECT_DOUBLE_EQ(hoursLong(*spring), 23.0);
    EXPECT_DOUBLE_EQ(hoursLong(*autumn), 25.0);
    EXPECT_DOUBLE_EQ(hoursLong(*plain), 24.0);
    EXPECT_EQ(spring->dayStart, utc(2024, 3, 10, 5));
    EXPECT_EQ(spring->noon, utc(2024, 3, 10, 17)); // dayStart + 12 h, clock reads 13:00
    // An instant exactly at the start belongs to the day; one at its end to the next.
    EXPECT_EQ(LocalDayFrame::containing(plain->dayStart, ny)->dayStart, plain->dayStart);
    EXPECT_EQ(LocalDayFrame::containing(plain->dayEnd, ny)->dayStart, plain->dayEnd);
    // Chile moves its clocks from 00:00 to 01:00: 2024-09-08 begins at 01:00 −03 = 04:00 UT.
    const auto chile = LocalDayFrame::containing(utc(2024, 9, 8, 15), *TimeZone::named("America/Santiago"));
    ASSERT_TRUE(chile);
    EXPECT_EQ(chile->dayStart, utc(2024, 9, 8, 4));
    EXPECT_DOUBLE_EQ(hoursLong(*chile), 23.0);
}

// The compiled zone files list transitions only up to 2037; later years follow their rule.
TEST(TimeZone, DaylightSavingContinuesAfter2037) {
    const TimeZone ny = *TimeZone::named("America/New_York");
    EXPECT_EQ(ny.offsetSeconds(utc(2050, 7, 1)), -4 * 3600);
    EXPECT_EQ(ny.offsetSeconds(utc(2099, 1, 15)), -5 * 3600);
    EXPECT_EQ(ny.abbreviation(utc(2077, 7, 1)), "EDT");
    EXPECT_DOUBLE_EQ(hoursLong(*LocalDayFrame::containing(utc(2090, 3, 12, 12), ny)), 23.0); // 2nd Sunday
    const TimeZone sydney = *TimeZone::named("Australia/Sydney");
    EXPECT_EQ(sydney.offsetSeconds(utc(2090, 1, 1)), 11 * 3600);
    EXPECT_EQ(sydney.offsetSeconds(utc(2090, 7, 1)), 10 * 3600);
    const TimeZone london = *TimeZone::named("Europe/London");
    EXPECT_DOUBLE_EQ(hoursLong(*LocalDayFrame::containing(utc(2095, 10, 30, 12), london)),
                     25.0); // last Sunday
    const LocalDateTime l = london.localDateTime(utc(2060, 6, 1, 12));
    EXPECT_EQ(l.hour, 13);
    EXPECT_EQ(london.instantOf({2060, 6, 1, 13, 0, 0.0}), utc(2060, 6, 1, 12));
}

TEST(PosixTzRule, ParsesTheFooterForms) {
    using detail::PosixTzRule;
    const auto chile = PosixTzRule::parse("<-04>4<-03>,M9.1.6/24,M4.1.6/24");
    ASSERT_TRUE(chile);
    EXPECT_EQ(chile->at(static_cast<long long>(utc(2060, 1, 1).unixSeconds())).seconds, -3 * 3600);
    EXPECT_EQ(chile->at(static_cast<long long>(utc(2060, 6, 1).unixSeconds())).abbreviation, "-04");
    const auto fixed = PosixTzRule::parse("<+0545>-5:45");
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->at(0).seconds, 5 * 3600 + 45 * 60);
    const auto julian = PosixTzRule::parse("XST-2XDT,J60/2,J300/2"); // 1-based days without Feb 29
    ASSERT_TRUE(julian);
    EXPECT_EQ(julian->at(static_cast<long long>(utc(2064, 3, 1, 12).unixSeconds())).seconds, 3 * 3600);
    EXPECT_EQ(julian->at(static_cast<long long>(utc(2064, 2, 29, 12).unixSeconds())).seconds, 2 * 3600);
    EXPECT_FALSE(PosixTzRule::parse("E5EDT")); // names need three letters
    EXPECT_FALSE(PosixTzRule::parse("EST5EDT,M13.1.0,M11.1.0"));
    EXPECT_FALSE(PosixTzRule::parse(""));
}
