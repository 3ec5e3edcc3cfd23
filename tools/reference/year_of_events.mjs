// SPDX-License-Identifier: MIT
// The searches of `lunafold-cli riseset|sun --days N` done with astronomy-engine, as a whole process,
// for timing the two side by side (bench/compare-engine.sh). Prints one line per day.
//   node year_of_events.mjs moon|sun YYYY-MM-DD DAYS LAT LON UTC_OFFSET_HOURS
import * as Astronomy from 'astronomy-engine';

const [kind, date, days, lat, lon, offset] = process.argv.slice(2);
if (!['moon', 'sun'].includes(kind) || !date || !days) {
    console.error('usage: node year_of_events.mjs moon|sun YYYY-MM-DD DAYS LAT LON UTC_OFFSET_HOURS');
    process.exit(2);
}
const observer = new Astronomy.Observer(Number(lat), Number(lon), 0);
const first = Date.parse(date + 'T00:00:00Z') - Number(offset) * 3600e3;
const iso = (t) => (t ? t.date.toISOString() : 'null');
const inDay = (t, end) => (t && t.date.getTime() < end ? t : null);

const lines = [];
for (let d = 0; d < Number(days); ++d) {
    const start = new Date(first + d * 86400e3), end = first + (d + 1) * 86400e3;
    if (kind === 'moon') {
        const rise = inDay(Astronomy.SearchRiseSet(Astronomy.Body.Moon, observer, +1, start, 1), end);
        const set = inDay(Astronomy.SearchRiseSet(Astronomy.Body.Moon, observer, -1, start, 1), end);
        const transit = inDay(Astronomy.SearchHourAngle(Astronomy.Body.Moon, observer, 0, start).time, end);
        lines.push([iso(rise), iso(transit), iso(set)].join(' '));
    } else {
        const events = [Astronomy.SearchHourAngle(Astronomy.Body.Sun, observer, 0, start).time,
                        Astronomy.SearchRiseSet(Astronomy.Body.Sun, observer, +1, start, 1),
                        Astronomy.SearchRiseSet(Astronomy.Body.Sun, observer, -1, start, 1)];
        for (const h of [-6, -12, -18])
            for (const dir of [+1, -1])
                events.push(Astronomy.SearchAltitude(Astronomy.Body.Sun, observer, dir, start, 1, h));
        lines.push(events.map((t) => iso(inDay(t, end))).join(' '));
    }
}
console.log(lines.join('\n'));
