// SPDX-License-Identifier: MIT
//
// Writes reference tables for the astronomy tests, computed with the
// astronomy-engine npm package, so the C++ engine is checked against an
// independent implementation. See README.md for the conventions used.

import * as A from 'astronomy-engine';
import { readFileSync, writeFileSync, mkdirSync, statSync } from 'node:fs';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';
import { deltaTSeconds, unixOf } from './deltat.mjs';

const HERE = dirname(fileURLToPath(import.meta.url));
const OUT_DIR = join(HERE, '..', '..', 'astronomy', 'tests', 'data');
const ENGINE_VERSION = JSON.parse(
    readFileSync(join(HERE, 'node_modules', 'astronomy-engine', 'package.json'), 'utf8')).version;
const PINNED_VERSION = '2.1.19';
if (ENGINE_VERSION !== PINNED_VERSION) {
    // Different versions move results by more than the tests tolerate.
    throw new Error(`astronomy-engine ${ENGINE_VERSION} installed, ${PINNED_VERSION} expected`);
}
const GENERATOR = `tools/reference/make_reference.mjs, astronomy-engine ${ENGINE_VERSION}`;

// astronomy-engine counts UT in days from 2000-01-01T12:00Z with 86400 s days,
// exactly like Unix time, so the conversion is linear.
const UNIX_J2000 = 946728000;
const unixFromUt = (ut) => ut * 86400 + UNIX_J2000;
const utFromUnix = (unix) => (unix - UNIX_J2000) / 86400;
const fmtUnix = (unix) => unix.toFixed(1);
const isoOf = (unix) => new Date(unix * 1000).toISOString();

const DEG = Math.PI / 180;
const norm360 = (x) => ((x % 360) + 360) % 360;
const norm180 = (x) => { const y = norm360(x); return y >= 180 ? y - 360 : y; };

// ---------------------------------------------------------------------------
// Delta T (./deltat.mjs): leap-second table from 1972 on, Espenak–Meeus polynomials before.
// The callback gets UT as days since J2000 and must return seconds
// (TerrestrialTime() adds DeltaT(ut)/86400 to ut).
A.SetDeltaTFunction((ut) => deltaTSeconds(unixFromUt(ut)));

const DELTA_T_NOTE = 'DeltaT = 32.184 s + (TAI-UTC) from 1972-01-01 (37 s after 2017-01-01), '
    + 'Espenak-Meeus polynomials before with y = 2000 + (JD_UT - 2451544.5)/365.25';

// ---------------------------------------------------------------------------
// Geocentric apparent places of date.

const KM_PER_AU = A.KM_PER_AU;

// GeoMoon is geometric; for the Moon the light-time and annual-aberration
// shifts cancel to under 1", so it serves as the apparent direction.
function moonPlace(ut) {
    const time = A.MakeTime(ut);
    const eqd = A.RotateVector(A.Rotation_EQJ_EQD(time), A.GeoMoon(time));
    const s = A.SphereFromVector(eqd);
    return { time, raDeg: s.lon, decDeg: s.lat, distKm: s.dist * KM_PER_AU, gastH: A.SiderealTime(time) };
}

function sunPlace(ut) {
    const time = A.MakeTime(ut);
    const eqd = A.RotateVector(A.Rotation_EQJ_EQD(time), A.GeoVector(A.Body.Sun, time, true));
    const s = A.SphereFromVector(eqd);
    return { time, raDeg: s.lon, decDeg: s.lat, distKm: s.dist * KM_PER_AU, gastH: A.SiderealTime(time) };
}

function hourAngleDeg(p, lonDeg) {
    return norm180(p.gastH * 15 + lonDeg - p.raDeg);
}

// Geocentric altitude/azimuth (azimuth from north through east); no refraction.
function altAz(p, latDeg, lonDeg) {
    const H = hourAngleDeg(p, lonDeg) * DEG;
    const phi = latDeg * DEG, dec = p.decDeg * DEG;
    const sinAlt = Math.sin(phi) * Math.sin(dec) + Math.cos(phi) * Math.cos(dec) * Math.cos(H);
    const alt = Math.asin(Math.max(-1, Math.min(1, sinAlt))) / DEG;
    const az = Math.atan2(-Math.cos(dec) * Math.sin(H),
        Math.sin(dec) * Math.cos(phi) - Math.cos(dec) * Math.sin(phi) * Math.cos(H)) / DEG;
    return { alt, az: norm360(az) };
}

