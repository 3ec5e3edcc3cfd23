// SPDX-License-Identifier: MIT
// Rasterises timezone-boundary-builder's zones (as packaged by geo-tz, ocean zones included) onto a
// 0.01° grid, sampling each cell at its centre with the same rules as geo-tz's own lookup.
import { readFileSync, openSync, readSync, closeSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import Pbf from 'pbf';
import geobuf from 'geobuf';

// geo-tz exports only its code; its data files are read from the package folder.
const dataDir = path.join(path.dirname(fileURLToPath(import.meta.url)), 'node_modules/geo-tz/data');
export const FINE = 0.01;
export const FINE_ROWS = 18000, FINE_COLS = 36000;

// geo-tz's ocean bands: the first band whose edges enclose the longitude.
export function seaZone(lon) {
  if (lon <= -172.5) return 'Etc/GMT+12';
  const n = Math.ceil((lon - 7.5) / 15); // east of Greenwich: Etc/GMT-n
  if (n === 0) return 'Etc/GMT';
  return n > 0 ? `Etc/GMT-${n}` : `Etc/GMT+${-n}`;
}

export function loadIndex() {
  return JSON.parse(readFileSync(path.join(dataDir, 'timezones.geojson.index.json'), 'utf8'));
}

// Returns { names: [], grid: Uint16Array(FINE_ROWS * FINE_COLS) } with indices into names.
export function rasterise() {
  const index = loadIndex();
  const names = [];
  const ids = new Map();
  const idOf = (n) => {
    let id = ids.get(n);
    if (id === undefined) { id = names.length; ids.set(n, id); names.push(n); }
    return id;
  };
  const grid = new Uint16Array(FINE_ROWS * FINE_COLS);
  const fd = openSync(path.join(dataDir, 'timezones.geojson.geo.dat'), 'r');
  const seaIds = new Uint16Array(FINE_COLS);
  for (let j = 0; j < FINE_COLS; ++j) seaIds[j] = idOf(seaZone(-180 + (j + 0.5) * FINE));

  // Fine rows/columns whose centres lie in [lo, hi).
  const rowRange = (bottom, top) => [Math.max(0, Math.ceil((90 - top) / FINE - 0.5)),
    Math.min(FINE_ROWS, Math.ceil((90 - bottom) / FINE - 0.5))];
  const colRange = (left, right) => [Math.max(0, Math.ceil((left + 180) / FINE - 0.5)),
    Math.min(FINE_COLS, Math.ceil((right + 180) / FINE - 0.5))];
  const fixRows = ([r0, r1], bottom, top) => {
    // rows whose centre is in [bottom, top): adjust for the exact comparisons
    while (r0 < r1 && 90 - (r0 + 0.5) * FINE >= top) ++r0;
    while (r0 > 0 && 90 - (r0 - 0.5) * FINE < top) --r0;
    while (r1 > r0 && 90 - (r1 - 0.5) * FINE < bottom) --r1;
    while (r1 < FINE_ROWS && 90 - (r1 + 0.5) * FINE >= bottom) ++r1;
    return [r0, r1];
  };
  const fixCols = ([c0, c1], left, right) => {
    while (c0 < c1 && -180 + (c0 + 0.5) * FINE < left) ++c0;
    while (c0 > 0 && -180 + (c0 - 0.5) * FINE >= left) --c0;
    while (c1 > c0 && -180 + (c1 - 0.5) * FINE >= right) --c1;
    while (c1 < FINE_COLS && -180 + (c1 + 0.5) * FINE < right) ++c1;
    return [c0, c1];
  };

  const fillPolygon = (rings, id, r0, r1, c0, c1) => {
    const crossings = Array.from({ length: r1 - r0 }, () => []);
    for (const ring of rings) {
      for (let k = 0; k + 1 < ring.length; ++k) {
        const [x1, y1] = ring[k], [x2, y2] = ring[k + 1];
        if (y1 === y2) continue;
        const yLo = Math.min(y1, y2), yHi = Math.max(y1, y2);
        // rows whose centre latitude y satisfies yLo <= y < yHi
        let a = Math.max(r0, Math.ceil((90 - yHi) / FINE - 0.5));
        let b = Math.min(r1, Math.floor((90 - yLo) / FINE - 0.5) + 1);
        for (let r = a; r < b; ++r) {
          const y = 90 - (r + 0.5) * FINE;
          if (y < yLo || y >= yHi) continue;
          crossings[r - r0].push(x1 + (y - y1) * (x2 - x1) / (y2 - y1));
        }
      }
    }
    for (let r = r0; r < r1; ++r) {
      const xs = crossings[r - r0];
      if (xs.length < 2) continue;
      xs.sort((p, q) => p - q);
      const base = r * FINE_COLS;
      for (let k = 0; k + 1 < xs.length; k += 2) {
        const from = Math.max(c0, Math.ceil((xs[k] + 180) / FINE - 0.5));
        const to = Math.min(c1, Math.floor((xs[k + 1] + 180) / FINE - 0.5) + 1);
        for (let c = from; c < to; ++c) grid[base + c] = id;
      }
    }
  };

  const visit = (node, top, bottom, left, right) => {
    const [r0, r1] = fixRows(rowRange(bottom, top), bottom, top);
    const [c0, c1] = fixCols(colRange(left, right), left, right);
    if (r0 >= r1 || c0 >= c1) return;
    const fillSea = () => {
      for (let r = r0; r < r1; ++r) grid.set(seaIds.subarray(c0, c1), r * FINE_COLS + c0);
    };
    if (node === undefined || node === null) { fillSea(); return; }
    if (Array.isArray(node)) {
      const id = idOf(index.timezones[node[0]]);
      for (let r = r0; r < r1; ++r) grid.fill(id, r * FINE_COLS + c0, r * FINE_COLS + c1);
      return;
    }
    if (node.pos >= 0 && node.len) {
      fillSea();
      const buf = Buffer.alloc(node.len);
      readSync(fd, buf, 0, node.len, node.pos);
      const fc = geobuf.decode(new Pbf(buf));
      // Paint in reverse so that, where features overlap, the first one (geo-tz's first answer) wins.
      for (let f = fc.features.length - 1; f >= 0; --f) {
        const feature = fc.features[f];
        const id = idOf(feature.properties.tzid);
        const g = feature.geometry;
        const polys = g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : [];
        for (const rings of polys) fillPolygon(rings, id, r0, r1, c0, c1);
      }
      return;
    }
    const midLat = (top + bottom) / 2, midLon = (left + right) / 2;
    visit(node.a, top, midLat, midLon, right);
    visit(node.b, top, midLat, left, midLon);
    visit(node.c, midLat, bottom, left, midLon);
    visit(node.d, midLat, bottom, midLon, right);
  };
  // geo-tz clamps queries to ±89.9999 / ±179.9999; the outermost cell centres are inside that.
  const midLat = 0, midLon = 0;
  const root = index.lookup;
  visit(root.a, 89.9999, midLat, midLon, 179.9999);
  visit(root.b, 89.9999, midLat, -179.9999, midLon);
  visit(root.c, midLat, -89.9999, -179.9999, midLon);
  visit(root.d, midLat, -89.9999, midLon, 179.9999);
  closeSync(fd);
  return { names, grid };
}
