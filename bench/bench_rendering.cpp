// SPDX-License-Identifier: MIT
// The moon picture: the GPU sphere and its CPU twin at the sizes the screens ask for, and the cache
// that makes the Now screen's once-a-second refresh cheap.
#include "MoonRendering/CpuSphereShader.h"
#include "MoonRendering/MoonRendering.h"
#include "MoonRendering/MoonShading.h"
#include "MoonRendering/MoonSphereRenderer.h"
#include "MoonRendering/ResourceBundle.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace lunafold;

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// The GPU needs a QGuiApplication; headless by default (Vulkan without a display server).
void ensureGuiApplication() {
    static std::unique_ptr<QGuiApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "vkkhrdisplay;offscreen");
        qInstallMessageHandler(quiet);
        static int argc = 1;
        static char name[] = "lunafold-bench";
        static char *argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
}

MoonSphereRenderer &gpuRenderer() {
    ensureGuiApplication();
    static MoonSphereRenderer renderer(MoonSphereRenderer::Options{});
    return renderer;
}

// A different phase every iteration, so every render is a cache miss (keys keep four decimals).
MoonRendering::LightParameters distinctLight(std::int64_t i) {
    return MoonRendering::lightParametersFor(0.1 + static_cast<double>(i % 8000) * 1e-4, false);
}

void SphereGpu(benchmark::State &state) {
    MoonSphereRenderer &renderer = gpuRenderer();
    if (!renderer.hasDevice()) {
        state.SkipWithError("no GPU backend");
        return;
    }
    state.SetLabel(renderer.backendName().toStdString());
    const int side = static_cast<int>(state.range(0));
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto light = distinctLight(i++);
        benchmark::DoNotOptimize(renderer.renderSphere(side, light.light, MoonRendering::kShadeConstantA,
                                                       MoonRendering::kShadeConstantB, light.fractionTerm));
    }
    renderer.clearCaches();
}
BENCHMARK(SphereGpu)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond);

const SurfaceTextures &surfaceMaps() {
    ensureGuiApplication();
    static const std::optional<SurfaceTextures> maps =
        loadSurfaceTextures(MoonRendering::resourceBundlePath());
    return *maps;
}

MoonShadeParams distinctParams(std::int64_t i) {
    const auto light = distinctLight(i);
    return *makeShadeParams(light.light, MoonRendering::kShadeConstantA, MoonRendering::kShadeConstantB,
                            light.fractionTerm, false);
}

// The reference shading, pixel by pixel on one core.
void SphereCpuTwin(benchmark::State &state) {
    const SurfaceTextures &maps = surfaceMaps();
    const int side = static_cast<int>(state.range(0));
    std::int64_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(MoonShading::shadeSphere(maps, side, distinctParams(i++)));
}
BENCHMARK(SphereCpuTwin)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond);

// The fallback without GPU compute, as the app runs it: the size's geometry already made, a new
// phase every picture, on every core (wall time; the CPU column counts every thread).
void SphereCpuFallback(benchmark::State &state) {
    static CpuSphereShader shader(surfaceMaps());
    const int side = static_cast<int>(state.range(0));
    benchmark::DoNotOptimize(shader.shadeSphere(side, distinctParams(0)));
    std::int64_t i = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(shader.shadeSphere(side, distinctParams(i++)));
}
BENCHMARK(SphereCpuFallback)
    ->Arg(256)
    ->Arg(512)
    ->Arg(1024)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The first picture at a new size: sampling the maps for its geometry, then the picture.
void SphereCpuFirstOfASize(benchmark::State &state) {
    const int side = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CpuSphereShader shader(surfaceMaps());
        benchmark::DoNotOptimize(shader.shadeSphere(side, distinctParams(0)));
    }
}
BENCHMARK(SphereCpuFirstOfASize)
    ->Arg(512)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// A repeated key: the key is formatted and the picture comes from the cache, no GPU work.
void SphereCacheHit(benchmark::State &state) {
    MoonSphereRenderer &renderer = gpuRenderer();
    const auto light = distinctLight(4242);
    const auto render = [&] {
        return renderer.renderSphere(256, light.light, MoonRendering::kShadeConstantA,
                                     MoonRendering::kShadeConstantB, light.fractionTerm);
    };
    if (!render()) {
        state.SkipWithError("no GPU backend");
        return;
    }
    const quint64 passes = renderer.passCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(render());
    if (renderer.passCount() != passes)
        state.SkipWithError("the cache missed");
}
BENCHMARK(SphereCacheHit)->Unit(benchmark::kMicrosecond);

// What the Now screen pays each second once its picture is cached: light, key, compose, turn.
void MoonImageCached(benchmark::State &state) {
    ensureGuiApplication();
    const Instant t = Instant::trusted(1713210780.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(MoonRendering::moonImage(t, true, 48.85, 2.35, 256, 256));
}
BENCHMARK(MoonImageCached)->Unit(benchmark::kMicrosecond);

} // namespace