const moonParallaxDeg = (distKm) => Math.asin(6378.14 / distKm) / DEG;
const moonH0 = (distKm) => 0.7275 * moonParallaxDeg(distKm) - 34 / 60;

// ---------------------------------------------------------------------------
// Root finding on a sampled function.

const STEP_DAYS = 10 / 1440;
const TOL_DAYS = 0.05 / 86400;

function bisect(f, ta, fa, tb) {
    while (tb - ta > TOL_DAYS) {
        const tm = (ta + tb) / 2;
        const fm = f(tm);
        if ((fm >= 0) === (fa >= 0)) { ta = tm; fa = fm; } else { tb = tm; }
    }
    return (ta + tb) / 2;
}

// Golden-section search for the extremum of f in [a, b]; sense +1 max, -1 min.
function extremum(f, a, b, sense) {
    const g = (Math.sqrt(5) - 1) / 2;
    let c = b - g * (b - a), d = a + g * (b - a);
    let fc = sense * f(c), fd = sense * f(d);
    while (b - a > TOL_DAYS) {
        if (fc > fd) { b = d; d = c; fd = fc; c = b - g * (b - a); fc = sense * f(c); }
        else { a = c; c = d; fc = fd; d = a + g * (b - a); fd = sense * f(d); }
    }
    const t = (a + b) / 2;
    return [t, f(t)];
}

// All zero crossings of f in [t0, t1], sampled every 10 minutes. Local extrema
// close to zero are located too, so a brief graze of the horizon (polar Moon)
// yields its rise/set pair even when both fall inside one sampling step.
function crossings(f, t0, t1) {
    const pts = [];
    for (let t = t0; t <= t1 + 1e-9; t += STEP_DAYS) pts.push([t, f(t)]);
    const extra = [];
    for (let i = 1; i + 1 < pts.length; i++) {
        const [, a] = pts[i - 1], [, b] = pts[i], [, c] = pts[i + 1];
        if ((b - a) * (c - b) >= 0 || Math.abs(b) > 1) continue;
        const [te, fe] = extremum(f, pts[i - 1][0], pts[i + 1][0], b > a ? +1 : -1);
        if ((fe >= 0) !== (b >= 0)) extra.push([te, fe]);
    }
    const all = pts.concat(extra).sort((x, y) => x[0] - y[0]);
    const out = [];
    for (let i = 0; i + 1 < all.length; i++) {
        const [ta, fa] = all[i], [tb, fb] = all[i + 1];
        if ((fa >= 0) !== (fb >= 0)) out.push({ ut: bisect(f, ta, fa, tb), dir: fb >= 0 ? +1 : -1 });
    }
    return out;
}

// Upper transits: the wrapped hour angle passing from negative to positive.
function transits(place, posFn, t0, t1) {
    const f = (ut) => hourAngleDeg(posFn(ut), place.lon);
    return crossings(f, t0, t1)
        .filter((c) => c.dir > 0 && Math.abs(f(c.ut)) < 1)
        .map((c) => c.ut);
}

// ---------------------------------------------------------------------------
// Places.

