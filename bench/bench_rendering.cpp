// SPDX-License-Identifier: MIT
// The moon picture: the GPU sphere and its CPU twin at the sizes the screens ask for, and the cache
// that makes the Now screen's once-a-second refresh cheap.
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

void SphereCpu(benchmark::State &state) {
    ensureGuiApplication();
    static const std::optional<SurfaceTextures> maps = loadSurfaceTextures(MoonRendering::resourceBundlePath());
    const int side = static_cast<int>(state.range(0));
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto light = distinctLight(i++);
        const auto params = makeShadeParams(light.light, MoonRendering::kShadeConstantA,
                                            MoonRendering::kShadeConstantB, light.fractionTerm, false);
        benchmark::DoNotOptimize(MoonShading::shadeSphere(*maps, side, *params));
    }
}
BENCHMARK(SphereCpu)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond);

// A repeated key: the key is formatted and the picture comes from the cache, no GPU work.
void SphereCacheHit(benchmark::State &state) {
    MoonSphereRenderer &renderer = gpuRenderer();
    const auto light = distinctLight(4242);
    const auto render = [&] {
        return renderer.renderSphere(256, light.light, MoonRendering::kShadeConstantA, MoonRendering::kShadeConstantB,
                                     light.fractionTerm);
    };
    if (!render()) {
        state.SkipWithError("no GPU backend");
        return;
    }
    const quint64 passes = renderer.gpuPassCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(render());
    if (renderer.gpuPassCount() != passes)
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
