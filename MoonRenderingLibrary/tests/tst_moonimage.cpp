// SPDX-License-Identifier: MIT
// The entry points without a GPU (LUNAFOLD_RHI=none): the flat fallback, sizes, the turns of the
// picture for the hemisphere and the sky, and the module's assets.
#include "ImageCompare.h"
#include "MoonRendering/MoonRendering.h"
#include "MoonRendering/MoonSphereRenderer.h"
#include "MoonRendering/ResourceBundle.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/aa/Moon.h"
#include "astronomy/aa/Sun.h"

#include <QImageReader>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace lunafold;
using testing_images::angleBetween;
using testing_images::litDirection;

namespace {

Instant at(const char *iso) {
    return Instant::trusted(
        double(QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch()));
}

struct Enu {
    double e, n, u;
    Enu operator-(Enu b) const { return {e - b.e, n - b.n, u - b.u}; }
    Enu operator*(double s) const { return {s * e, s * n, s * u}; }
    double dot(Enu b) const { return e * b.e + n * b.n + u * b.u; }
    Enu cross(Enu b) const { return {n * b.u - u * b.n, u * b.e - e * b.u, e * b.n - n * b.e}; }
};

// Framework horizontal coordinates (azimuth from the south, westward) as a local east-north-up vector.
Enu direction(const aa::HorizontalCoordinates &h) {
    const double az = (h.azimuth + 180.0) * M_PI / 180.0, alt = h.altitude * M_PI / 180.0;
    return {std::sin(az) * std::cos(alt), std::cos(az) * std::cos(alt), std::sin(alt)};
}

// Where the Sun lies from the Moon for an observer facing the Moon with the zenith up: radians,
// counter-clockwise from the right. Independent of the rotation chain under test.
double sunwardInTheSky(Instant date, double latitude, double longitude) {
    const aa::JulianDay jd(date);
    const aa::GeographicCoordinates place{-longitude, latitude, 0.0};
    const Enu moon = direction(aa::Moon(jd).equatorialCoordinates().makeHorizontalCoordinates(place, jd));
    const Enu sun = direction(aa::Sun(jd, true).equatorialCoordinates().makeHorizontalCoordinates(place, jd));
    const Enu toSun = sun - moon * sun.dot(moon), up = Enu{0, 0, 1} - moon * moon.u;
    return std::atan2(toSun.dot(up), toSun.dot(moon.cross(up)));
}

} // namespace

