// SPDX-License-Identifier: MIT
//
// Reference instants of the principal Moon phases 1901-01-01 .. 2100-01-01 (UT)
// from the Swiss Ephemeris (npm package "sweph") with its compressed JPL files
// (semo_18.se1 / sepl_18.se1). A phase instant is when the Moon's apparent
// geocentric ecliptic longitude (true equinox of date) minus the Sun's equals
// 90° × phase. The root is found in TT; UT follows from ../reference/deltat.mjs.
//
// Usage: node phases.mjs [--ephe-path DIR] [--moshier] [--out-dir DIR]
//   default ephemeris path: $SE_EPHE_PATH or /usr/share/libswe/ephe
//   (Debian package swe-basic-data). Writes, in --out-dir (default /tmp):
//     swe_phases.csv          phase,jd_tt                (main result)
//     swe_phases_detail.csv   phase,jd_tt,unix_ut,d_moon_geometric_s,d_both_geometric_s
//     swe_check.txt           settings and samples

import sweph from 'sweph';
import { writeFileSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { unixOf, jdTtFromUnixUt, unixUtFromJdTt } from '../reference/deltat.mjs';

const args = process.argv.slice(2);
const opt = (name, dflt) => {
    const i = args.indexOf(name);
    return i >= 0 ? args[i + 1] : dflt;
};
const useMoshier = args.includes('--moshier');
const ephePath = opt('--ephe-path', process.env.SE_EPHE_PATH || '/usr/share/libswe/ephe');
const outDir = opt('--out-dir', '/tmp');

const C = sweph.constants;
sweph.set_ephe_path(ephePath);

const EPHE = useMoshier ? C.SEFLG_MOSEPH : C.SEFLG_SWIEPH;
// Default flags = apparent place: light time, annual aberration, deflection,
// nutation, true ecliptic and equinox of date.
const FLAGS_APPARENT = EPHE | C.SEFLG_SPEED;
const FLAGS_GEOMETRIC = EPHE | C.SEFLG_SPEED | C.SEFLG_TRUEPOS; // still of date, with nutation

function calc(jdTt, body, flags) {
    const r = sweph.calc(jdTt, body, flags);
    if (r.error && r.flag < 0) throw new Error(`swe_calc(${jdTt}, ${body}): ${r.error}`);
    // Refuse a silent fallback to another ephemeris.
    const ephBits = C.SEFLG_JPLEPH | C.SEFLG_SWIEPH | C.SEFLG_MOSEPH;
    if ((r.flag & ephBits) !== (flags & ephBits)) {
        throw new Error(`ephemeris fallback at JD ${jdTt} (asked ${flags & ephBits}, got ${r.flag & ephBits}): ${r.error}`);
    }
    return r.data; // [lon, lat, dist, lonSpeed, latSpeed, distSpeed]
}

const norm180 = (x) => { const y = ((x % 360) + 360) % 360; return y >= 180 ? y - 360 : y; };

// Longitude difference Moon − Sun − 90°·q (degrees, in [−180, 180)) and its rate (deg/day).
function phaseFn(jdTt, q, moonFlags, sunFlags) {
    const m = calc(jdTt, C.SE_MOON, moonFlags);
    const s = calc(jdTt, C.SE_SUN, sunFlags);
    return [norm180(m[0] - s[0] - 90 * q), m[3] - s[3]];
}

const TOL_DAYS = 1e-4 / 86400; // 0.1 ms; doubles near JD 2.4e6 resolve ~40 µs

// Newton iteration on the longitude difference, using the analytic speeds;
// falls back to a secant step if a speed looks unusable.
function solve(jd0, q, moonFlags, sunFlags) {
    let t = jd0;
    let [f, d] = phaseFn(t, q, moonFlags, sunFlags);
    let tPrev = null, fPrev = null;
    for (let i = 0; i < 30; i++) {
        let step;
        if (d > 5 && d < 20) step = -f / d;
        else if (tPrev !== null && f !== fPrev) step = -f * (t - tPrev) / (f - fPrev);
        else step = -f / 12.19;
        tPrev = t; fPrev = f;
        t += step;
        [f, d] = phaseFn(t, q, moonFlags, sunFlags);
        if (Math.abs(step) < TOL_DAYS) {
            // one last Newton correction, then done
            t += -f / d;
            return t;
        }
    }
    throw new Error(`no convergence near JD ${jd0}, phase ${q}`);
}

// Mean-phase first guess (Meeus, Astronomical Algorithms ch. 49), JDE for lunation k (+0.25 per quarter).
function meanPhaseJde(k) {
    const T = k / 1236.85;
    return 2451550.09766 + 29.530588861 * k + T * T * (0.00015437 + T * (-0.000000150 + T * 0.00000000073));
}

const startUnix = unixOf('1901-01-01T00:00:00Z');
const endUnix = unixOf('2100-01-01T00:00:00Z');
const startTt = jdTtFromUnixUt(startUnix);
const endTt = jdTtFromUnixUt(endUnix);

const kFirst = Math.floor((startTt - 2451550.09766) / 29.530588861) - 1;
const kLast = Math.ceil((endTt - 2451550.09766) / 29.530588861) + 1;

const rows = [];
for (let k = kFirst; k <= kLast; k++) {
    for (let q = 0; q < 4; q++) {
        const guess = meanPhaseJde(k + q / 4);
        if (guess < startTt - 2 || guess > endTt + 2) continue;
        const jd = solve(guess, q, FLAGS_APPARENT, FLAGS_APPARENT);
        const unix = unixUtFromJdTt(jd);
        if (unix < startUnix || unix >= endUnix) continue;
        // Diagnostic variants (seconds relative to the main result):
        //  Moon geometric (no light time / aberration), Sun apparent
        //  Moon and Sun geometric
        const jdMg = solve(jd, q, FLAGS_GEOMETRIC, FLAGS_APPARENT);
        const jdGg = solve(jd, q, FLAGS_GEOMETRIC, FLAGS_GEOMETRIC);
        rows.push({ q, jd, unix, dMg: (jdMg - jd) * 86400, dGg: (jdGg - jd) * 86400 });
    }
}
rows.sort((a, b) => a.jd - b.jd);
for (let i = 1; i < rows.length; i++) {
    if (rows[i].jd - rows[i - 1].jd < 5) throw new Error(`duplicate phase near JD ${rows[i].jd}`);
    if (rows[i].q !== (rows[i - 1].q + 1) % 4) throw new Error(`phase sequence broken near JD ${rows[i].jd}`);
}

// Ephemeris files actually used (only meaningful with SEFLG_SWIEPH).
const files = [];
if (!useMoshier) {
    for (let i = 0; i < 2; i++) {
        try { files.push(sweph.get_current_file_data(i)); } catch { /* none */ }
    }
}

writeFileSync(join(outDir, 'swe_phases.csv'),
    'phase,jd_tt\n' + rows.map((r) => `${r.q},${r.jd.toFixed(10)}`).join('\n') + '\n');
writeFileSync(join(outDir, 'swe_phases_detail.csv'),
    'phase,jd_tt,unix_ut,d_moon_geometric_s,d_both_geometric_s\n'
    + rows.map((r) => `${r.q},${r.jd.toFixed(10)},${r.unix.toFixed(3)},${r.dMg.toFixed(3)},${r.dGg.toFixed(3)}`).join('\n') + '\n');

const mean = (a) => a.reduce((s, x) => s + x, 0) / a.length;
const names = ['new', 'first quarter', 'full', 'last quarter'];
const check = [];
check.push(`Swiss Ephemeris ${sweph.version()} via npm sweph`);
check.push(`ephemeris: ${useMoshier ? 'Moshier (SEFLG_MOSEPH, built in)' : 'SEFLG_SWIEPH, path ' + ephePath}`);
for (const f of files) check.push(`  file ${f.path} JD ${f.start}..${f.end} DE${f.denum}`);
check.push('flags: SEFLG_SPEED (apparent places, true equinox of date, nutation IAU2000B, precession Vondrak 2011)');
check.push(`phases: ${rows.length} from ${new Date(rows[0].unix * 1000).toISOString()} to ${new Date(rows.at(-1).unix * 1000).toISOString()}`);
check.push(`diagnostic, mean shift (s) if the Moon is taken geometric: ${mean(rows.map((r) => r.dMg)).toFixed(3)} `
    + `(min ${Math.min(...rows.map((r) => r.dMg)).toFixed(3)}, max ${Math.max(...rows.map((r) => r.dMg)).toFixed(3)})`);
check.push(`diagnostic, mean shift (s) if Moon and Sun are taken geometric: ${mean(rows.map((r) => r.dGg)).toFixed(3)}`);
check.push('');
check.push('samples: phase, JD TT, UT (deltat.mjs convention), residual of Moon-Sun longitude at the instant (arcsec)');
const sampleIdx = [0, 1, 2, 3, 1234, Math.floor(rows.length / 2), 7000, rows.length - 1];
for (const i of sampleIdx) {
    const r = rows[i];
    const [f] = phaseFn(r.jd, r.q, FLAGS_APPARENT, FLAGS_APPARENT);
    const m = calc(r.jd, C.SE_MOON, FLAGS_APPARENT), s = calc(r.jd, C.SE_SUN, FLAGS_APPARENT);
    check.push(`${r.q} ${names[r.q].padEnd(13)} JD_TT ${r.jd.toFixed(10)}  UT ${new Date(Math.round(r.unix * 1000)).toISOString()}`
        + `  lonMoon ${m[0].toFixed(6)} lonSun ${s[0].toFixed(6)}  resid ${(f * 3600).toExponential(2)}"`);
}
// Known published instants for a sanity check (UT, to the minute).
check.push('');
check.push('sanity: 2000-01-06 new moon is published as 18:14 UT; 2024-04-08 new moon as 18:21 UT');
for (const iso of ['2000-01-06T18:14:00Z', '2024-04-08T18:21:00Z']) {
    const u = unixOf(iso);
    const r = rows.reduce((b, x) => (Math.abs(x.unix - u) < Math.abs(b.unix - u) ? x : b));
    check.push(`  nearest computed: ${new Date(Math.round(r.unix * 1000)).toISOString()} (phase ${r.q})`);
}
writeFileSync(join(outDir, 'swe_check.txt'), check.join('\n') + '\n');
console.log(check.join('\n'));
if (!existsSync(join(outDir, 'swe_phases.csv'))) process.exit(1);
