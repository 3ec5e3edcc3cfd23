// SPDX-License-Identifier: MIT
// What the screens recompute on every tick of their timelines, with the caches warm:
// the Now screen every second (texts and its moon picture), Rise & Set every two seconds.
#include "MoonRendering/MoonSphereRenderer.h"
#include "common/UserDefaults.h"
#include "core/services/Locator.h"
#include "core/viewmodels/CalendarViewModel.h"
#include "core/viewmodels/NowViewModel.h"
#include "core/viewmodels/RiseSetViewModel.h"
#include "notices/AppClock.h"
#include "ui/quick/MoonImageProvider.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lunafold;

namespace {

class NoDevice : public LocationManager {
  public:
    LocationAuthorization authorizationStatus() const override { return LocationAuthorization::denied; }
    void requestWhenInUseAuthorization() override {}
    void startUpdatingLocation() override {}
    void stopUpdatingLocation() override {}
};

class NoNames : public Geocoder {
  public:
    void reverseGeocode(
        const GeoPoint &,
        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>
            completion) override {
        completion(QList<Placemark>{}, std::nullopt);
    }
};

// A place with a zone, as the app has after start-up.
struct Place {
    QTemporaryDir dir;
    UserDefaults store{dir.filePath(QStringLiteral("prefs.ini"))};
    NoDevice manager;
    NoNames names;
    Locator locator{manager, names, store, false};
    Place() {
        locator.setFixedPlace(GeoPoint{Longitude(2.3522), Latitude(48.8566)},
                              *TimeZone::named("Europe/Paris"));
    }
};

// Each tick a second later than the one before, as the timeline runs.
void NowTick(benchmark::State &state) {
    Place place;
    NowViewModel now(&place.locator);
    now.setRasterPixels(512); // a 256-point picture on a 2× phone screen
    const auto render = MoonImageProvider::renderer();
    double t = 1713873600.0;
    const auto tick = [&] {
        AppClock::freeze(Instant::trusted(t += 1.0));
        now.refresh();
        benchmark::DoNotOptimize(now.moonRow());
        if (render)
            benchmark::DoNotOptimize(render(AppClock::now(), true, 48.8566, 2.3522, 512, 512));
    };
    tick(); // the GPU or the CPU shading set up, the first picture made
    const quint64 passes = MoonSphereRenderer::shared().passCount();
    for (auto _ : state)
        tick();
    state.counters["shaded"] = static_cast<double>(MoonSphereRenderer::shared().passCount() - passes);
    state.SetLabel(render ? "texts and picture" : "texts only");
}
BENCHMARK(NowTick)->Unit(benchmark::kMicrosecond);

void RiseSetTick(benchmark::State &state) {
    Place place;
    RiseSetViewModel riseSet(&place.locator);
    double t = 1713873600.0;
    for (auto _ : state) {
        AppClock::freeze(Instant::trusted(t += 2.0));
        riseSet.refresh();
        benchmark::DoNotOptimize(riseSet.otherRows());
    }
}
BENCHMARK(RiseSetTick)->Unit(benchmark::kMicrosecond);

// The Future tab's month: the grid's 42 cells and every day's picture, as the screen asks for
// them (35-point cells on a 2× phone), with the picture caches warm.
void MonthGridWithPictures(benchmark::State &state) {
    Place place;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    AppClock::freeze(Instant::trusted(1718452800.0)); // June 2024: six weeks, 42 cells
    CalendarViewModel grid(&place.locator);
    grid.setDevicePixelRatio(2.0);
    const auto render = MoonImageProvider::renderer();
    const auto dayStart = [&grid](int row) {
        const QDateTime start = grid.data(grid.index(row), CalendarViewModel::DayStartRole).toDateTime();
        return Instant::trusted(static_cast<double>(start.toSecsSinceEpoch()));
    };
    const auto pictures = [&] {
        for (int row = 0; row < grid.rowCount(); ++row) {
            const QString source = grid.data(grid.index(row), CalendarViewModel::MoonImageRole).toString();
            if (!source.isEmpty())
                benchmark::DoNotOptimize(render(dayStart(row), false, 48.8566, 2.3522, 70, 70));
        }
    };
    pictures(); // the caches warm
    for (auto _ : state) {
        grid.rebuild();
        pictures();
    }
    state.counters["cells"] = grid.rowCount();
}
BENCHMARK(MonthGridWithPictures)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "vkkhrdisplay;offscreen"); // the GPU sphere where Vulkan exists
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
