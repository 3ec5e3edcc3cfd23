// SPDX-License-Identifier: MIT
// The shading inputs and the CPU twin of the kernels: keys, light, mipmaps and what the shading
// must look like (lit side, earthshine, transparency, mirroring, the bake).
#include "ImageCompare.h"
#include "MoonRendering/CpuSphereShader.h"
#include "MoonRendering/MoonRendering.h"
#include "MoonRendering/MoonShading.h"
#include "MoonRendering/ResourceBundle.h"

#include <QLocale>
#include <QTest>
#include <QVector4D>

#include <limits>

using namespace lunafold;
using testing_images::meanGrey;

namespace {

MoonShadeParams params(LightDirection light, float fractionTerm = 0.0f, bool mirror = false) {
    return *makeShadeParams(light, MoonRendering::kShadeConstantA, MoonRendering::kShadeConstantB,
                            fractionTerm, mirror);
}

bool insideDisc(int x, int y, int n, double radiusFraction) {
    const double dx = x + 0.5 - n / 2.0, dy = y + 0.5 - n / 2.0;
    return dx * dx + dy * dy < (radiusFraction * n / 2) * (radiusFraction * n / 2);
}

} // namespace

class TestMoonShading : public QObject {
    Q_OBJECT

    std::optional<SurfaceTextures> m_maps;

  private Q_SLOTS:
    void initTestCase() {
        m_maps = loadSurfaceTextures(MoonRendering::resourceBundlePath());
        QVERIFY(m_maps);
    }

    void testCacheKeys() {
        const MoonRendering::LightParameters half = MoonRendering::lightParametersFor(0.5, false);
        const MoonShadeParams p = params(half.light, half.fractionTerm);
        QCOMPARE(sphereCacheKey(200, p), QStringLiteral("200|1.0000|0.0000|0.0000|0.030|1.250|0.110|0"));
        QCOMPARE(bakeCacheKey(512, p), QStringLiteral("bake|512|1.0000|0.0000|0.0000|0.030|1.250|0.110|0"));
        // The light is normalised, the mirror flag goes last as an integer, and the decimal separator
        // ignores the locale.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const MoonShadeParams mirrored = params({3.0f, 0.0f, 4.0f}, 0.05f, true);
        QCOMPARE(sphereCacheKey(64, mirrored), QStringLiteral("64|0.6000|0.0000|0.8000|0.030|1.250|0.050|1"));
        QLocale::setDefault(QLocale::c());
        QVERIFY(!makeShadeParams({0.0f, 0.0f, 0.0f}, 0.03f, 1.25f, 0.0f, false));
        QVERIFY(!makeShadeParams({std::numeric_limits<float>::quiet_NaN(), 0.0f, 1.0f}, 0.03f, 1.25f, 0.0f,
                                 false));
    }

    void testLightFollowsThePhase() {
        const struct {
            double fraction;
            bool waning;
            float x, z, fractionTerm;
        } cases[] = {
            {0.0, false, 0.0f, -1.0f, 0.22f},        // new
            {0.5, false, 1.0f, 0.0f, 0.11f},         // waxing half: from the right
            {0.5, true, -1.0f, 0.0f, 0.11f},         // waning half: from the left
            {0.75, false, 0.8660254f, 0.5f, 0.055f}, // waxing gibbous: c = 2f − 1 = 0.5, θ = 60°
            {1.0, true, 0.0f, 1.0f, 0.0f},           // full: from the viewer
            {1.2, false, 0.0f, 1.0f, -0.044f},       // beyond full is clamped
        };
        for (const auto &c : cases) {
            const MoonRendering::LightParameters l = MoonRendering::lightParametersFor(c.fraction, c.waning);
            QVERIFY2(std::abs(l.light[0] - c.x) < 1e-6f && l.light[1] == 0.0f &&
                         std::abs(l.light[2] - c.z) < 1e-6f &&
                         std::abs(l.fractionTerm - c.fractionTerm) < 1e-6f,
                     qPrintable(QStringLiteral("%1 %2").arg(c.fraction).arg(c.waning)));
        }
    }

    void testMipChainAveragesInLinearLight() {
        // Black and white columns: the next level is 50 % linear grey, sRGB 188, not 128.
        QImage stripes(2, 2, QImage::Format_RGBA8888);
        for (int i = 0; i < 4; ++i)
            stripes.setPixelColor(i / 2, i % 2, i < 2 ? Qt::black : Qt::white);
        const MipChain srgb = MipChain::build(stripes, true), plain = MipChain::build(stripes, false);
        QCOMPARE(srgb.levelCount(), 2);
        QCOMPARE(qRed(srgb.level(1).pixel(0, 0)), 188);
        QCOMPARE(qRed(plain.level(1).pixel(0, 0)), 128);

        const MipChain &albedo = m_maps->albedo;
        QCOMPARE(albedo.levelCount(), 11); // 1024 × 512 down to 1 × 1
        QCOMPARE(albedo.level(10).size(), QSize(1, 1));
        QCOMPARE(albedo.level(9).size(), QSize(2, 1));
    }

