// SPDX-License-Identifier: MIT
// The flat shadow mask: which pixels are black for the phases that switch branches, on squares and
// on rectangles, at two pixel ratios.
#include "common/MoonRenderer.h"

#include <QTest>

using lunafold::MoonRenderer;

namespace {

enum Expect { Dark, Clear };
struct Probe {
    int x, y;
    Expect expect;
};

// Samples sit at least a few pixels from every edge, so antialiasing does not decide them.
void checkProbes(const QImage &mask, const QList<Probe> &probes) {
    for (const Probe &p : probes) {
        const QRgb px = mask.pixel(p.x, p.y);
        QVERIFY2(p.expect == Dark ? px == qRgba(0, 0, 0, 255) : qAlpha(px) == 0,
                 qPrintable(QString::asprintf("(%d,%d) should be %s, is %08x", p.x, p.y,
                                              p.expect == Dark ? "black" : "clear", px)));
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<Probe>)

class TestMoonRenderer : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void testMask_data() {
        QTest::addColumn<double>("phase");
        QTest::addColumn<bool>("waxing");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QList<Probe>>("probes");
        const QSizeF square(100, 100);
        // Corners are outside the disc whatever the phase.
        QTest::newRow("new: whole disc dark")
            << 0.0 << true << square
            << QList<Probe>{{50, 50, Dark}, {12, 50, Dark}, {88, 50, Dark}, {50, 12, Dark},
                            {50, 88, Dark}, {3, 3, Clear},  {96, 96, Clear}};
        // Left half plus the central ellipse of half-width 25 (x 25…75 on the middle row, 30…70 at y 20).
        QTest::newRow("waxing crescent 0.25")
            << 0.25 << true << square
            << QList<Probe>{{10, 50, Dark}, {30, 50, Dark},  {70, 50, Dark}, {88, 50, Clear},
                            {60, 20, Dark}, {80, 20, Clear}, {20, 20, Dark}};
        QTest::newRow("waning crescent 0.25")
            << 0.25 << false << square
            << QList<Probe>{{90, 50, Dark}, {30, 50, Dark}, {12, 50, Clear}, {20, 20, Clear}, {80, 20, Dark}};
        // Exactly half: an empty ellipse leaves one half-disc.
        QTest::newRow("waxing half")
            << 0.5 << true << square
            << QList<Probe>{{20, 50, Dark}, {45, 30, Dark}, {55, 30, Clear}, {80, 50, Clear}, {45, 90, Dark}};
        // Right half dark except the cleared ellipse x 25…75: a thin crescent on the right.
        QTest::newRow("waning gibbous 0.75")
            << 0.75 << false << square << QList<Probe>{{88, 50, Dark},  {70, 50, Clear}, {30, 50, Clear},
                                                       {10, 50, Clear}, {80, 20, Dark},  {65, 20, Clear}};
        QTest::newRow("waxing gibbous 0.75")
            << 0.75 << true << square << QList<Probe>{{12, 50, Dark}, {30, 50, Clear}, {88, 50, Clear}};
        // Wide: d = 100, the half-disc is centred at (75, 50) and spans x 25…75, while the ellipse
        // (phase 0.1: x 10…90) sits in the square at the origin.
        QTest::newRow("wide rectangle") << 0.1 << true << QSizeF(150, 100)
                                        << QList<Probe>{{15, 50, Dark},  {80, 50, Dark},   {30, 85, Dark},
                                                        {95, 50, Clear}, {110, 50, Clear}, {140, 50, Clear}};
        // Tall: the half-disc is centred at (50, 75) (y 25…125), the ellipse at y 0…100.
        QTest::newRow("tall rectangle")
            << 0.1 << true << QSizeF(100, 150)
            << QList<Probe>{
                   {30, 10, Dark}, {35, 110, Dark}, {65, 110, Clear}, {50, 140, Clear}, {85, 120, Clear}};
    }

    void testMask() {
        QFETCH(double, phase);
        QFETCH(bool, waxing);
        QFETCH(QSizeF, size);
        QFETCH(QList<Probe>, probes);
        const QImage mask = MoonRenderer(phase, waxing).getMoonRender(QRectF(QPointF(0, 0), size), 1.0);
        QCOMPARE(mask.size(), size.toSize());
        QCOMPARE(mask.format(), QImage::Format_ARGB32_Premultiplied);
        checkProbes(mask, probes);
    }

    void testFullMoonLeavesNoShadow() {
        // The cleared ellipse covers the half-disc exactly, on every pixel; only antialiasing dust may
        // remain.
        const QImage mask = MoonRenderer(1.0, false).getMoonRender(QRectF(0, 0, 120, 120));
        int opaque = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                opaque += qAlpha(mask.pixel(x, y)) > 128;
        QCOMPARE(opaque, 0);
    }

    void testPixelRatio() {
        // Half the units at twice the ratio: the same pixels, and the image says so.
        const MoonRenderer renderer(0.3, true);
        const QImage dense = renderer.getMoonRender(QRectF(0, 0, 50, 50), 2.0);
        const QImage plain = renderer.getMoonRender(QRectF(0, 0, 100, 100), 1.0);
        QCOMPARE(dense.size(), QSize(100, 100));
        QCOMPARE(dense.devicePixelRatio(), 2.0);
        int differing = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                differing += std::abs(qAlpha(dense.pixel(x, y)) - qAlpha(plain.pixel(x, y))) > 8;
        QCOMPARE(differing, 0);
    }

    void testNoImageForEmptyRectangles() {
        const MoonRenderer renderer(0.3, true);
        QVERIFY(renderer.getMoonRender(QRectF(0, 0, 0, 10)).isNull());
        QVERIFY(renderer.getMoonRender(QRectF(0, 0, 10, -1)).isNull());
        QVERIFY(renderer.getMoonRender(QRectF(0, 0, 10, 10), 0.0).isNull());
    }

    void testCallableThroughTheMetaObject() {
        MoonRenderer renderer(0.0, true);
        QImage result;
        QVERIFY(QMetaObject::invokeMethod(&renderer, "getMoonRender", Qt::DirectConnection,
                                          Q_RETURN_ARG(QImage, result), Q_ARG(QRectF, QRectF(0, 0, 40, 40)),
                                          Q_ARG(qreal, 1.0)));
        QCOMPARE(qAlpha(result.pixel(20, 20)), 255);
    }
};

QTEST_MAIN(TestMoonRenderer)
#include "tst_moonrenderer.moc"
