// SPDX-License-Identifier: MIT
// Measures how often tzgrid.bin gives geo-tz's own answer at random points it was not sampled at
// (on land, at sea, near borders), and writes a held-out set with geo-tz's answers for the C++ test
// (Lunafold/tests/data/zone-points.tsv). Usage: node check_zones.mjs [points per kind, default 4000]
import { readFileSync, writeFileSync } from 'node:fs';
import { inflateSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import { find } from 'geo-tz/all';

const here = path.dirname(fileURLToPath(import.meta.url));
const perKind = Number(process.argv[2] ?? 4000);

// The same lookup as ReverseGeocoder::zoneAt.
const bytes = inflateSync(readFileSync(path.join(here, '../../Lunafold/resources/geodata/tzgrid.bin')).subarray(4));
let o = 4;
const u32 = () => { const v = bytes.readUInt32LE(o); o += 4; return v; };
const u16 = () => { const v = bytes.readUInt16LE(o); o += 2; return v; };
u32();
const cols = u32(), rows = u32(), sub = u32(), zoneCount = u32(), runCount = u32(), refinedCount = u32();
const zones = [];
for (let i = 0; i < zoneCount; ++i) { const n = bytes[o++]; zones.push(bytes.toString('utf8', o, o + n)); o += n; }
const rowStart = Array.from({ length: rows + 1 }, u32);
const runs = Array.from({ length: runCount * 2 }, u16);
const cells = Array.from({ length: refinedCount }, u32);
const samplesAt = o;
const gridZone = (lat, lon) => {
  const fr = Math.min(rows * sub - 1, Math.max(0, Math.floor((90 - lat) * rows * sub / 180)));
  const fc = Math.min(cols * sub - 1, Math.max(0, Math.floor((lon + 180) * cols * sub / 360)));
  const row = Math.floor(fr / sub), col = Math.floor(fc / sub);
  let lo = rowStart[row], hi = rowStart[row + 1];
  while (hi - lo > 1) { const mid = (lo + hi) >> 1; if (runs[2 * mid] <= col) lo = mid; else hi = mid; }
  let z = runs[2 * lo + 1];
  if (z === 0xffff) {
    let a = 0, b = cells.length;
    const cell = row * cols + col;
    while (a < b) { const m = (a + b) >> 1; if (cells[m] < cell) a = m + 1; else b = m; }
    z = bytes.readUInt16LE(samplesAt + 2 * (a * sub * sub + (fr % sub) * sub + (fc % sub)));
  }
  return zones[z];
};

// A fixed seed: the same points every run.
let seed = 0x1f2e3d4c;
const random = () => {
  seed = (seed + 0x6d2b79f5) >>> 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};
const randomPoint = () => [Math.asin(2 * random() - 1) * 180 / Math.PI, random() * 360 - 180];
const truth = (lat, lon) => find(lat, lon)[0];
const atSea = (z) => z.startsWith('Etc/');
const nearBorder = (lat, lon, z) => [[0.05, 0], [-0.05, 0], [0, 0.05], [0, -0.05]]
  .some(([a, b]) => Math.abs(lat + a) < 90 && Math.abs(lon + b) < 180 && truth(lat + a, lon + b) !== z);

const kinds = { land: [], sea: [], border: [] };
// Named borders people live on.
const named = [
  [35.8714, -110.6226, 'Hopi: Second Mesa'], [36.1336, -111.2399, 'Navajo: Tuba City'],
  [56.4977, 84.9744, 'Tomsk'], [56.8389, 60.6057, 'Yekaterinburg'], [42.3174, -83.0367, 'Windsor'],
  [42.3314, -83.0458, 'Detroit'], [47.6980, 8.6850, 'Busingen'], [47.6965, 8.6345, 'Schaffhausen'],
];
for (const [lat, lon] of named) kinds.border.push([lat, lon, truth(lat, lon)]);
while (kinds.land.length < perKind || kinds.sea.length < perKind || kinds.border.length < perKind) {
  const [lat, lon] = randomPoint();
  const z = truth(lat, lon);
  const kind = atSea(z) ? 'sea' : 'land';
  if (kinds[kind].length < perKind) kinds[kind].push([lat, lon, z]);
  // Border points: a random point moved onto a zone edge of the grid's resolution, kept if geo-tz
  // answers differently within 0.05°.
  if (kinds.border.length < perKind && !atSea(z)) {
    const dLat = (random() - 0.5) * 1.0, dLon = (random() - 0.5) * 1.0;
    const p = [lat + dLat, lon + dLon];
    if (Math.abs(p[0]) < 89.9 && Math.abs(p[1]) < 179.9) {
      const zp = truth(p[0], p[1]);
      if (nearBorder(p[0], p[1], zp)) kinds.border.push([p[0], p[1], zp]);
    }
  }
}

for (const [kind, list] of Object.entries(kinds)) {
  const agree = list.filter(([lat, lon, z]) => gridZone(lat, lon) === z).length;
  console.log(`${kind}: ${agree} of ${list.length} agree (${(100 * agree / list.length).toFixed(2)} %)`);
}
const lines = ['# lat\tlon\tzone\tkind (geo-tz/all answers at random points; tools/geodata/check_zones.mjs)'];
for (const [kind, list] of Object.entries(kinds))
  for (const [lat, lon, z] of list.slice(0, 400)) lines.push(`${lat.toFixed(5)}\t${lon.toFixed(5)}\t${z}\t${kind}`);
writeFileSync(path.join(here, '../../Lunafold/tests/data/zone-points.tsv'), lines.join('\n') + '\n');
