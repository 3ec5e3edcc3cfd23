// SPDX-License-Identifier: MIT
// The sphere on a real GPU. ctest runs this twice: LUNAFOLD_RHI=vulkan on lavapipe and
// LUNAFOLD_RHI=opengl on llvmpipe under Xvfb; LUNAFOLD_EXPECT_BACKEND names the backend that must
// have been made, so a missing GPU fails instead of quietly testing the fallback.
#include "ImageCompare.h"
#include "MoonRendering/CpuSphereShader.h"
#include "MoonRendering/MoonRendering.h"
#include "MoonRendering/MoonShading.h"
#include "MoonRendering/MoonSphereRenderer.h"
#include "MoonRendering/ResourceBundle.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

using namespace lunafold;

namespace {

// Both paths sample the same texels in float; what remains is the GPU's own sin, asin and pow and
// its rounding. A wrong formula, flip, level of detail or binding moves values by far more.
constexpr int kGpuTolerance = 3;
// The CPU fallback stands in for the GPU where there is none: the same picture within 2 levels.
constexpr int kFallbackTolerance = 2;

QString describe(const testing_images::Differences &d) {
    return QStringLiteral("max %1, mean %2").arg(d.max).arg(d.mean, 0, 'f', 3);
}

MoonSphereRenderer::Options fresh() {
    return {MoonSphereRenderer::Backend::Automatic, {}};
}

// On a mismatch both pictures are left in the temporary folder for a look.
QString keepForInspection(const QImage &gpu, const QImage &cpu) {
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression("\\W+"), "-");
    const QString base =
        QDir::temp().filePath("lunafold-" + qEnvironmentVariable("LUNAFOLD_EXPECT_BACKEND") + '-' + tag);
    gpu.save(base + QStringLiteral("-gpu.png"));
    cpu.save(base + QStringLiteral("-cpu.png"));
    return base + QStringLiteral("-{gpu,cpu}.png");
}

LightDirection phaseLight(double fraction, bool waning) {
    return MoonRendering::lightParametersFor(fraction, waning).light;
}

// The sphere at a phase with the app's shading constants.
std::optional<QImage> sphereAt(MoonSphereRenderer &renderer, double size, double fraction,
                               bool waning = false) {
    const MoonRendering::LightParameters l = MoonRendering::lightParametersFor(fraction, waning);
    return renderer.renderSphere(size, l.light, MoonRendering::kShadeConstantA,
                                 MoonRendering::kShadeConstantB, l.fractionTerm);
}

} // namespace

class TestMoonSphere : public QObject {
    Q_OBJECT

    std::optional<SurfaceTextures> m_maps;

    void checkAgreement(const QImage &gpu, const QImage &cpu) {
        const testing_images::Differences d = testing_images::compareChannels(gpu, cpu);
        qInfo("%s: %s", QTest::currentDataTag() ? QTest::currentDataTag() : "bake", qPrintable(describe(d)));
        if (d.max < 0 || d.max > kGpuTolerance)
            QFAIL(qPrintable(describe(d) + QStringLiteral(", see ") + keepForInspection(gpu, cpu)));
    }

  private Q_SLOTS:
    void initTestCase() {
        const QString expected = qEnvironmentVariable("LUNAFOLD_EXPECT_BACKEND");
        QVERIFY2(!expected.isEmpty(), "LUNAFOLD_EXPECT_BACKEND must name the backend under test");
        QCOMPARE(MoonSphereRenderer::shared().backendName(), expected);
        m_maps = loadSurfaceTextures(MoonRendering::resourceBundlePath());
        QVERIFY(m_maps);
    }

