// SPDX-License-Identifier: MIT
#include "MoonRendering/MoonRendering.h"

#include "MoonRendering/MoonSphereRenderer.h"
#include "MoonRendering/ResourceBundle.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/aa/Coordinates.h"
#include "astronomy/aa/Moon.h"
#include "common/MoonRenderer.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <deque>
#include <mutex>

namespace lunafold::MoonRendering {
namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kSampleRotation = -0.3490658503988659; // −20°
constexpr double kShadowOpacity = 0.7;

// The Now screen asks for its picture every second, and its turn (the parallactic angle) moves by a
// few thousandths of a degree a second; turning 512 pixels costs a millisecond. Turns other than
// quarter turns are settled on steps of kTurnStep, which moves the rim of a 512-pixel moon by at most
// 0.13 pixel, and the turned pictures of the last few spheres are kept.
constexpr double kTurnStep = 0.0005; // radians
constexpr int kKeptTurned = 48;
constexpr qsizetype kKeptTurnedBytes = 24 << 20;

double settledTurn(double rotation) {
    if (std::remainder(rotation, M_PI / 2) == 0.0)
        return rotation;
    return std::round(rotation / kTurnStep) * kTurnStep;
}

struct Turned {
    qint64 sphere;
    int side;
    double rotation;
    QImage picture;
};

std::optional<QImage> keptTurn(std::mutex &mutex, const std::deque<Turned> &kept, qint64 sphere, int side,
                               double rotation) {
    std::lock_guard lock(mutex);
    for (const Turned &t : kept)
        if (t.sphere == sphere && t.side == side && t.rotation == rotation)
            return t.picture;
    return std::nullopt;
}

void keepTurn(std::mutex &mutex, std::deque<Turned> &kept, Turned turned) {
    std::lock_guard lock(mutex);
    kept.push_front(std::move(turned));
    qsizetype bytes = 0;
    for (const Turned &t : kept)
        bytes += t.picture.sizeInBytes();
    while (kept.size() > 1 && (kept.size() > kKeptTurned || bytes > kKeptTurnedBytes)) {
        bytes -= kept.back().picture.sizeInBytes();
        kept.pop_back();
    }
}

// Draws the sphere, or the flat pair, turned by @p rotation (radians, clockwise on screen) about the
// centre of a side × side square.
QImage compose(Instant date, int side, double rotation) {
    static std::mutex keptMutex;
    static std::deque<Turned> kept;
    const LightParameters light = lightParameters(date);
    const std::optional<QImage> sphere = MoonSphereRenderer::shared().renderSphere(
        side, light.light, kShadeConstantA, kShadeConstantB, light.fractionTerm);
    rotation = settledTurn(rotation);
    if (sphere) {
        if (std::optional<QImage> hit = keptTurn(keptMutex, kept, sphere->cacheKey(), side, rotation))
            return *hit;
    }

    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    // Quarter turns move whole pixels; only other angles need resampling.
    if (std::remainder(rotation, M_PI / 2) != 0.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(side / 2.0, side / 2.0);
    painter.rotate(rotation * 180.0 / M_PI); // exactly 180 for π
    const QRectF square(-side / 2.0, -side / 2.0, side, side);
    if (sphere) {
        painter.drawImage(square, *sphere);
    } else {
        const auto [base, shadow] = flatMoonImages(date, side);
        if (base)
            painter.drawImage(square, *base);
        painter.setOpacity(kShadowOpacity);
        painter.drawImage(square, shadow);
    }
    painter.end();
    if (sphere)
        keepTurn(keptMutex, kept, {sphere->cacheKey(), side, rotation, picture});
    return picture;
}

} // namespace

LightParameters lightParametersFor(double fraction, bool waning) {
    const double c = std::clamp(2.0 * fraction - 1.0, -1.0, 1.0);
    const double theta = std::acos(c);
    const double s = waning ? -std::sin(theta) : std::sin(theta);
    return {{static_cast<float>(s), 0.0f, static_cast<float>(c)},
            static_cast<float>(0.22 * (1.0 - fraction))};
}

LightParameters lightParameters(Instant date) {
    return lightParametersFor(AstroInterface::getMoonFraction(date), AstroInterface::isWaning(date));
}

double pictureRotation(Instant date, bool orientToSky, std::optional<double> latitude,
                       std::optional<double> longitude) {
    if (!orientToSky)
        return latitude && *latitude < 0.0 ? M_PI : 0.0;
    const aa::JulianDay jd(date);
    const aa::Moon moon(jd, true);
    // The framework counts longitudes positive westward.
    const aa::GeographicCoordinates place{-longitude.value_or(0.0), latitude.value_or(0.0), 0.0};
    double rotation = AstroInterface::isWaning(date) ? M_PI / 2 : -M_PI / 2;
    rotation -= moon.brightLimbPositionAngle() * kDegToRad;
    rotation += aa::parallacticAngle(moon.equatorialCoordinates(), place, jd) * kDegToRad;
    return rotation;
}

QImage moonImage(Instant date, bool orientToSky, std::optional<double> latitude,
                 std::optional<double> longitude, int width, int height) {
    const int side = std::min(width, height);
    if (side < 1)
        return {};
    return compose(date, side, pictureRotation(date, orientToSky, latitude, longitude));
}

QImage sampleMoonImage(int width, int height) {
    const int side = std::min(width, height);
    if (side < 1)
        return {};
    return compose(referenceDate(), side, kSampleRotation);
}

namespace {

// The photograph scaled to a side; decoding and scaling it is most of a flat picture's cost
// and its pixels never change, so the last few sides are kept.
QImage scaledPhotograph(int side) {
    static std::mutex mutex;
    static const QImage photo = [] {
        const std::optional<QString> path = imageAssetPath(QStringLiteral("moontransparent"));
        return path ? QImage(*path) : QImage();
    }();
    static QList<QImage> recent;
    std::lock_guard lock(mutex);
    for (const QImage &image : recent)
        if (image.width() == side)
            return image;
    QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    // A missing photograph leaves the base transparent: the shadow alone still shows the phase.
    if (!photo.isNull()) {
        QPainter painter(&square);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, side, side), photo);
    }
    recent.prepend(square);
    if (recent.size() > 4)
        recent.removeLast();
    return square;
}

} // namespace

std::pair<std::optional<QImage>, QImage> flatMoonImages(Instant date, int side) {
    const MoonRenderer renderer(AstroInterface::getMoonFraction(date), !AstroInterface::isWaning(date));
    std::optional<QImage> base;
    if (side >= 1)
        base = scaledPhotograph(side);
    return {base, renderer.getMoonRender(QRectF(0, 0, side, side), 1.0)};
}

Instant referenceDate() {
    static const Instant reference = [] {
        QDateTime parsed =
            QLocale::c().toDateTime(QStringLiteral("2023/05/25 00:00"), QStringLiteral("yyyy/MM/dd HH:mm"));
        if (!parsed.isValid())
            return Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0);
        parsed.setTimeZone(QTimeZone::utc()); // the wall time read as UTC
        return Instant::trusted(static_cast<double>(parsed.toMSecsSinceEpoch()) / 1000.0);
    }();
    return reference;
}

} // namespace lunafold::MoonRendering