const PLACES = [
    ['mcmurdo', -77.85, 166.67, 'Antarctica/McMurdo', 2024],
    ['ushuaia', -54.8, -68.3, 'America/Argentina/Ushuaia', 1950],
    ['sydney', -33.87, 151.21, 'Australia/Sydney', 2030],
    ['quito', -0.22, -78.51, 'America/Guayaquil', 1910],
    ['honolulu', 21.31, -157.86, 'Pacific/Honolulu', 2099],
    ['newyork', 40.71, -74.01, 'America/New_York', 2024],
    ['london', 51.51, -0.13, 'Europe/London', 1985],
    ['kashgar', 39.47, 75.99, 'Asia/Shanghai', 2010],
    ['fairbanks', 64.84, -147.72, 'America/Anchorage', 2000],
    ['longyearbyen', 78.22, 15.65, 'Arctic/Longyearbyen', 2024],
].map(([name, lat, lon, zone, year]) => ({
    name, lat, lon, zone, year,
    // Two spare days each side so every local day of the year is covered in any zone.
    from: unixOf(`${year}-01-01T00:00:00Z`) - 2 * 86400,
    to: unixOf(`${year + 1}-01-01T00:00:00Z`) + 2 * 86400,
}));
const placeByName = Object.fromEntries(PLACES.map((p) => [p.name, p]));
const SUN_PLACES = ['newyork', 'london', 'fairbanks', 'longyearbyen', 'quito', 'mcmurdo', 'kashgar'];

const placeComments = (names) => names.map((n) => {
    const p = placeByName[n];
    return `# place ${p.name} lat=${p.lat} lon=${p.lon} zone=${p.zone} from=${fmtUnix(p.from)} (${isoOf(p.from)}) to=${fmtUnix(p.to)} (${isoOf(p.to)})`;
});

// ---------------------------------------------------------------------------
// Output.

mkdirSync(OUT_DIR, { recursive: true });
const written = [];
function writeCsv(name, commentLines, header, rows) {
    const path = join(OUT_DIR, name);
    const text = [...commentLines.map((c) => (c.startsWith('#') ? c : `# ${c}`)), header, ...rows].join('\n') + '\n';
    writeFileSync(path, text);
    written.push(path);
}
const commonComment = [
    `generated by ${GENERATOR}`,
    `instants are Unix seconds of UT (UT1 taken equal to UTC), rounded to 0.1 s; ${DELTA_T_NOTE}`,
];

// --- ΔT sanity -------------------------------------------------------------
console.log('Delta T check (s):');
for (const iso of ['1800-01-01', '1900-01-01', '1950-01-01', '1971-12-31T23:59:59', '1972-01-01', '2000-01-01', '2024-01-01', '2099-12-31']) {
    const unix = unixOf(iso.includes('T') ? `${iso}Z` : `${iso}T00:00:00Z`);
    const t = A.MakeTime(utFromUnix(unix));
    console.log(`  ${iso.padEnd(20)} ours ${((t.tt - t.ut) * 86400).toFixed(3).padStart(8)}`
        + `   library default ${A.DeltaT_EspenakMeeus(t.ut).toFixed(3).padStart(8)}`);
}

// --- ΔT samples ------------------------------------------------------------
{
    const rows = [];
    for (let y = 1800; y <= 2099; y++) {
        for (const md of ['01-01', '07-01']) {
            const unix = unixOf(`${String(y).padStart(4, '0')}-${md}T00:00:00Z`);
            rows.push(`${fmtUnix(unix)},${deltaTSeconds(unix).toFixed(3)}`);
        }
    }
    writeCsv('delta_t.csv', [...commonComment, 'delta_t_s = TT - UT at that instant'], 'unix_ut,delta_t_s', rows);
}

