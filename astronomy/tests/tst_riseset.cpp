// SPDX-License-Identifier: MIT
#include "ReferenceData.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/aa/Moon.h"
#include "astronomy/aa/RiseTransitSet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>

using namespace lunafold;
using namespace lunafold::testing;

namespace {

using Event = std::function<std::optional<Instant>(Instant, double, double, const TimeZone &)>;

std::optional<Instant> earliestIn(const std::vector<Instant> &events, const LocalDayFrame &day) {
    for (Instant e : events)
        if (day.dayStart <= e && e < day.dayEnd)
            return e;
    return std::nullopt;
}

struct Tally {
    int days = 0, agree = 0;
    ErrorStats errors;
};

// Walks every local day of every reference place and compares one event kind.
void compareAllDays(const std::string &file, const std::string &kind, const Event &event, Tally &tally,
                    bool sunPlacesOnly) {
    const auto events = referenceEvents(file);
    for (const Place &p : referencePlaces()) {
        if (sunPlacesOnly && !p.hasSunEvents)
            continue;
        const auto zone = TimeZone::named(p.zone);
        ASSERT_TRUE(zone) << p.zone;
        const auto &list = events.at(p.name).count(kind) ? events.at(p.name).at(kind) : std::vector<Instant>{};
        auto day = LocalDayFrame::containing(p.from.plusSeconds(2 * 86400.0), *zone);
        const Instant last = p.to.plusSeconds(-2 * 86400.0);
        for (; day && day->dayStart < last; day = LocalDayFrame::containing(day->dayEnd, *zone)) {
            const auto want = earliestIn(list, *day);
            const auto got = event(day->noon, p.lon, p.lat, *zone);
            ++tally.days;
            if (want.has_value() == got.has_value()) {
                ++tally.agree;
                if (want)
                    tally.errors.add(got->secondsSince(*want));
                if (want && std::abs(got->secondsSince(*want)) > 30 && std::getenv("LUNAFOLD_VERBOSE"))
                    std::cout << p.name << " " << kind << " day " << day->dayStart.unixSeconds() << " want "
                              << want->unixSeconds() << " got " << got->unixSeconds() << "\n";
            } else if (std::getenv("LUNAFOLD_VERBOSE")) {
                std::cout << p.name << " " << kind << " day " << day->dayStart.unixSeconds() << " want "
                          << (want ? want->unixSeconds() : 0) << " got " << (got ? got->unixSeconds() : 0) << "\n";
            }
        }
    }
}

void report(const char *what, Tally &t) {
    const double presence = 100.0 * t.agree / t.days;
    const double p50 = t.errors.percentile(50), p99 = t.errors.percentile(99), worst = t.errors.max();
    std::cout << what << ": " << t.days << " local days, same presence on " << presence << " %, median " << p50
              << " s, p99 " << p99 << " s, max " << worst << " s\n";
    EXPECT_GE(presence, 99.5) << what;
    EXPECT_LE(p50, 10.0) << what;
    EXPECT_LE(p99, 30.0) << what;
}

} // namespace

// Reference: geocentric apparent Moon, centre at 0.7275 × parallax − 34′, astronomy-engine 2.1.19.
// Ten places from −77.85° to +78.22° latitude, one year each between 1910 and 2099.
TEST(MoonRiseSet, EveryLocalDayOfTenPlacesMatchesReference) {
    Tally rise, set, transit;
    compareAllDays("moon_events.csv", "R", AstroInterface::getMoonRiseTime, rise, false);
    compareAllDays("moon_events.csv", "S", AstroInterface::getMoonSetTime, set, false);
    compareAllDays("moon_events.csv", "T", AstroInterface::getMoonTransitTime, transit, false);
    report("moonrise", rise);
    report("moonset", set);
    report("transit", transit);
}