class TestMoonImage : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(MoonSphereRenderer::shared().backendName(), QStringLiteral("none"));
        QVERIFY(!MoonSphereRenderer::shared().renderSphere(64, {1, 0, 0}, 0.03f, 1.25f, 0.1f));
    }

    void testFallbackIsThePhotographWithItsShadowAtSeventyPercent() {
        // First quarter, 2024-04-15 19:13 UT: waxing, half lit.
        const Instant quarter = at("2024-04-15T19:13:00Z");
        const std::optional<QImage> base = MoonRendering::flatMoonImages(quarter, 80).first;
        QVERIFY(base);
        QCOMPARE(base->size(), QSize(80, 80));
        QCOMPARE(qAlpha(base->pixel(40, 40)), 255);
        QCOMPARE(qAlpha(base->pixel(1, 1)), 0);
        // Waxing: the left half is in shadow.
        const QImage picture = MoonRendering::moonImage(quarter, false, std::nullopt, std::nullopt, 80, 80);
        QCOMPARE(picture.pixel(65, 40), base->pixel(65, 40));
        const QRgb dark = picture.pixel(15, 40), photo = base->pixel(15, 40);
        QVERIFY2(std::abs(qRed(dark) - 0.3 * qRed(photo)) <= 2 && qAlpha(dark) == 255,
                 qPrintable(QStringLiteral("%1 vs %2").arg(dark, 8, 16).arg(photo, 8, 16)));
    }

    void testSideIsTheShorterEdge() {
        const Instant t = at("2024-04-20T00:00:00Z");
        QCOMPARE(MoonRendering::moonImage(t, false, std::nullopt, std::nullopt, 300, 200).size(),
                 QSize(200, 200));
        QCOMPARE(MoonRendering::moonImage(t, true, 48.85, 2.35, 120, 500).size(), QSize(120, 120));
        QVERIFY(MoonRendering::moonImage(t, false, std::nullopt, std::nullopt, 0, 200).isNull());
        QVERIFY(MoonRendering::sampleMoonImage(-5, 10).isNull());
    }

    void testSouthernLatitudeTurnsThePictureOver() {
        const Instant t = at("2024-04-12T20:00:00Z"); // a waxing crescent: far from symmetric
        const QImage none = MoonRendering::moonImage(t, false, std::nullopt, std::nullopt, 90, 90);
        const QImage south = MoonRendering::moonImage(t, false, -36.8, 174.7, 90, 90);
        const QImage north = MoonRendering::moonImage(t, false, 36.8, 174.7, 90, 90);
        QVERIFY(testing_images::compareChannels(none, south).max > 100);
        QCOMPARE(testing_images::compareChannels(none.mirrored(true, true), south).max, 0);
        QCOMPARE(testing_images::compareChannels(none, north).max, 0);
        QCOMPARE(MoonRendering::pictureRotation(t, false, -0.1, std::nullopt), M_PI);
        QCOMPARE(MoonRendering::pictureRotation(t, false, 0.0, 0.0), 0.0);
    }

    void testOrientedPictureHasItsLitLimbTowardsTheSun() {
        const struct {
            const char *name, *instant;
            double latitude, longitude;
        } rows[] = {
            {"Paris, waxing crescent at dusk", "2024-04-12T19:30:00Z", 48.85, 2.35},
            {"Paris, waning gibbous at dawn", "2024-04-28T04:00:00Z", 48.85, 2.35},
            {"Sydney, waxing crescent at dusk", "2024-04-12T08:30:00Z", -33.87, 151.21},
            {"Quito, first quarter at dusk", "2024-04-15T23:30:00Z", -0.18, -78.47},
            {"Tromsø, waning crescent", "2024-05-05T03:00:00Z", 69.65, 18.96},
        };
        for (const auto &r : rows) {
            const Instant t = at(r.instant);
            const QImage picture = MoonRendering::moonImage(t, true, r.latitude, r.longitude, 120, 120);
            const double expected = sunwardInTheSky(t, r.latitude, r.longitude), seen = litDirection(picture);
            // The albedo's maria pull the centroid a little; the chain's sign errors would be 90° or more.
            QVERIFY2(angleBetween(seen, expected) < 20 * M_PI / 180,
                     qPrintable(QString::fromUtf8(r.name) +
                                QString::asprintf(": lit limb at %.0f°, Sun at %.0f°", seen * 180 / M_PI,
                                                  expected * 180 / M_PI)));
        }
    }

    void testSampleIsTheReferenceMoonTurnedTwentyDegrees() {
        QCOMPARE(MoonRendering::referenceDate().unixSeconds(), 1684972800.0); // 2023-05-25T00:00:00Z
        const QImage upright = MoonRendering::moonImage(MoonRendering::referenceDate(), false, std::nullopt,
                                                        std::nullopt, 120, 120);
        const QImage sample = MoonRendering::sampleMoonImage(120, 160);
        QCOMPARE(sample.size(), QSize(120, 120));
        // −20° is counter-clockwise on screen: the lit direction turns by +20° (y up).
        const double turn = std::remainder(litDirection(sample) - litDirection(upright), 2 * M_PI);
        QVERIFY2(std::abs(turn - 20 * M_PI / 180) < 3 * M_PI / 180,
                 qPrintable(QString::number(turn * 180 / M_PI)));
    }

    void testAssetsAreInTheBundle() {
        for (const char *name : {"moontransparent", "starfield", "pointeronly", "wolficon"}) {
            const std::optional<QString> path = MoonRendering::imageAssetPath(QString::fromLatin1(name));
            QVERIFY2(path, name);
            QImageReader reader(*path);
            reader.setScaledSize(QSize(64, 64));
            QVERIFY2(!reader.read().isNull(), name);
        }
        QVERIFY(!MoonRendering::imageAssetPath(QStringLiteral("moon_missing")));

        const std::optional<QColor> background =
            MoonRendering::colorAsset(QStringLiteral("ViewBackgroundColor"));
        const std::optional<QColor> button = MoonRendering::colorAsset(QStringLiteral("ButtonColor"));
        QVERIFY(background && button);
        QVERIFY(background->lightnessF() < 0.15); // the app is always in the dark scheme
        QVERIFY(button->lightnessF() > 0.5);      // and its buttons must stand out on it
        QVERIFY(!MoonRendering::colorAsset(QStringLiteral("NoSuchColor")));
    }
};

QTEST_MAIN(TestMoonImage)
#include "tst_moonimage.moc"