    void testGpuAgreesWithTheCpuTwin_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<bool>("waning");
        QTest::addColumn<bool>("mirror");
        QTest::newRow("full 256") << 256 << 1.0 << false << false;
        QTest::newRow("waxing crescent 200") << 200 << 0.18 << false << false;
        QTest::newRow("waning gibbous 160") << 160 << 0.8 << true << false;
        QTest::newRow("waxing half, mirrored, 128") << 128 << 0.5 << false << true;
        QTest::newRow("new moon, odd size 37") << 37 << 0.0 << false << false;
    }

    void testGpuAgreesWithTheCpuTwin() {
        QFETCH(int, size);
        QFETCH(double, fraction);
        QFETCH(bool, waning);
        QFETCH(bool, mirror);
        MoonSphereRenderer renderer(fresh());
        renderer.setMirrorLongitude(mirror);
        const std::optional<QImage> gpu = sphereAt(renderer, size, fraction, waning);
        QVERIFY(gpu);
        QCOMPARE(gpu->format(), QImage::Format_RGBA8888_Premultiplied);
        const MoonRendering::LightParameters light = MoonRendering::lightParametersFor(fraction, waning);
        const MoonShadeParams params =
            *makeShadeParams(light.light, MoonRendering::kShadeConstantA, MoonRendering::kShadeConstantB,
                             light.fractionTerm, mirror);
        checkAgreement(*gpu, MoonShading::shadeSphere(*m_maps, size, params));
        const testing_images::Differences fallback =
            testing_images::compareChannels(*gpu, CpuSphereShader(*m_maps).shadeSphere(size, params));
        QVERIFY2(fallback.max >= 0 && fallback.max <= kFallbackTolerance, qPrintable(describe(fallback)));
    }

    void testBakeAgreesWithTheCpuTwin() {
        MoonSphereRenderer renderer(fresh());
        const std::optional<QImage> gpu =
            renderer.bakeEquirect(301, phaseLight(0.3, true), 0.03f, 1.25f, 0.15f);
        QVERIFY(gpu);
        QCOMPARE(gpu->size(), QSize(301, 150));
        checkAgreement(
            *gpu, MoonShading::bakeEquirect(
                      *m_maps, 301, *makeShadeParams(phaseLight(0.3, true), 0.03f, 1.25f, 0.15f, false)));
        // Served from the bake cache the second time.
        QVERIFY(renderer.bakeEquirect(301, phaseLight(0.3, true), 0.03f, 1.25f, 0.15f));
        QCOMPARE(renderer.passCount(), 1u);
    }

    void testCacheHitDoesNoGpuWork() {
        MoonSphereRenderer renderer(fresh());
        const std::optional<QImage> first = sphereAt(renderer, 96, 0.4);
        // The key rounds the light to four decimals: a nearly equal light shares the picture.
        const std::optional<QImage> again = sphereAt(renderer, 96.7, 0.400001);
        QVERIFY(first && again);
        QCOMPARE(renderer.passCount(), 1u);
        QCOMPARE(again->cacheKey(), first->cacheKey());
        QVERIFY(sphereAt(renderer, 96, 0.45));
        QCOMPARE(renderer.passCount(), 2u);
        // The mirror flag is part of the key.
        renderer.setMirrorLongitude(true);
        QVERIFY(sphereAt(renderer, 96, 0.4));
        QCOMPARE(renderer.passCount(), 3u);
    }

    void testInactiveAppGetsOnlyThePastPictures() {
        MoonSphereRenderer renderer(fresh());
        const std::optional<QImage> crescent = sphereAt(renderer, 72, 0.2);
        renderer.setAppActive(false);
        // Another phase at the same size: the last picture of that size, an earlier phase.
        const std::optional<QImage> stale = sphereAt(renderer, 72, 0.9);
        QVERIFY(crescent && stale);
        QCOMPARE(stale->cacheKey(), crescent->cacheKey());
        // A size never drawn: nothing, so the caller falls back to the flat picture.
        QVERIFY(!sphereAt(renderer, 73, 0.9));
        QVERIFY(!renderer.bakeEquirect(64, phaseLight(0.9, false), 0.03f, 1.25f, 0.02f));
        QCOMPARE(renderer.passCount(), 1u);
        renderer.setAppActive(true);
        QVERIFY(sphereAt(renderer, 73, 0.9));
        QCOMPARE(renderer.passCount(), 2u);
    }

    void testActivityFollowsTheApplicationState() {
        MoonSphereRenderer renderer(fresh());
        const auto enter = [](Qt::ApplicationState state) {
            QWindowSystemInterface::handleApplicationStateChanged<
                QWindowSystemInterface::SynchronousDelivery>(state, true);
        };
        enter(Qt::ApplicationSuspended);
        QVERIFY(!renderer.isAppActive() && !sphereAt(renderer, 50, 0.5));
        enter(Qt::ApplicationInactive);
        QVERIFY(!renderer.isAppActive()); // merely unfocused is not yet active
        enter(Qt::ApplicationActive);
        QVERIFY(renderer.isAppActive() && sphereAt(renderer, 50, 0.5));
    }

    void testFailedTextureLoadIsNotRetried() {
        QTemporaryDir dir;
        MoonSphereRenderer renderer({MoonSphereRenderer::Backend::Automatic, dir.path()});
        QVERIFY(renderer.hasDevice());
        QVERIFY(!sphereAt(renderer, 64, 0.5));
        QCOMPARE(renderer.textureLoadAttempts(), 1);
        // The maps turn up later; the renderer does not look again.
        for (const char *name : {"moon_albedo.png", "moon_normal.png"})
            QVERIFY(QFile::copy(QDir(MoonRendering::resourceBundlePath()).filePath(QLatin1String(name)),
                                dir.filePath(QLatin1String(name))));
        QVERIFY(!sphereAt(renderer, 64, 0.5) && !renderer.loadTexturesIfNeeded());
        QCOMPARE(renderer.textureLoadAttempts(), 1);
        QCOMPARE(renderer.passCount(), 0u);
        // The same folder serves a new renderer: the refusal above was the no-retry rule.
        MoonSphereRenderer later({MoonSphereRenderer::Backend::Automatic, dir.path()});
        QVERIFY(sphereAt(later, 64, 0.5));
    }

    void testUnusableSizesYieldNothing() {
        MoonSphereRenderer renderer(fresh());
        QVERIFY(!sphereAt(renderer, qQNaN(), 0.5));
        QVERIFY(!sphereAt(renderer, 1e9, 0.5));
        QVERIFY(!renderer.renderSphere(64, {0, 0, 0}, 0.03f, 1.25f, 0.11f));
        QCOMPARE(sphereAt(renderer, 0.4, 0.5).value_or(QImage()).size(), QSize(1, 1)); // at least one pixel
    }

    void testMoonImageShowsTheSphere() {
        const Instant t = Instant::trusted(1713210780.0); // 2024-04-15T19:53Z, near first quarter
        const QImage picture = MoonRendering::moonImage(t, false, std::nullopt, std::nullopt, 200, 200);
        const MoonRendering::LightParameters light = MoonRendering::lightParameters(t);
        const std::optional<QImage> sphere =
            MoonSphereRenderer::shared().renderSphere(200, light.light, MoonRendering::kShadeConstantA,
                                                      MoonRendering::kShadeConstantB, light.fractionTerm);
        QVERIFY(sphere);
        const int difference = testing_images::compareChannels(picture, *sphere).max;
        QVERIFY2(difference >= 0 && difference <= 1, qPrintable(QString::number(difference)));
    }
};

QTEST_MAIN(TestMoonSphere)
#include "tst_moonsphere.moc"