// --- principal phases --------------------------------------------------------
const phaseList = [];   // {q, unix, unixApparent}
{
    const end = unixOf('2100-01-01T00:00:00Z');
    const rows = [];
    let mq = A.SearchMoonQuarter(A.MakeTime(utFromUnix(unixOf('1901-01-01T00:00:00Z'))));
    let worst = 0, sum = 0;
    while (unixFromUt(mq.time.ut) < end) {
        // The library's quarters use the Sun's geometric direction (no annual
        // aberration); almanacs use apparent longitudes, which puts every phase
        // about 40 s earlier. Both are written so either convention can be tested.
        const q = mq.quarter, t = mq.time.ut;
        const f = (ut) => norm180(A.EclipticGeoMoon(ut).lon - A.SunPosition(ut).elon - 90 * q);
        const ta = t - 0.02;
        const app = bisect(f, ta, f(ta), t + 0.02);
        const d = (app - t) * 86400;
        worst = Math.max(worst, Math.abs(d)); sum += d;
        rows.push(`${q},${fmtUnix(unixFromUt(t))},${fmtUnix(unixFromUt(app))}`);
        phaseList.push({ q, unix: unixFromUt(t), unixApparent: unixFromUt(app) });
        mq = A.NextMoonQuarter(mq);
    }
    console.log(`phases: apparent minus library convention: mean ${(sum / rows.length).toFixed(1)} s, max |.| ${worst.toFixed(1)} s`);
    writeCsv('phases_1901_2099.csv', [...commonComment,
        'every principal phase from 1901-01-01T00:00Z to 2100-01-01T00:00Z; phase 0 new, 1 first quarter, 2 full, 3 last quarter',
        'unix_ut: SearchMoonQuarter/NextMoonQuarter, geocentric ecliptic longitude (true equinox of date) of Moon minus Sun = 0/90/180/270 deg, '
        + 'Sun direction geometric (no aberration; SearchMoonQuarter calls GeoVector(Sun, aberration=false))',
        'unix_ut_apparent: same with the Sun apparent longitude (aberration included, SunPosition) and Moon EclipticGeoMoon, '
        + 'the almanac convention; about 40 s earlier than unix_ut'],
        'phase,unix_ut,unix_ut_apparent', rows);
}

// --- seasons -----------------------------------------------------------------
{
    const rows = [];
    for (let y = 1901; y <= 2099; y++) {
        const s = A.Seasons(y);
        rows.push([y, s.mar_equinox, s.jun_solstice, s.sep_equinox, s.dec_solstice]
            .map((v, i) => (i === 0 ? v : fmtUnix(unixFromUt(v.ut)))).join(','));
    }
    writeCsv('seasons_1901_2099.csv', [...commonComment,
        'Seasons(year): Sun apparent geocentric ecliptic longitude (true equinox of date) 0/90/180/270 deg'],
        'year,march_equinox,june_solstice,september_equinox,december_solstice', rows);
}

// --- Moon rise/set/transit -----------------------------------------------------
const moonEvents = [];      // {place, kind, unix}
const moonEngineEvents = [];
for (const p of PLACES) {
    const t0 = utFromUnix(p.from), t1 = utFromUnix(p.to);
    const f = (ut) => {
        const m = moonPlace(ut);
        return altAz(m, p.lat, p.lon).alt - moonH0(m.distKm);
    };
    const evs = crossings(f, t0, t1).map((c) => ({ place: p.name, kind: c.dir > 0 ? 'R' : 'S', ut: c.ut }));
    for (const ut of transits(p, moonPlace, t0, t1)) evs.push({ place: p.name, kind: 'T', ut });
    evs.sort((a, b) => a.ut - b.ut);
    moonEvents.push(...evs);

    const obs = new A.Observer(p.lat, p.lon, 0);
    const eng = [];
    for (const [kind, dir] of [['R', +1], ['S', -1]]) {
        let t = t0;
        for (;;) {
            const ev = A.SearchRiseSet(A.Body.Moon, obs, dir, t, t1 - t);
            if (!ev || ev.ut > t1) break;
            eng.push({ place: p.name, kind, ut: ev.ut });
            t = ev.ut + 1e-4;
        }
    }
    for (let t = t0; ;) {
        const ev = A.SearchHourAngle(A.Body.Moon, obs, 0, t, +1);
        if (ev.time.ut > t1) break;
        eng.push({ place: p.name, kind: 'T', ut: ev.time.ut });
        t = ev.time.ut + 1 / 24;
    }
    eng.sort((a, b) => a.ut - b.ut);
    moonEngineEvents.push(...eng);
    console.log(`moon ${p.name}: ${evs.length} events (engine ${eng.length})`);
}
const eventRows = (evs) => evs.map((e) => `${e.place},${e.kind},${fmtUnix(unixFromUt(e.ut))}`);
writeCsv('moon_events.csv', [...commonComment,
    'Moon, geocentric apparent equatorial coordinates of date (astronomy-engine GeoMoon rotated EQJ->EQD), '
    + 'hour angle H = GAST*15 + lon_east - RA; geographic latitude used directly, no topocentric correction, no refraction',
    'R/S: altitude of the centre rises/falls through h0 = 0.7275*P - 34 arcmin, P = asin(6378.14 km / distance); '
    + 'T: upper transit, H passing 0 (whether or not above the horizon); 10-min sampling, bisection to 0.05 s',
    ...placeComments(PLACES.map((p) => p.name))],
    'place,kind,unix_ut', eventRows(moonEvents));