    void testSamplerWrapsLongitudeAndClampsLatitude() {
        QImage strip(4, 2, QImage::Format_RGBA8888);
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 2; ++y)
                strip.setPixelColor(x, y, QColor(x * 60, y * 200, 0));
        const MipChain chain = MipChain::build(strip, false);
        // A texel centre reads that texel.
        QCOMPARE(chain.sample(0.375f, 0.25f, 0.0f)[0], 60.0f / 255.0f);
        // u = 0 lies between the last and the first column.
        QVERIFY(std::abs(chain.sample(0.0f, 0.25f, 0.0f)[0] - (180.0f + 0.0f) / 2.0f / 255.0f) < 1e-6f);
        // Above the top row: the top row itself.
        QCOMPARE(chain.sample(0.375f, -0.5f, 0.0f)[1], 0.0f);
        QCOMPARE(chain.sample(0.375f, 1.5f, 0.0f)[1], 200.0f / 255.0f);
        // Between levels the two are blended.
        const float top = chain.sample(0.375f, 0.25f, 0.0f)[0], next = chain.sample(0.375f, 0.25f, 1.0f)[0];
        QVERIFY(std::abs(chain.sample(0.375f, 0.25f, 0.5f)[0] - (top + next) / 2) < 1e-6f);
    }

    void testFullMoonIsAnEvenlyLitDiscAndMirrors() {
        const int n = 128;
        const QImage full = MoonShading::shadeSphere(*m_maps, n, params({0, 0, 1}));
        QCOMPARE(full.size(), QSize(n, n));
        QCOMPARE(qAlpha(full.pixel(n - 3, n / 2)), 0xff);
        QCOMPARE(full.pixel(n - 1, n - 1), 0u); // transparent outside the disc
        // No limb darkening: the outer ring is about as bright as the middle.
        const double centre = meanGrey(full, [&](int x, int y) { return insideDisc(x, y, n, 0.5); });
        const double ring = meanGrey(
            full, [&](int x, int y) { return insideDisc(x, y, n, 0.95) && !insideDisc(x, y, n, 0.8); });
        QVERIFY2(centre > 110 && ring > 0.75 * centre,
                 qPrintable(QStringLiteral("%1 %2").arg(centre).arg(ring)));
        // Mirrored, the map is flipped east-west; the maria are not symmetric, so it shows.
        const QImage mirrored = MoonShading::shadeSphere(*m_maps, n, params({0, 0, 1}, 0.0f, true));
        QVERIFY(testing_images::compareChannels(full, mirrored).max > 40);
        const int difference = testing_images::compareChannels(full.mirrored(true, false), mirrored).max;
        QVERIFY2(difference >= 0 && difference <= 2, qPrintable(QString::number(difference)));
    }

    void testHalfMoonLitSideAndEarthshine() {
        const int n = 128;
        const auto left = [&](int x, int y) { return x < n / 2 - 8 && insideDisc(x, y, n, 0.9); };
        const auto right = [&](int x, int y) { return x > n / 2 + 8 && insideDisc(x, y, n, 0.9); };
        const QImage waxing = MoonShading::shadeSphere(*m_maps, n, params({1, 0, 0}, 0.11f));
        const double lit = meanGrey(waxing, right), night = meanGrey(waxing, left);
        // The night side very dark, yet the earthshine keeps it above black.
        QVERIFY2(lit > 80 && night > 6 && night < 40,
                 qPrintable(QStringLiteral("%1 %2").arg(lit).arg(night)));
        // Earthshine follows shadeConstantA, and grows with fractionTerm (the Earth is fuller near
        // new moon); exaggerated here so that 8-bit rounding cannot hide it.
        const auto nightWith = [&](float a, float fractionTerm) {
            const MoonShadeParams p =
                *makeShadeParams({1, 0, 0}, a, MoonRendering::kShadeConstantB, fractionTerm, false);
            return meanGrey(MoonShading::shadeSphere(*m_maps, n, p), left);
        };
        QVERIFY(nightWith(0.0f, 0.0f) < 1.0);
        const double base = nightWith(0.3f, 0.0f), fuller = nightWith(0.3f, 1.0f);
        QVERIFY2(base > 30 && fuller > 1.25 * base,
                 qPrintable(QStringLiteral("%1 %2").arg(base).arg(fuller)));
    }

    void testBakeUnrollsTheShading() {
        const QImage bake = MoonShading::bakeEquirect(*m_maps, 256, params({1, 0, 0}));
        QCOMPARE(bake.size(), QSize(256, 128));
        QCOMPARE(qAlpha(bake.pixel(10, 10)), 255);
        // Light from +x: the sub-solar meridian is longitude +90° (x = 192), the night side is at −90°.
        const double east =
            meanGrey(bake, [](int x, int y) { return x > 176 && x < 208 && y > 48 && y < 80; });
        const double west = meanGrey(bake, [](int x, int y) { return x > 48 && x < 80 && y > 48 && y < 80; });
        QVERIFY2(east > 100 && west < 20, qPrintable(QStringLiteral("%1 %2").arg(east).arg(west)));
        QVERIFY(MoonShading::bakeEquirect(*m_maps, 1, params({1, 0, 0})).isNull());
        QVERIFY(MoonShading::shadeSphere(*m_maps, 0, params({1, 0, 0})).isNull());
    }

    // The fast CPU sphere stands in for the GPU: it must draw the twin's picture, whatever the size
    // (odd sides, one pixel), phase, light off the equator or mirror flag.
    void testCpuSphereDrawsTheTwinsPicture_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QVector4D>("light"); // x, y, z and the fraction term
        QTest::addColumn<bool>("mirror");
        QTest::newRow("full 160") << 160 << QVector4D(0, 0, 1, 0) << false;
        QTest::newRow("waxing crescent 199") << 199 << QVector4D(0.6f, 0, -0.8f, 0.2f) << false;
        QTest::newRow("waning gibbous, mirrored 128") << 128 << QVector4D(-0.8f, 0, 0.6f, 0.04f) << true;
        QTest::newRow("light from above 64") << 64 << QVector4D(0.3f, 0.9f, 0.1f, 0.1f) << false;
        QTest::newRow("new 33") << 33 << QVector4D(0, 0, -1, 0.22f) << false;
        QTest::newRow("one pixel") << 1 << QVector4D(1, 0, 0, 0.11f) << false;
    }

    void testCpuSphereDrawsTheTwinsPicture() {
        QFETCH(int, size);
        QFETCH(QVector4D, light);
        QFETCH(bool, mirror);
        CpuSphereShader shader(*m_maps);
        const MoonShadeParams p = params({light.x(), light.y(), light.z()}, light.w(), mirror);
        const QImage fast = shader.shadeSphere(size, p);
        QCOMPARE(fast.format(), QImage::Format_RGBA8888_Premultiplied);
        const testing_images::Differences d =
            testing_images::compareChannels(fast, MoonShading::shadeSphere(*m_maps, size, p));
        // The tabulated tone curve may round a level the other way, never more.
        QVERIFY2(d.max >= 0 && d.max <= 1 && d.mean < 0.05,
                 qPrintable(QStringLiteral("%1 %2").arg(d.max).arg(d.mean)));
        // Another phase at the same size reuses the geometry and still draws the right picture.
        const MoonShadeParams other = params({light.z(), 0.0f, -light.x()}, 0.05f, mirror); // turned 90°
        const int again = testing_images::compareChannels(shader.shadeSphere(size, other),
                                                          MoonShading::shadeSphere(*m_maps, size, other))
                              .max;
        QVERIFY2(again >= 0 && again <= 1, qPrintable(QString::number(again)));
        QCOMPARE(shader.geometryBuilds(), 1);
    }

    void testCpuSphereKeepsTheGeometryOfRecentSizes() {
        CpuSphereShader shader(*m_maps);
        const MoonShadeParams p = params({1, 0, 0});
        for (int size : {40, 41, 40, 42, 40})
            QVERIFY(!shader.shadeSphere(size, p).isNull());
        QCOMPARE(shader.geometryBuilds(), 3);
        // The mirror flag reads the maps elsewhere: a geometry of its own, which pushes out 41.
        QVERIFY(!shader.shadeSphere(40, params({1, 0, 0}, 0.0f, true)).isNull());
        QCOMPARE(shader.geometryBuilds(), 4);
        QVERIFY(!shader.shadeSphere(41, p).isNull());
        QCOMPARE(shader.geometryBuilds(), 5);
        QVERIFY(shader.shadeSphere(0, p).isNull());
        QVERIFY(CpuSphereShader(SurfaceTextures{}).shadeSphere(16, p).isNull());
    }
};

QTEST_MAIN(TestMoonShading)
#include "tst_moonshading.moc"
