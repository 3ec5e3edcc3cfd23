// SPDX-License-Identifier: MIT
#include "common/MoonRenderer.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace lunafold {
namespace {

// The half-disc runs between these two angles, deliberately not exactly π/2 and 3π/2.
constexpr double kArcStart = 1.571;
constexpr double kArcEnd = 4.713;
constexpr double kRadToDeg = 57.29577951308232;

// The dark half-disc. Angles are in y-down user space (1.571 is the bottom point). Waxing runs
// through π (the left half), waning through 0 (the right half).
QPainterPath darkHalf(QPointF centre, double radius, bool waxing) {
    const double sweep = waxing ? kArcEnd - kArcStart : (kArcEnd - 2.0 * M_PI) - kArcStart;
    QPainterPath path;
    path.moveTo(centre + QPointF(radius * std::cos(kArcStart), radius * std::sin(kArcStart)));
    // QPainterPath measures angles counter-clockwise on screen, i.e. the negated y-down angle.
    path.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               -kArcStart * kRadToDeg, -sweep * kRadToDeg);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path;
}

} // namespace

MoonRenderer::MoonRenderer(double phase, bool isWaxing, QObject *parent)
    : QObject(parent), m_phase(phase), m_isWaxing(isWaxing) {}

QImage MoonRenderer::getMoonRender(QRectF rect, qreal devicePixelRatio) const {
    const double w = rect.width(), h = rect.height();
    if (!(w > 0.0 && h > 0.0 && devicePixelRatio > 0.0))
        return {};
    const QSize pixels(static_cast<int>(std::ceil(w * devicePixelRatio)),
                       static_cast<int>(std::ceil(h * devicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);

    const double d = std::min(w, h);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(darkHalf(QPointF(w / 2, h / 2), d / 2, m_isWaxing));
    if (m_phase < 0.5) {
        // Crescent: the shadow also covers the near half of the terminator ellipse.
        painter.drawEllipse(QRectF(d * m_phase, 0, d - 2 * d * m_phase, d));
    } else {
        // Gibbous: the terminator ellipse erases shadow from the dark half.
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.drawEllipse(QRectF(d * (1 - m_phase), 0, d - 2 * d * (1 - m_phase), d));
    }
    return image;
}

} // namespace lunafold