writeCsv('moon_events_engine.csv', [...commonComment,
    'astronomy-engine own conventions: R/S = SearchRiseSet(Body.Moon, Observer(lat, lon, 0 m), +1/-1): '
    + 'topocentric, top of the limb, 34 arcmin refraction; T = SearchHourAngle(Body.Moon, observer, 0): topocentric upper transit',
    ...placeComments(PLACES.map((p) => p.name))],
    'place,kind,unix_ut', eventRows(moonEngineEvents));

// --- Sun rise/set/twilight/transit -------------------------------------------------
const SUN_KINDS = [['R', 'S', -0.833], ['CD', 'CK', -6], ['ND', 'NK', -12], ['AD', 'AK', -18]];
const sunEvents = [];
const sunEngineEvents = [];
for (const name of SUN_PLACES) {
    const p = placeByName[name];
    const t0 = utFromUnix(p.from), t1 = utFromUnix(p.to);
    // The Sun's place is shared by the four target altitudes; cache it per instant.
    const cache = new Map();
    const sunAlt = (ut) => {
        let a = cache.get(ut);
        if (a === undefined) { a = altAz(sunPlace(ut), p.lat, p.lon).alt; cache.set(ut, a); }
        return a;
    };
    const evs = [];
    for (const [up, down, h] of SUN_KINDS) {
        for (const c of crossings((ut) => sunAlt(ut) - h, t0, t1)) {
            evs.push({ place: name, kind: c.dir > 0 ? up : down, ut: c.ut });
        }
    }
    for (const ut of transits(p, sunPlace, t0, t1)) evs.push({ place: name, kind: 'T', ut });
    evs.sort((a, b) => a.ut - b.ut || a.kind.localeCompare(b.kind));
    sunEvents.push(...evs);

    // Library's SearchAltitude (topocentric centre, no refraction) for comparison only.
    const obs = new A.Observer(p.lat, p.lon, 0);
    for (const [up, down, h] of SUN_KINDS) {
        for (const [kind, dir] of [[up, +1], [down, -1]]) {
            let t = t0;
            for (;;) {
                const ev = A.SearchAltitude(A.Body.Sun, obs, dir, t, t1 - t, h);
                if (!ev || ev.ut > t1) break;
                sunEngineEvents.push({ place: name, kind, ut: ev.ut });
                t = ev.ut + 1e-4;
            }
        }
    }
    console.log(`sun ${name}: ${evs.length} events`);
}
writeCsv('sun_events.csv', [...commonComment,
    'Sun, geocentric apparent equatorial coordinates of date (GeoVector(Sun, aberration) rotated EQJ->EQD; '
    + 'solar parallax NOT applied), H = GAST*15 + lon_east - RA, geographic latitude, no refraction',
    'altitude of the centre crossing: R/S -0.833 deg, CD/CK -6, ND/NK -12, AD/AK -18 (D rising = dawn, K falling = dusk); '
    + 'T: upper transit, H passing 0; 10-min sampling, bisection to 0.05 s',
    ...placeComments(SUN_PLACES)],
    'place,kind,unix_ut', eventRows(sunEvents));

