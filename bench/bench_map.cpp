// SPDX-License-Identifier: MIT
// One repaint of the location map, tiles already decoded, at the zooms people use: the whole
// world, a country, a coast full of fjords and islands, and the 0.02° region shown around a
// chosen place. The frame budget is 16 ms. With $LUNAFOLD_BENCH_MAP_DUMP set to a folder, each
// view is also written there as a PNG to look at.
#include "Basemap.h"
#include "BasemapPainter.h"
#include "MapCamera.h"
#include "MapView.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace lunafold;

namespace {

// The map area of the Location tab on a phone, drawn at a phone's 3x pixel density.
const QSizeF kPhoneMap(390, 470);
constexpr double kPixelRatio = 3.0;

struct View {
    const char *name;
    GeoCoordinate centre;
    std::optional<double> zoom; // none: the region around the centre, as after a tap
};

const View kViews[] = {
    {"world", {20, 0}, 0.0},
    {"country", {46.6, 2.4}, 5.6},
    {"fjords", {60.4, 5.3}, 8.0},
    {"region-inland", {48.8566, 2.3522}, std::nullopt},
    {"region-coast", {-33.8688, 151.2093}, std::nullopt},
    {"antimeridian", {-17.8, 178.0}, 6.0},
};

MapCamera cameraFor(const View &view) {
    MapCamera camera(kPhoneMap, view.centre, view.zoom.value_or(0.0));
    if (!view.zoom)
        camera.showRegion(view.centre, MapView::kRegionSpan, MapView::kRegionSpan);
    return camera;
}

void paint(QImage &image, const MapCamera &camera, const Basemap &map) {
    QPainter painter(&image);
    painter.scale(kPixelRatio, kPixelRatio);
    BasemapPainter::paint(painter, camera, map);
}

void Repaint(benchmark::State &state) {
    const View &view = kViews[state.range(0)];
    const Basemap &map = *Basemap::shared();
    if (!map.isLoaded()) {
        state.SkipWithError("no basemap data");
        return;
    }
    const MapCamera camera = cameraFor(view);
    QImage image((kPhoneMap * kPixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    paint(image, camera, map); // decode the tiles in view once, as the first frame does
    for (auto _ : state) {
        paint(image, camera, map);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(QStringLiteral("%1, zoom %2")
                       .arg(QLatin1String(view.name))
                       .arg(camera.zoom(), 0, 'f', 1)
                       .toStdString());
    const QString dump = qEnvironmentVariable("LUNAFOLD_BENCH_MAP_DUMP");
    if (!dump.isEmpty())
        image.save(QDir(dump).filePath(QStringLiteral("%1.png").arg(QLatin1String(view.name))));
}
BENCHMARK(Repaint)->DenseRange(0, std::size(kViews) - 1)->Unit(benchmark::kMillisecond);

// The first frame at a new place: its tiles are decoded then.
void DecodeRegionTiles(benchmark::State &state) {
    for (auto _ : state) {
        const auto map = Basemap::fromDirectory(Basemap::defaultDirectory());
        QImage image((kPhoneMap * kPixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
        paint(image, cameraFor(kViews[3]), *map);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("file read, decompressed and the region's tiles decoded");
}
BENCHMARK(DecodeRegionTiles)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
