// SPDX-License-Identifier: MIT
//
// Compares the Swiss Ephemeris phase instants (from phases.mjs) with the
// astronomy-engine table astronomy/tests/data/phases_1901_2099.csv.
// Both are put on TT: the table's UT + ΔT(UT) from ../reference/deltat.mjs.
//
// Usage: node compare.mjs [SWE_DETAIL_CSV] [TABLE_CSV]
//   defaults: /tmp/swe_phases_detail.csv and the repo table.
// Differences are swe − astronomy-engine, in seconds (positive: swe later).

import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { jdTtFromUnixUt } from '../reference/deltat.mjs';

const HERE = dirname(fileURLToPath(import.meta.url));
const sweFile = process.argv[2] || '/tmp/swe_phases_detail.csv';
const tableFile = process.argv[3] || join(HERE, '..', '..', 'astronomy', 'tests', 'data', 'phases_1901_2099.csv');

const readCsv = (file) => {
    const lines = readFileSync(file, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'));
    const head = lines[0].split(',');
    return lines.slice(1).map((l) => Object.fromEntries(l.split(',').map((v, i) => [head[i], Number(v)])));
};

const swe = readCsv(sweFile);
const ae = readCsv(tableFile);
if (swe.length !== ae.length) console.log(`WARNING: row counts differ: swe ${swe.length}, table ${ae.length}`);

function stats(d) {
    const a = d.map(Math.abs).sort((x, y) => x - y);
    const q = (p) => a[Math.min(a.length - 1, Math.floor(p * (a.length - 1) + 0.5))];
    const mean = d.reduce((s, x) => s + x, 0) / d.length;
    const sd = Math.sqrt(d.reduce((s, x) => s + (x - mean) ** 2, 0) / (d.length - 1));
    const rms = Math.sqrt(d.reduce((s, x) => s + x * x, 0) / d.length);
    return { n: d.length, mean, sd, rms, median: q(0.5), p99: q(0.99), max: a.at(-1) };
}
const fmt = (s) => `n=${s.n}  |d| median ${s.median.toFixed(2)}  p99 ${s.p99.toFixed(2)}  max ${s.max.toFixed(2)}`
    + `  | mean ${s.mean >= 0 ? '+' : ''}${s.mean.toFixed(2)}  sd ${s.sd.toFixed(2)}  rms ${s.rms.toFixed(2)}`;

const pairs = [];
let j = 0;
for (const s of swe) {
    // tables are in the same order; match on phase number and nearest instant
    while (j < ae.length && jdTtFromUnixUt(ae[j].unix_ut_apparent) < s.jd_tt - 3) j++;
    const a = ae[j];
    if (!a || a.phase !== s.phase) throw new Error(`no match for phase ${s.phase} at JD TT ${s.jd_tt}`);
    const aeAppTt = jdTtFromUnixUt(a.unix_ut_apparent);
    const aeLibTt = jdTtFromUnixUt(a.unix_ut);
    const year = 2000 + (s.jd_tt - 2451545) / 365.25;
    pairs.push({
        q: s.phase, year,
        dApp: (s.jd_tt - aeAppTt) * 86400,                                 // both apparent
        dAppMg: (s.jd_tt - aeAppTt) * 86400 + s.d_moon_geometric_s,        // same convention as the table's apparent column
        dLib: (s.jd_tt - aeLibTt) * 86400 + s.d_both_geometric_s,          // vs library column, both geometric
    });
}

const out = [];
out.push(`swe: ${sweFile}`);
out.push(`table: ${tableFile}`);
out.push('');
out.push('1) swe apparent (Moon and Sun apparent)  vs  table unix_ut_apparent:');
out.push('   ' + fmt(stats(pairs.map((p) => p.dApp))));
for (let q = 0; q < 4; q++) out.push(`   phase ${q}: ` + fmt(stats(pairs.filter((p) => p.q === q).map((p) => p.dApp))));
for (const [lo, hi] of [[1900, 1950], [1950, 2000], [2000, 2050], [2050, 2101]]) {
    out.push(`   ${lo}-${hi}: ` + fmt(stats(pairs.filter((p) => p.year >= lo && p.year < hi).map((p) => p.dApp))));
}
out.push('');
out.push('2) swe with the table\'s apparent convention (Moon geometric, Sun apparent)  vs  unix_ut_apparent:');
out.push('   ' + fmt(stats(pairs.map((p) => p.dAppMg))));
out.push('');
out.push('3) swe with Moon and Sun geometric  vs  table unix_ut (library SearchMoonQuarter):');
out.push('   ' + fmt(stats(pairs.map((p) => p.dLib))));
out.push('');
const worst = [...pairs].sort((a, b) => Math.abs(b.dApp) - Math.abs(a.dApp)).slice(0, 5);
out.push('largest |swe apparent - table apparent|:');
for (const p of worst) out.push(`   year ${p.year.toFixed(3)} phase ${p.q}: ${p.dApp.toFixed(2)} s`);
console.log(out.join('\n'));