// --- Moon states at pseudo-random instants --------------------------------------
function mulberry32(seed) {
    let a = seed >>> 0;
    return () => {
        a = (a + 0x6D2B79F5) >>> 0;
        let t = a;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}
let maxEclCheck = 0;
{
    const rnd = mulberry32(20240408);
    const lo = unixOf('1901-01-01T00:00:00Z'), hi = unixOf('2100-01-01T00:00:00Z');
    const samples = [];
    for (let i = 0; i < 400; i++) {
        // Round first and compute at the rounded values, so the file is self-consistent.
        const unix = Math.round((lo + rnd() * (hi - lo)) * 10) / 10;
        const lat = Math.round((-85 + 170 * rnd()) * 100) / 100;
        const lon = Math.round((-180 + 360 * rnd()) * 100) / 100;
        samples.push({ unix, lat, lon });
    }
    samples.sort((a, b) => a.unix - b.unix);
    const rows = samples.map(({ unix, lat, lon }) => {
        const ut = utFromUnix(unix);
        const m = moonPlace(ut);
        const ect = A.SphereFromVector(A.RotateVector(A.Rotation_EQJ_ECT(m.time), A.GeoMoon(m.time)));
        maxEclCheck = Math.max(maxEclCheck, Math.abs(norm180(ect.lon - A.EclipticGeoMoon(m.time).lon)));
        const dpsiDeg = A.e_tilt(m.time).dpsi / 3600;
        const h = altAz(m, lat, lon);
        return [
            fmtUnix(unix), lat.toFixed(2), lon.toFixed(2),
            norm360(ect.lon).toFixed(6), norm360(A.SunPosition(m.time).elon).toFixed(6),
            m.distKm.toFixed(3), (norm360(m.raDeg) / 15).toFixed(7), m.decDeg.toFixed(6),
            h.alt.toFixed(6), h.az.toFixed(6), A.Illumination(A.Body.Moon, m.time).phase_fraction.toFixed(6),
            norm360(ect.lon - dpsiDeg).toFixed(6), ect.lat.toFixed(6),
            ((m.time.tt - m.time.ut) * 86400).toFixed(3), m.gastH.toFixed(7),
        ].join(',');
    });
    writeCsv('moon_states.csv', [...commonComment,
        '400 instants drawn with mulberry32(seed 20240408) over 1901-2099, sorted; lat/lon (east +) of a random place for altitude/azimuth',
        'Moon geocentric, astronomy-engine GeoMoon (geometric; light-time and aberration net < 1 arcsec, not applied). '
        + 'moon_ecl_lon_deg/moon_ecl_lat_deg: true ecliptic and equinox of date, i.e. WITH nutation in longitude; '
        + 'moon_ecl_lon_mean_deg = moon_ecl_lon_deg - dpsi (mean equinox of date, no nutation)',
        'sun_ecl_lon_deg: Sun apparent geocentric longitude (light-time/aberration and nutation, true equinox of date; SunPosition); '
        + 'distance_km: Earth centre to Moon centre; ra_hours/dec_deg: true equator and equinox of date',
        'altitude_deg/azimuth_deg_from_north: geocentric (no parallax, no refraction) from GAST, azimuth from north through east; '
        + 'illum_fraction: geocentric illuminated fraction (Illumination(Moon).phase_fraction); delta_t_s = TT-UT; gast_hours = Greenwich apparent sidereal time'],
        'unix_ut,lat,lon,moon_ecl_lon_deg,sun_ecl_lon_deg,distance_km,ra_hours,dec_deg,altitude_deg,azimuth_deg_from_north,'
        + 'illum_fraction,moon_ecl_lon_mean_deg,moon_ecl_lat_deg,delta_t_s,gast_hours', rows);
}

// --- Places -----------------------------------------------------------------------
writeCsv('places.csv', [`generated by ${GENERATOR}`, 'places and UT spans (Unix seconds) used by moon_events*.csv and sun_events.csv; lon east-positive'],
    'place,lat,lon,zone,from_unix_ut,to_unix_ut,sun_events',
    PLACES.map((p) => [p.name, p.lat, p.lon, p.zone, fmtUnix(p.from), fmtUnix(p.to), SUN_PLACES.includes(p.name) ? 1 : 0].join(',')));

// ---------------------------------------------------------------------------
// Checks and comparisons (console only).

console.log(`\nmax |vector ECT longitude - EclipticGeoMoon| = ${(maxEclCheck * 3600).toFixed(4)} arcsec`);

function nearestPhase(iso, quarter) {
    const target = unixOf(iso);
    const p = phaseList.filter((e) => e.q === quarter)
        .reduce((a, b) => (Math.abs(a.unix - target) < Math.abs(b.unix - target) ? a : b));
    return `${isoOf(p.unix)} (apparent-Sun convention ${isoOf(p.unixApparent)})`;
}
console.log('new moon near 2024-04-08 :', nearestPhase('2024-04-08T12:00:00Z', 0), '(expect ~18:21 UT)');
console.log('full moon near 2019-01-21:', nearestPhase('2019-01-21T00:00:00Z', 2), '(expect ~05:16 UT)');
console.log('March equinox 2024       :', isoOf(unixFromUt(A.Seasons(2024).mar_equinox.ut)), '(expect ~03:06 UT)');

const quantile = (xs, q) => {
    if (xs.length === 0) return NaN;
    const s = [...xs].sort((a, b) => a - b);
    return s[Math.min(s.length - 1, Math.floor(q * s.length))];
};
const localDay = (() => {
    const fmts = {};
    return (zone, ut) => {
        fmts[zone] ??= new Intl.DateTimeFormat('en-CA', { timeZone: zone, year: 'numeric', month: '2-digit', day: '2-digit' });
        return fmts[zone].format(new Date(unixFromUt(ut) * 1000));
    };
})();

function compare(label, ours, theirs, kinds) {
    console.log(`\n${label}`);
    for (const kindSet of kinds) {
        const diffs = [];
        let unmatched = 0, dayMismatch = 0, days = 0;
        const perPlace = {};
        for (const p of PLACES) {
            const a = ours.filter((e) => e.place === p.name && kindSet.includes(e.kind));
            const b = theirs.filter((e) => e.place === p.name && kindSet.includes(e.kind));
            if (a.length === 0 && b.length === 0) continue;
            let worst = 0;
            for (const e of a) {
                let best = Infinity;
                for (const g of b) if (g.kind === e.kind) best = Math.min(best, Math.abs(g.ut - e.ut) * 86400);
                if (best < 3600) { diffs.push(best); worst = Math.max(worst, best); } else unmatched++;
            }
            // Count local days (in the place's own zone, within its calendar year)
            // where the two lists disagree on how many events of some kind occur.
            const count = (list) => {
                const m = new Map();
                for (const e of list) {
                    const d = localDay(p.zone, e.ut);
                    if (!d.startsWith(String(p.year))) continue;
                    const k = `${d}|${e.kind}`;
                    m.set(k, (m.get(k) || 0) + 1);
                }
                return m;
            };
            const ca = count(a), cb = count(b);
            const bad = new Set();
            for (const k of new Set([...ca.keys(), ...cb.keys()])) if ((ca.get(k) || 0) !== (cb.get(k) || 0)) bad.add(k.split('|')[0]);
            dayMismatch += bad.size;
            if (bad.size > 0 && bad.size <= 5) console.log(`    ${p.name}: differing local days ${[...bad].join(' ')}`);
            days += new Set([...ca.keys(), ...cb.keys()].map((k) => k.split('|')[0])).size;
            perPlace[p.name] = `${worst.toFixed(1)}s/${bad.size}d`;
        }
        console.log(`  kinds ${kindSet.join('/')}: matched ${diffs.length}, unmatched(>1h) ${unmatched}, `
            + `median ${quantile(diffs, 0.5).toFixed(2)} s, p99 ${quantile(diffs, 0.99).toFixed(2)} s, max ${quantile(diffs, 1).toFixed(2)} s, `
            + `local days with differing event counts ${dayMismatch}`);
        console.log(`    per place (max diff / mismatched days): ${JSON.stringify(perPlace)}`);
    }
}
compare('Moon: geocentric definition vs astronomy-engine SearchRiseSet/SearchHourAngle', moonEvents, moonEngineEvents, [['R', 'S'], ['T']]);
compare('Sun: geocentric (no parallax) vs astronomy-engine SearchAltitude (topocentric)', sunEvents, sunEngineEvents,
    [['R', 'S'], ['CD', 'CK'], ['ND', 'NK'], ['AD', 'AK']]);

console.log('\nfiles:');
for (const path of written) console.log(`  ${relative(join(HERE, '..', '..'), path)}  ${statSync(path).size} bytes`);
