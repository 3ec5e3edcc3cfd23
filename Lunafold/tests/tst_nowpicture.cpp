// SPDX-License-Identifier: MIT
// Without GPU compute (LUNAFOLD_RHI=cpu) the Now screen still shows the shaded sphere, drawn on the
// CPU, and the flat photograph only when the surface maps are missing.
#include "../../MoonRenderingLibrary/tests/ImageCompare.h"
#include "FixedPlace.h"
#include "MoonRendering/MoonRendering.h"
#include "MoonRendering/MoonSphereRenderer.h"
#include "core/viewmodels/NowViewModel.h"
#include "notices/AppClock.h"
#include "ui/quick/MoonImageProvider.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace lunafold;

class TestNowPicture : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void nowScreenShowsTheShadedSphereWithoutGpuCompute() {
        MoonSphereRenderer &renderer = MoonSphereRenderer::shared();
        QCOMPARE(renderer.backendName(), QStringLiteral("CPU"));
        const Instant t = Instant::trusted(1713210780.0); // 2024-04-15T19:53Z, near first quarter
        AppClock::freeze(t);
        test::FixedPlace place;
        NowViewModel now(&place.locator());
        now.setRasterPixels(200);
        now.refresh();
        const QString prefix = QStringLiteral("image://moon/");
        QVERIFY(now.moonImageSource().startsWith(prefix));
        MoonImageProvider provider;
        QSize size;
        const QImage picture =
            provider.requestImage(now.moonImageSource().mid(prefix.size()), &size, QSize());
        QCOMPARE(size, QSize(200, 200));
        QCOMPARE(renderer.passCount(), 1u);

        // The sphere's night side is lit by earthshine alone, a few levels; the flat picture's is the
        // photograph at 30 %.
        const auto [base, shadow] = MoonRendering::flatMoonImages(t, 200);
        QVERIFY(base);
        const QRgb night = picture.pixel(40, 100), photo = base->pixel(40, 100);
        QVERIFY2(qAlpha(night) == 255 && qGray(night) < 0.15 * qGray(photo),
                 qPrintable(QStringLiteral("%1 vs %2").arg(night, 8, 16).arg(photo, 8, 16)));
        QVERIFY(qGray(picture.pixel(160, 100)) > 100); // the lit side
        QCOMPARE(qAlpha(picture.pixel(2, 2)), 0);

        // Every later refresh is shaded too: a day later, another phase, another sphere.
        AppClock::freeze(t.plusSeconds(86400.0));
        now.refresh();
        const QImage later = provider.requestImage(now.moonImageSource().mid(prefix.size()), &size, QSize());
        QCOMPARE(renderer.passCount(), 2u);
        QVERIFY(testing_images::compareChannels(later, picture).max > 20);
        const auto [laterBase, laterShadow] = MoonRendering::flatMoonImages(t.plusSeconds(86400.0), 200);
        QVERIFY(qGray(later.pixel(30, 100)) < 0.15 * qGray(laterBase->pixel(30, 100)));
    }

    void missingMapsFallBackToTheFlatPicture() {
        QTemporaryDir empty;
        MoonSphereRenderer renderer({MoonSphereRenderer::Backend::Cpu, empty.path()});
        QCOMPARE(renderer.backendName(), QStringLiteral("CPU"));
        QVERIFY(!renderer.renderSphere(64, {1, 0, 0}, 0.03f, 1.25f, 0.11f));
        QCOMPARE(renderer.passCount(), 0u);
    }
};

QTEST_MAIN(TestNowPicture)
#include "tst_nowpicture.moc"
