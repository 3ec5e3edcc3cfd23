// SPDX-License-Identifier: MIT
// One repaint of the location map, tiles already decoded, at the zooms people use: the whole
// world, a country, a coast full of fjords and islands, great lakes with rivers and state lines,
// and the 0.02° region shown around a chosen place. Each repaint lays the place names out afresh and draws
// them, as a pan does; the budget is 8 ms. With $LUNAFOLD_BENCH_MAP_DUMP set to a folder, each view is also
// written there as a PNG to look at.
#include "core/geo/PlaceData.h"
#include "core/map/MapCamera.h"
#include "ui/map/Basemap.h"
#include "ui/map/BasemapPainter.h"
#include "ui/map/LabelLayout.h"
#include "ui/map/MapView.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <random>

using namespace lunafold;

static const Basemap &basemap() {
    static const auto map = Basemap::fromDirectory(Basemap::defaultDirectory());
    return *map;
}
static const PlaceLabels &labels() {
    static const PlaceData data;
    return data.labels();
}

namespace {

// The map area of the Location tab on a phone, drawn at a phone's 3x pixel density.
const QSizeF kPhoneMap(390, 470);
constexpr double kPixelRatio = 3.0;

struct View {
    const char *name;
    GeoPoint centre;
    std::optional<double> zoom; // none: as the map opens offline after a tap there
};

const View kViews[] = {
    {"world", GeoPoint{Longitude(0), Latitude(20)}, 0.0},
    {"country", GeoPoint{Longitude(2.4), Latitude(46.6)}, 5.6},
    {"fjords", GeoPoint{Longitude(5.3), Latitude(60.4)}, 8.0},
    {"region-inland", GeoPoint{Longitude(2.3522), Latitude(48.8566)}, std::nullopt},
    {"region-coast", GeoPoint{Longitude(151.2093), Latitude(-33.8688)}, std::nullopt},
    {"antimeridian", GeoPoint{Longitude(178.0), Latitude(-17.8)}, 6.0},
    {"village", GeoPoint{Longitude(6.8686), Latitude(44.7016)}, std::nullopt},
    {"dense-names", GeoPoint{Longitude(6.0), Latitude(50.5)}, 7.0},
    {"lakes-states", GeoPoint{Longitude(-86.0), Latitude(44.0)}, 5.5},
};

MapCamera cameraFor(const View &view) {
    MapCamera camera(kPhoneMap, view.centre, view.zoom.value_or(0.0));
    if (!view.zoom) {
        camera.showRegion(view.centre, MapView::kRegionSpan, MapView::kRegionSpan);
        camera = MapCamera(kPhoneMap, view.centre,
                           labels().zoomNaming(view.centre, kPhoneMap, MapView::kNamesAround, camera.zoom()));
    }
    return camera;
}

struct Names {
    LabelLayout layout;
    LabelPainter painter;
};

void paintHere(QImage &image, const MapCamera &camera, const Basemap &map, Names &names) {
    QPainter painter(&image);
    painter.scale(kPixelRatio, kPixelRatio);
    BasemapPainter::paint(painter, camera, map);
    names.painter.paint(painter, names.layout.layout(camera, labels()));
}
void paint(QImage &image, const MapCamera &camera, const Basemap &map, Names &names) {
    paintUnsplit([&] { paintHere(image, camera, map, names); }); // as MapView does
}

void Repaint(benchmark::State &state) {
    const View &view = kViews[state.range(0)];
    const Basemap &map = basemap();
    if (!map.isLoaded()) {
        state.SkipWithError("no basemap data");
        return;
    }
    const MapCamera camera = cameraFor(view);
    QImage image((kPhoneMap * kPixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    Names names;
    paint(image, camera, map, names); // decode the tiles and draw the names once, as the first frame does
    for (auto _ : state) {
        paint(image, camera, map, names);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(QStringLiteral("%1, zoom %2, %3 names")
                       .arg(QLatin1String(view.name))
                       .arg(camera.zoom(), 0, 'f', 1)
                       .arg(names.layout.layout(camera, labels()).size())
                       .toStdString());
    const QString dump = qEnvironmentVariable("LUNAFOLD_BENCH_MAP_DUMP");
    if (!dump.isEmpty())
        image.save(QDir(dump).filePath(QStringLiteral("%1.png").arg(QLatin1String(view.name))));
}
BENCHMARK(Repaint)
    ->DenseRange(0, std::size(kViews) - 1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The first frame at a new place: its tiles are decoded then.
void DecodeRegionTiles(benchmark::State &state) {
    for (auto _ : state) {
        const auto map = Basemap::fromDirectory(Basemap::defaultDirectory());
        QImage image((kPhoneMap * kPixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
        Names names;
        paint(image, cameraFor(kViews[3]), *map, names);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("file read, decompressed, the region's tiles decoded and its names drawn");
}
BENCHMARK(DecodeRegionTiles)->Unit(benchmark::kMillisecond);

// The names' index over as many places as a GeoNames extract holds, built once when the map
// first shows.
void BuildPlaceIndex(benchmark::State &state) {
    std::vector<MapPlace> places;
    std::mt19937 random(15);
    std::uniform_real_distribution<double> latitude(-60, 70), longitude(-180, 180);
    std::lognormal_distribution<double> population(8.5, 1.5);
    for (int i = 0; i < 150000; ++i) {
        const Latitude north(latitude(random)); // drawn first, as the data set always was
        places.push_back({GeoPoint{Longitude(longitude(random)), north}, QStringLiteral("Place %1").arg(i),
                          static_cast<qint64>(population(random))});
    }
    for (auto _ : state) {
        const PlaceLabels labels(places);
        benchmark::DoNotOptimize(labels.size());
    }
    state.SetLabel("150,000 places");
}
BENCHMARK(BuildPlaceIndex)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: with it would go Qt's thread pool, on which the static places data wait
    // when the program ends.
    new QGuiApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
