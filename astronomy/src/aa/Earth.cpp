// SPDX-License-Identifier: MIT
// Seasons: Meeus' mean instants (ch. 27, table 27.B) as a start, then Newton steps on the Sun's
// apparent longitude from the precise theory, so the instants carry that theory's accuracy (about
// a second) instead of the table's (up to a minute).
#include "astronomy/aa/Earth.h"

#include "astronomy/aa/DeltaT.h"
#include "astronomy/aa/Sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace lunafold::aa {

Earth::Earth(JulianDay jdUt, bool highPrecision) : m_jd(jdUt), m_highPrecision(highPrecision) {}

JulianDay Earth::equinox(Equinox kind) const {
    return season(kind == Equinox::northwardSpring ? 0 : 2);
}

JulianDay Earth::solstice(Solstice kind) const {
    return season(kind == Solstice::northernSummer ? 1 : 3);
}

JulianDay Earth::season(int quarter) const {
    int iy = 2000, im, id;
    double fd;
    eraJd2cal(m_jd.value(), 0.0, &iy, &im, &id, &fd);
    const double y = (iy - 2000) / 1000.0;
    static constexpr double kTable[4][5] = {
        {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
        {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
        {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
        {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
    };
    const double *c = kTable[quarter];
    double jde = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));

    const double target = 90.0 * quarter;
    for (int i = 0; i < 8; ++i) {
        // Sun takes UT; stay in TT here and convert only the final answer.
        const double ut = ttToUt(jde);
        const double lambda = Sun(JulianDay(ut), m_highPrecision).apparentEclipticLongitude();
        double diff = std::fmod(target - lambda, 360.0);
        if (diff > 180.0)
            diff -= 360.0;
        if (diff <= -180.0)
            diff += 360.0;
        const double step = diff * 365.2422 / 360.0;
        jde += step;
        if (std::abs(step) < 1e-8)
            break;
    }
    return JulianDay(ttToUt(jde));
}

} // namespace lunafold::aa
