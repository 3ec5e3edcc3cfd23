// SPDX-License-Identifier: MIT
#pragma once

namespace lunafold::aa {

/// Delta T = TT − UT, in seconds, for a UT Julian day.
/// From 1972-01-01: 32.184 s + (TAI − UTC) from the leap-second table (eraDat); after the last
/// leap second the last value is kept. Before 1972: the Espenak–Meeus polynomials (valid −1999 … 3000),
/// which meet the leap-second value at 1972 to within 0.1 s.
/// @see Espenak & Meeus, Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141).
double deltaTSeconds(double jdUt);

/// UT Julian day of a TT Julian day (inverts deltaTSeconds to within microseconds).
double ttToUt(double jdTt);

} // namespace lunafold::aa
