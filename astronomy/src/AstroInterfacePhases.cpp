// SPDX-License-Identifier: MIT
// Phase events, the sign-change seek and the seasons.
#include "astronomy/AstroInterface.h"

#include "astronomy/aa/Earth.h"
#include "astronomy/aa/Moon.h"

#include <cmath>
#include <cstdio>

namespace lunafold {
namespace {

Instant phaseEvent(Instant date, int phase, bool forward) {
    return aa::Moon(aa::JulianDay(date)).phaseInstant(phase, forward, false).date();
}

// One pass of the sign seek: the last sample before the longitude's remainder mod 30° drops.
std::optional<Instant> seekPass(Instant start, double stepDays) {
    const double j0 = start.julianDay();
    double previousRemainder = -1.0;
    double previousJd = j0;
    for (int i = 0; i <= 30; ++i) {
        const double ji = j0 + stepDays * i;
        const double r = std::fmod(aa::moonEclipticLongitude(aa::JulianDay(ji)), 30.0);
        if (r < previousRemainder)
            return Instant::trustedJulianDay(previousJd);
        previousRemainder = r;
        previousJd = ji;
    }
    return std::nullopt;
}

} // namespace

std::optional<Instant> AstroInterface::phaseInstant(Instant date, int phase, bool forward) {
    if (phase < 0 || phase > 3)
        return std::nullopt;
    return phaseEvent(date, phase, forward);
}

Instant AstroInterface::phaseInstant(Instant date, PrincipalPhase phase, bool forward) {
    return phaseEvent(date, phaseNumber(phase), forward);
}

std::pair<PrincipalPhase, Instant> AstroInterface::nextPrincipalPhase(Instant date) {
    std::pair<PrincipalPhase, Instant> first{PrincipalPhase::NewMoon, phaseEvent(date, 0, true)};
    for (const PrincipalPhase phase : kPrincipalPhases) {
        const Instant t = phaseEvent(date, phaseNumber(phase), true);
        if (t < first.second)
            first = {phase, t};
    }
    return first;
}

// The named getters: each a phase and a direction for the one phase search.
Instant AstroInterface::getNewMoonNext(Instant date) {
    return phaseInstant(date, PrincipalPhase::NewMoon, true);
}
Instant AstroInterface::getNewMoonPrev(Instant date) {
    return phaseInstant(date, PrincipalPhase::NewMoon, false);
}
Instant AstroInterface::getFirstQuarterNext(Instant date) {
    return phaseInstant(date, PrincipalPhase::FirstQuarter, true);
}
Instant AstroInterface::getFirstQuarterPrev(Instant date) {
    return phaseInstant(date, PrincipalPhase::FirstQuarter, false);
}
Instant AstroInterface::getFullMoonNext(Instant date) {
    return phaseInstant(date, PrincipalPhase::FullMoon, true);
}
Instant AstroInterface::getFullMoonPrev(Instant date) {
    return phaseInstant(date, PrincipalPhase::FullMoon, false);
}
Instant AstroInterface::getLastQuarterNext(Instant date) {
    return phaseInstant(date, PrincipalPhase::LastQuarter, true);
}
Instant AstroInterface::getLastQuarterPrev(Instant date) {
    return phaseInstant(date, PrincipalPhase::LastQuarter, false);
}

Instant AstroInterface::seekNextSignTime(Instant startDate) {
    Instant at = startDate;
    for (double step : {0.1, 0.01, 0.001, 0.0001}) {
        if (auto found = seekPass(at, step)) {
            at = *found;
        } else {
            std::printf("%s\n", kSeekWarning);
            std::fflush(stdout);
            at = distantPast();
        }
    }
    return at;
}

Instant AstroInterface::getNorthwardSpringEquinox(Instant startDate) {
    return aa::Earth(aa::JulianDay(startDate)).equinox(aa::Equinox::northwardSpring).date();
}
Instant AstroInterface::getSouthwardSpringEquinox(Instant startDate) {
    return aa::Earth(aa::JulianDay(startDate)).equinox(aa::Equinox::southwardSpring).date();
}
Instant AstroInterface::getNorthernSummerSolstice(Instant startDate) {
    return aa::Earth(aa::JulianDay(startDate)).solstice(aa::Solstice::northernSummer).date();
}
Instant AstroInterface::getSouthernSummerSolstice(Instant startDate) {
    return aa::Earth(aa::JulianDay(startDate)).solstice(aa::Solstice::southernSummer).date();
}

} // namespace lunafold
