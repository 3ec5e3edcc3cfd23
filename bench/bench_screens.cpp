// SPDX-License-Identifier: MIT
// The Future tab's month grid: every cell's day text, phase label, spoken label and picture address.
#include "core/text/CalendarMath.h"
#include "core/text/UIHelper.h"
#include "core/viewmodels/CalendarViewModel.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <vector>

using namespace lunafold;

namespace {

const TimeZone kParis = *TimeZone::named("Europe/Paris");

// Noon on the 15th of every month from 1901 to 2099 whose grid takes six weeks from Sunday: the
// largest grids, in months far enough apart that the engine's caches cannot help.
std::vector<Instant> sixWeekMonths() {
    std::vector<Instant> months;
    for (int y = 1901; y <= 2099; ++y)
        for (int m = 1; m <= 12; ++m)
            if (monthGridDays(y, m, 7, kParis).size() == 42)
                months.push_back(*kParis.instantOf({y, m, 15, 12, 0, 0.0}));
    return months;
}

void FutureMonthGrid(benchmark::State &state) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::vector<Instant> months = sixWeekMonths();
    CalendarViewModel grid;
    grid.setDevicePixelRatio(3.0);
    std::size_t i = 0;
    for (auto _ : state) {
        // Each step lands in another month, so every cell is built again.
        grid.setSelectedInstant(months[(i += 37) % months.size()]);
        benchmark::DoNotOptimize(grid.rowCount());
    }
    state.counters["cells"] = grid.rowCount();
}
BENCHMARK(FutureMonthGrid)->Unit(benchmark::kMillisecond);

} // namespace
