// SPDX-License-Identifier: MIT
#include "astronomy/aa/JulianDay.h"

#include "FrameOfDate.h"
#include "astronomy/aa/DeltaT.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace lunafold::aa {

JulianDay JulianDay::UTCtoTT() const {
    return JulianDay(m_value + deltaTSeconds(m_value) / 86400.0);
}

double JulianDay::meanSiderealTime() const {
    const double tt = UTCtoTT().value();
    return greenwichMeanSiderealAngle(m_value, tt) * 12.0 / kPi;
}

double JulianDay::apparentSiderealTime() const {
    const double tt = UTCtoTT().value();
    const double gmst = greenwichMeanSiderealAngle(m_value, tt);
    return normalizeRadians(gmst + frameOfDate(tt).equationOfEquinoxes) * 12.0 / kPi;
}

double JulianDay::meanLocalSiderealTime(double westLongitude) const {
    return positiveRemainder(meanSiderealTime() - westLongitude / 15.0, 24.0);
}

} // namespace lunafold::aa
