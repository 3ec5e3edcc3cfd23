// SPDX-License-Identifier: MIT
#include "astronomy/aa/DeltaT.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <initializer_list>

namespace lunafold::aa {
namespace {

constexpr double kJd1972 = 2441317.5; // 1972-01-01T00:00Z

// Espenak–Meeus, as a function of the decimal year y.
double espenakMeeus(double y) {
    auto p = [](double t, std::initializer_list<double> c) {
        double r = 0.0, tn = 1.0;
        for (double ci : c) {
            r += ci * tn;
            tn *= t;
        }
        return r;
    };
    if (y < -500) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 500)
        return p(y / 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
    if (y < 1600)
        return p((y - 1000) / 100,
                 {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073});
    if (y < 1700)
        return p(y - 1600, {120, -0.9808, -0.01532, 1.0 / 7129});
    if (y < 1800)
        return p(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000});
    if (y < 1860)
        return p(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
                            0.000000000875});
    if (y < 1900)
        return p(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
    if (y < 1920)
        return p(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941)
        return p(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961)
        return p(y - 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    if (y < 1986)
        return p(y - 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    if (y < 2005)
        return p(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050)
        return p(y - 2000, {62.92, 0.32217, 0.005589});
    if (y < 2150) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

// Leap-second era: civil date of the UT day, then eraDat. Dates past the table keep its last value
// (eraDat answers them with a warning status, which is what we want).
double leapSecondDeltaT(double jdUt) {
    int iy, im, id;
    double fd;
    if (eraJd2cal(jdUt, 0.0, &iy, &im, &id, &fd) != 0)
        return 69.184;
    double taiMinusUtc = 37.0;
    if (eraDat(iy, im, id, fd, &taiMinusUtc) < 0)
        taiMinusUtc = 37.0;
    return 32.184 + taiMinusUtc;
}

} // namespace

double deltaTSeconds(double jdUt) {
    if (jdUt >= kJd1972) {
        // Leap seconds only ever start at 0h UT, so the value holds for a whole civil day.
        thread_local double cachedDay = std::nan(""), cachedValue = 0.0;
        const double day = std::floor(jdUt - 0.5);
        if (day != cachedDay) {
            cachedValue = leapSecondDeltaT(jdUt);
            cachedDay = day;
        }
        return cachedValue;
    }
    // Decimal year as the canon defines it: y = year + (month − 0.5)/12, continued smoothly.
    const double y = 2000.0 + (jdUt - 2451544.5) / 365.2425;
    return espenakMeeus(y);
}

double ttToUt(double jdTt) {
    double ut = jdTt - deltaTSeconds(jdTt) / 86400.0;
    ut = jdTt - deltaTSeconds(ut) / 86400.0;
    return ut;
}

} // namespace lunafold::aa
