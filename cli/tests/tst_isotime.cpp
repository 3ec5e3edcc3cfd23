// SPDX-License-Identifier: MIT
#include "IsoTime.h"

#include <gtest/gtest.h>

using namespace lunafold;
using namespace lunafold::cli;

TEST(IsoTime, ParsesTheAcceptedForms) {
    for (const char *same : {"2024-04-08T18:21:00Z", "2024-04-08T18:21Z", "2024-04-08T20:21:00+02:00",
                             "2024-04-08T13:21:00-0500"})
        EXPECT_EQ(parseInstant(same)->unixSeconds(), 1712600460.0) << same;
    EXPECT_EQ(parseInstant("2024-04-08")->unixSeconds(), 1712534400.0);
    EXPECT_NEAR(parseInstant("2024-04-08T18:21:00.25Z")->unixSeconds(), 1712600460.25, 1e-6);
    EXPECT_EQ(parseInstant("1901-01-01T00:00:00Z")->unixSeconds(), -2177452800.0);
}

TEST(IsoTime, RefusesWhatIsNotAnInstant) {
    for (const char *bad :
         {"", "2024-4-8", "2024-02-30", "2024-13-01T00:00Z", "2024-04-08T24:00:00Z", "2024-04-08T18:21:00",
          "2024-04-08T18:21:00Q", "2024-04-08T18:21:60Z", "yesterday", "2024-04-08T18:21:00Z junk",
          "3001-01-01", "2024-04-08T18:21:00+25:00", "2024-04-08T18:21:00+01:", "2024-04-08T18:21:00+01:5"})
        EXPECT_FALSE(parseInstant(bad)) << bad;
}

TEST(IsoTime, FormatsWholeSecondsInUtc) {
    EXPECT_EQ(formatInstant(Instant::trusted(1712600460.4)), "2024-04-08T18:21:00Z");
    EXPECT_EQ(formatInstant(Instant::trusted(1712600460.6)), "2024-04-08T18:21:01Z");
    EXPECT_EQ(formatInstant(Instant::trusted(-2177452800.0)), "1901-01-01T00:00:00Z");
    EXPECT_EQ(formatInstant(Instant::trusted(-0.4)), "1970-01-01T00:00:00Z");
    EXPECT_EQ(formatInstant(Instant::trusted(-1.0)), "1969-12-31T23:59:59Z");
    for (long long d : {-800000LL, -1LL, 0LL, 59LL, 11016LL, 47482LL}) {
        const CivilDate c = civilFromDays(d);
        EXPECT_EQ(daysFromCivil(c.year, c.month, c.day), d);
    }
    EXPECT_EQ(formatDate({2099, 12, 31}), "2099-12-31");
}
