// SPDX-License-Identifier: MIT
// Engine costs behind the screens: the Now screen's countdowns, a month grid, a Rise & Set day.
#include "MoonDayFallback.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/aa/Moon.h"

#include <benchmark/benchmark.h>

using namespace lunafold;

namespace {

const Instant kStart = Instant::trusted(1767225600.0); // 2026-01-01T00:00Z
const TimeZone kParis = *TimeZone::named("Europe/Paris");
constexpr double kLat = 48.85, kLon = 2.35;

// Days far apart, so no search reuses what an earlier iteration left in the per-thread caches.
Instant isolatedDay(std::int64_t i) {
    return kStart.plusSeconds(static_cast<double>(i % 500) * 37.3 * 86400.0);
}

void MoonState(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        const aa::Moon moon{aa::JulianDay(isolatedDay(i++).plusSeconds(1234.5))};
        benchmark::DoNotOptimize(moon.equatorialCoordinates());
        benchmark::DoNotOptimize(moon.distance());
    }
}
BENCHMARK(MoonState);

void PhaseQuery(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(AstroInterface::getFullMoonNext(isolatedDay(i++)));
}
BENCHMARK(PhaseQuery);

// What the countdown texts ask each second: the next four phases and the waning flag.
void CountdownWorkload(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        const Instant t = isolatedDay(i++);
        for (int p = 0; p < 4; ++p)
            benchmark::DoNotOptimize(AstroInterface::phaseInstant(t, p, true));
        benchmark::DoNotOptimize(AstroInterface::isWaning(t));
    }
}
BENCHMARK(CountdownWorkload);

void MoonDayFramework(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        const Instant t = isolatedDay(i++);
        benchmark::DoNotOptimize(AstroInterface::getMoonRiseTime(t, kLon, kLat, kParis));
        benchmark::DoNotOptimize(AstroInterface::getMoonTransitTime(t, kLon, kLat, kParis));
        benchmark::DoNotOptimize(AstroInterface::getMoonSetTime(t, kLon, kLat, kParis));
    }
}
BENCHMARK(MoonDayFramework);

// Day after day, as the calendar and the CLI walk them.
void MoonDayFrameworkSequential(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        const Instant t = kStart.plusSeconds(static_cast<double>(i++ % 20000) * 86400.0);
        benchmark::DoNotOptimize(AstroInterface::getMoonRiseTime(t, kLon, kLat, kParis));
        benchmark::DoNotOptimize(AstroInterface::getMoonTransitTime(t, kLon, kLat, kParis));
        benchmark::DoNotOptimize(AstroInterface::getMoonSetTime(t, kLon, kLat, kParis));
    }
}
BENCHMARK(MoonDayFrameworkSequential);

void MoonDayFallback(benchmark::State &state) {
    const aa::GeographicCoordinates place{-kLon, kLat, 0};
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto day = *LocalDayFrame::containing(isolatedDay(i++), kParis);
        benchmark::DoNotOptimize(detail::moonRiseSetFallback(day, place, true));
        benchmark::DoNotOptimize(detail::moonTransitFallback(day, place));
        benchmark::DoNotOptimize(detail::moonRiseSetFallback(day, place, false));
    }
}
BENCHMARK(MoonDayFallback);

// Every Sun event of one local day, as the CLI's sun command asks for them.
void sunDay(Instant t) {
    for (const auto &fn :
         {AstroInterface::getSunRiseTime, AstroInterface::getSunSetTime, AstroInterface::getSunTransitTime,
          AstroInterface::getCivilTwilightDawn, AstroInterface::getCivilTwilightDusk,
          AstroInterface::getNauticalTwilightDawn, AstroInterface::getNauticalTwilightDusk,
          AstroInterface::getAstronomicalTwilightDawn, AstroInterface::getAstronomicalTwilightDusk})
        benchmark::DoNotOptimize(fn(t, kLon, kLat, kParis));
    benchmark::DoNotOptimize(AstroInterface::getSunDayKind(t, kLon, kLat, kParis));
    benchmark::DoNotOptimize(AstroInterface::getSunElevation(t, kLon, kLat));
}

void SunDayAllEvents(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state)
        sunDay(isolatedDay(i++));
}
BENCHMARK(SunDayAllEvents);

// Day after day, as the CLI walks them.
void SunDayAllEventsSequential(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state)
        sunDay(kStart.plusSeconds(static_cast<double>(i++ % 20000) * 86400.0));
}
BENCHMARK(SunDayAllEventsSequential);

// A 42-cell month grid: fraction, waning flag and whether a principal phase falls in the day.
void MonthGrid42Days(benchmark::State &state) {
    std::int64_t i = 0;
    for (auto _ : state) {
        Instant day = LocalDayFrame::containing(isolatedDay(i++), kParis)->dayStart;
        for (int cell = 0; cell < 42; ++cell) {
            const auto frame = *LocalDayFrame::containing(day, kParis);
            benchmark::DoNotOptimize(AstroInterface::getMoonFraction(frame.noon));
            benchmark::DoNotOptimize(AstroInterface::isWaning(frame.noon));
            for (int p = 0; p < 4; ++p)
                benchmark::DoNotOptimize(*AstroInterface::phaseInstant(frame.dayStart, p, true) <
                                         frame.dayEnd);
            day = frame.dayEnd;
        }
    }
}
BENCHMARK(MonthGrid42Days)->Unit(benchmark::kMicrosecond);

void PhaseTable1901To2099(benchmark::State &state) {
    const Instant from = Instant::trusted(-2177452800.0), until = Instant::trusted(4102444800.0);
    for (auto _ : state) {
        int phase = 0, count = 0;
        Instant at = AstroInterface::getNewMoonNext(from);
        while (at <= until) {
            ++count;
            phase = (phase + 1) % 4;
            at = *AstroInterface::phaseInstant(at, phase, true);
        }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(PhaseTable1901To2099)->Unit(benchmark::kMillisecond);

} // namespace
