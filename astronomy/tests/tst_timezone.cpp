// SPDX-License-Identifier: MIT
#include "PosixTzRule.h"
#include "TestTime.h"
#include "astronomy/TimeZone.h"

#include <gtest/gtest.h>

using namespace lunafold;
using namespace lunafold::testing;

namespace {

double hoursLong(const LocalDayFrame &f) {
    return f.dayEnd.secondsSince(f.dayStart) / 3600.0;
}

} // namespace

TEST(TimeZone, UnknownNamesAreRefused) {
    EXPECT_FALSE(TimeZone::named("Mars/Olympus_Mons"));
    EXPECT_FALSE(TimeZone::named(""));
    EXPECT_FALSE(TimeZone::named("../../etc/passwd"));
    ASSERT_TRUE(TimeZone::named("America/Ciudad_Juarez")); // newer than the ICU data on these systems
    EXPECT_EQ(TimeZone::utc().offsetSeconds(utc(2024, 1, 1)), 0);
}

TEST(LocalDay, DaylightSavingDaysAre23And25HoursLong) {
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
}

TEST(LocalDay, MidnightInAGapStartsTheDayAtTheJump) {
    // Chile moves its clocks from 00:00 to 01:00: 2024-09-08 begins at 01:00 −03 = 04:00 UT.
    const TimeZone santiago = *TimeZone::named("America/Santiago");
    const auto day = LocalDayFrame::containing(utc(2024, 9, 8, 15), santiago);
    ASSERT_TRUE(day);
    EXPECT_EQ(day->dayStart, utc(2024, 9, 8, 4));
    EXPECT_DOUBLE_EQ(hoursLong(*day), 23.0);
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
