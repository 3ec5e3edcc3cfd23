// SPDX-License-Identifier: MIT
//
// ΔT = TT − UT in seconds, the convention used by the project's reference
// tables: 32.184 s + (TAI − UTC) from 1972-01-01 on (37 s from 2017-01-01 on,
// kept forever after), Espenak–Meeus polynomials before, evaluated at
// y = 2000 + (JD_UT − 2451544.5) / 365.25.

export const UNIX_EPOCH_JD = 2440587.5;
export const unixOf = (iso) => Date.parse(iso) / 1000;
export const jdFromUnix = (unix) => unix / 86400 + UNIX_EPOCH_JD;
export const unixFromJd = (jd) => (jd - UNIX_EPOCH_JD) * 86400;

// [first UTC day the offset applies, TAI − UTC in seconds]
const LEAP_TABLE = [
    ['1972-01-01', 10], ['1972-07-01', 11], ['1973-01-01', 12], ['1974-01-01', 13],
    ['1975-01-01', 14], ['1976-01-01', 15], ['1977-01-01', 16], ['1978-01-01', 17],
    ['1979-01-01', 18], ['1980-01-01', 19], ['1981-07-01', 20], ['1982-07-01', 21],
    ['1983-07-01', 22], ['1985-07-01', 23], ['1988-01-01', 24], ['1990-01-01', 25],
    ['1991-01-01', 26], ['1992-07-01', 27], ['1993-07-01', 28], ['1994-07-01', 29],
    ['1996-01-01', 30], ['1997-07-01', 31], ['1999-01-01', 32], ['2006-01-01', 33],
    ['2009-01-01', 34], ['2012-07-01', 35], ['2015-07-01', 36], ['2017-01-01', 37],
].map(([day, s]) => [unixOf(`${day}T00:00:00Z`), s]);

export function espenakMeeus(y) {
    let u;
    if (y < -500) { u = (y - 1820) / 100; return -20 + 32 * u * u; }
    if (y < 500) {
        u = y / 100;
        return 10583.6 + u * (-1014.41 + u * (33.78311 + u * (-5.952053
            + u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600) {
        u = (y - 1000) / 100;
        return 1574.2 + u * (-556.01 + u * (71.23472 + u * (0.319781
            + u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700) { u = y - 1600; return 120 + u * (-0.9808 + u * (-0.01532 + u / 7129)); }
    if (y < 1800) {
        u = y - 1700;
        return 8.83 + u * (0.1603 + u * (-0.0059285 + u * (0.00013336 - u / 1174000)));
    }
    if (y < 1860) {
        u = y - 1800;
        return 13.72 + u * (-0.332447 + u * (0.0068612 + u * (0.0041116 + u * (-0.00037436
            + u * (0.0000121272 + u * (-0.0000001699 + u * 0.000000000875))))));
    }
    if (y < 1900) {
        u = y - 1860;
        return 7.62 + u * (0.5737 + u * (-0.251754 + u * (0.01680668
            + u * (-0.0004473624 + u / 233174))));
    }
    if (y < 1920) {
        u = y - 1900;
        return -2.79 + u * (1.494119 + u * (-0.0598939 + u * (0.0061966 - u * 0.000197)));
    }
    if (y < 1941) { u = y - 1920; return 21.20 + u * (0.84493 + u * (-0.076100 + u * 0.0020936)); }
    if (y < 1961) { u = y - 1950; return 29.07 + u * (0.407 + u * (-1 / 233 + u / 2547)); }
    if (y < 1986) { u = y - 1975; return 45.45 + u * (1.067 + u * (-1 / 260 - u / 718)); }
    if (y < 2005) {
        u = y - 2000;
        return 63.86 + u * (0.3345 + u * (-0.060374 + u * (0.0017275
            + u * (0.000651814 + u * 0.00002373599))));
    }
    if (y < 2050) { u = y - 2000; return 62.92 + u * (0.32217 + u * 0.005589); }
    if (y < 2150) { u = (y - 1820) / 100; return -20 + 32 * u * u - 0.5628 * (2150 - y); }
    u = (y - 1820) / 100;
    return -20 + 32 * u * u;
}

// ΔT in seconds at a UT instant given as Unix seconds.
export function deltaTSeconds(unixUt) {
    if (unixUt >= LEAP_TABLE[0][0]) {
        let taiUtc = LEAP_TABLE[0][1];
        for (const [start, s] of LEAP_TABLE) if (unixUt >= start) taiUtc = s;
        return 32.184 + taiUtc;
    }
    return espenakMeeus(2000 + (jdFromUnix(unixUt) - 2451544.5) / 365.25);
}

// UT (Unix seconds) -> JD TT.
export const jdTtFromUnixUt = (unixUt) => jdFromUnix(unixUt) + deltaTSeconds(unixUt) / 86400;

// JD TT -> UT (Unix seconds): solve unix + ΔT(unix) = TT by fixed-point
// iteration (ΔT varies slowly; at a leap-second step the later branch wins).
export function unixUtFromJdTt(jdTt) {
    const unixTt = unixFromJd(jdTt);
    let unix = unixTt - deltaTSeconds(unixTt);
    for (let i = 0; i < 6; i++) unix = unixTt - deltaTSeconds(unix);
    return unix;
}
