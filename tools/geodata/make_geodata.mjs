// SPDX-License-Identifier: MIT
// Builds Lunafold/resources/geodata/ from npm data packages:
//   places.tsv  populated places (city-timezones, Natural Earth)
//   tzgrid.bin  time-zone grid (@photostructure/tz-lookup), qCompress-framed zlib
// Usage: npm ci && node make_geodata.mjs
import { createRequire } from 'node:module';
import { writeFileSync, mkdirSync } from 'node:fs';
import { deflateSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import path from 'node:path';

const require = createRequire(import.meta.url);
const tzlookup = require('@photostructure/tz-lookup');
const cities = require('city-timezones/data/cityMap.json');

const here = path.dirname(fileURLToPath(import.meta.url));
const outDir = path.resolve(here, '../../Lunafold/resources/geodata');
mkdirSync(outDir, { recursive: true });

// ---- places -------------------------------------------------------------
const clean = (s) => String(s ?? '').replace(/[\t\r\n]+/g, ' ').trim();
const rows = cities
  .filter((c) => Number.isFinite(c.lat) && Number.isFinite(c.lng) && clean(c.city))
  .map((c) => [c.lat.toFixed(5), c.lng.toFixed(5), clean(c.city), clean(c.province), clean(c.country)])
  // Stable order so regenerating gives an identical file.
  .sort((a, b) => (a[4] + a[3] + a[2] + a[0]).localeCompare(b[4] + b[3] + b[2] + b[0]));
const placesText = '# lat\tlon\tlocality\tadmin_area\tcountry\n' + rows.map((r) => r.join('\t')).join('\n') + '\n';
writeFileSync(path.join(outDir, 'places.tsv'), placesText);

// ---- time-zone grid -----------------------------------------------------
// Base cells of STEP degrees; a cell whose SUB x SUB samples disagree keeps them all,
// which resolves borders (e.g. the Detroit River) at STEP/SUB degrees.
const STEP = 0.1, SUB = 10;
const COLS = Math.round(360 / STEP), ROWS = Math.round(180 / STEP);
const REFINED = 0xffff;
const FINE = STEP / SUB;

const zoneIds = new Map();
const zoneOf = (name) => {
  let id = zoneIds.get(name);
  if (id === undefined) { id = zoneIds.size; zoneIds.set(name, id); }
  return id;
};

const base = new Uint16Array(COLS * ROWS);
const refined = []; // [cellIndex, Uint16Array(SUB*SUB)]
const sample = new Uint16Array(SUB * SUB);
for (let r = 0; r < ROWS; ++r) {
  for (let c = 0; c < COLS; ++c) {
    let same = true;
    for (let i = 0; i < SUB; ++i) {
      const lat = 90 - (r * SUB + i + 0.5) * FINE;
      for (let j = 0; j < SUB; ++j) {
        const lon = -180 + (c * SUB + j + 0.5) * FINE;
        const z = zoneOf(tzlookup(lat, lon));
        sample[i * SUB + j] = z;
        if (z !== sample[0]) same = false;
      }
    }
    const cell = r * COLS + c;
    if (same) base[cell] = sample[0];
    else { base[cell] = REFINED; refined.push([cell, Uint16Array.from(sample)]); }
  }
}

// Renumber zones alphabetically for a deterministic file.
const names = [...zoneIds.keys()].sort();
const remap = new Uint16Array(zoneIds.size);
names.forEach((n, i) => { remap[zoneIds.get(n)] = i; });
const mapZone = (z) => (z === REFINED ? REFINED : remap[z]);

// Runs per row: (startCol u16, zone u16).
const runs = [];
const rowStart = new Uint32Array(ROWS + 1);
for (let r = 0; r < ROWS; ++r) {
  rowStart[r] = runs.length / 2;
  let prev = -1;
  for (let c = 0; c < COLS; ++c) {
    const z = mapZone(base[r * COLS + c]);
    if (z !== prev) { runs.push(c, z); prev = z; }
  }
}
rowStart[ROWS] = runs.length / 2;

const nameBytes = names.map((n) => Buffer.from(n, 'utf8'));
const size = 4 * 8 + nameBytes.reduce((s, b) => s + 1 + b.length, 0) + 4 * (ROWS + 1)
  + 2 * runs.length + refined.length * (4 + 2 * SUB * SUB);
const buf = Buffer.alloc(size);
let o = 0;
const u32 = (v) => { buf.writeUInt32LE(v, o); o += 4; };
const u16 = (v) => { buf.writeUInt16LE(v, o); o += 2; };
buf.write('LFTZ', o, 'latin1'); o += 4;
u32(1); u32(COLS); u32(ROWS); u32(SUB); u32(names.length); u32(runs.length / 2); u32(refined.length);
for (const b of nameBytes) { buf.writeUInt8(b.length, o); o += 1; b.copy(buf, o); o += b.length; }
for (const v of rowStart) u32(v);
for (const v of runs) u16(v);
for (const [cell] of refined) u32(cell); // ascending, for binary search
for (const [, s] of refined) for (const z of s) u16(remap[z]);
if (o !== size) throw new Error(`size mismatch ${o} != ${size}`);

// qUncompress() framing: big-endian uncompressed length, then a zlib stream.
const z = deflateSync(buf, { level: 9 });
const framed = Buffer.alloc(4 + z.length);
framed.writeUInt32BE(buf.length, 0);
z.copy(framed, 4);
writeFileSync(path.join(outDir, 'tzgrid.bin'), framed);

console.log(`places: ${rows.length} (${placesText.length} bytes)`);
console.log(`zones: ${names.length}, runs: ${runs.length / 2}, refined cells: ${refined.length}`);
console.log(`tzgrid.bin: ${framed.length} bytes (${buf.length} uncompressed)`);
