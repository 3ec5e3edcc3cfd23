// SPDX-License-Identifier: MIT
// The Location tab's search as the user types: every keystroke of a few queries is one search over
// all places (target: under 5 ms each on one core). Also what loading the places costs: the
// time, and the resident memory for places and index (target: under 40 MB), printed before the
// benchmarks run.
#include "core/geo/PlaceSearch.h"
#include "core/geo/ReverseGeocoder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace lunafold;

static const ReverseGeocoder &geocoder() {
    static const ReverseGeocoder data(ReverseGeocoder::defaultDirectory());
    return data;
}

namespace {

double residentMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0
                             : 0;
}

const char *const kQueries[] = {"munchen",       "Muenchen",  "chamonix", "paris texas",
                                "san francisco", "sao paulo", "x"};

// One iteration is one keystroke: the query typed so far, letter by letter through every query.
void keystrokes(benchmark::State &state) {
    const ReverseGeocoder &geo = geocoder();
    std::vector<QString> typed;
    for (const char *q : kQueries)
        for (int n = 1; n <= static_cast<int>(std::strlen(q)); ++n)
            typed.push_back(QString::fromUtf8(q, n));
    std::size_t next = 0, found = 0;
    for (auto _ : state) {
        found += searchPlaces(geo, typed[next], 12).size();
        next = (next + 1) % typed.size();
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(keystrokes)->Unit(benchmark::kMillisecond);

// The worst keystroke: one letter matches tens of thousands of names.
void oneLetter(benchmark::State &state) {
    const ReverseGeocoder &geo = geocoder();
    for (auto _ : state)
        benchmark::DoNotOptimize(searchPlaces(geo, QStringLiteral("s"), 12));
}
BENCHMARK(oneLetter)->Unit(benchmark::kMillisecond);

void reverseGeocode(benchmark::State &state) {
    const ReverseGeocoder &geo = geocoder();
    double lat = 45.924;
    for (auto _ : state) {
        benchmark::DoNotOptimize(geo.lookup(GeoPoint{Longitude(6.869), Latitude(lat)}));
        lat += 1e-6;
    }
}
BENCHMARK(reverseGeocode)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    {
        // The places and their index alone, as the search and the map's labels hold them.
        QFile file(QDir(ReverseGeocoder::defaultDirectory()).filePath(QStringLiteral("places.bin")));
        const double before = residentMb();
        const PlaceIndex index(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        std::printf("places and search index alone: resident +%.1f MB (%.1f MB counted)\n",
                    residentMb() - before, static_cast<double>(index.memoryBytes()) / 1048576.0);
    }
    QElapsedTimer timer;
    timer.start();
    const ReverseGeocoder &geo = geocoder();
    std::printf("places and zone grid: %d places loaded in %lld ms (on a worker thread in the app)\n",
                geo.places().placeCount(), static_cast<long long>(timer.elapsed()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
