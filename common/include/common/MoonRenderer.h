// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QObject>
#include <QRectF>

namespace lunafold {

/// The moon's shadow for an illuminated fraction: opaque black on a transparent image. Laid over a
/// photograph of the full moon it darkens the photograph to the phase. Made for one image, then dropped.
class MoonRenderer : public QObject {
    Q_OBJECT
    Q_PROPERTY(double phase READ phase CONSTANT)
    Q_PROPERTY(bool isWaxing READ isWaxing CONSTANT)

  public:
    /// @param phase    illuminated fraction, 0 new … 0.5 half … 1 full (not clamped)
    /// @param isWaxing true while the fraction grows: the lit limb is on the right
    MoonRenderer(double phase, bool isWaxing, QObject *parent = nullptr);

    double phase() const { return m_phase; }
    bool isWaxing() const { return m_isWaxing; }

    /// The shadow mask for @p rect (device-independent units), drawn at @p devicePixelRatio pixels
    /// per unit into a transparent ARGB32_Premultiplied image that carries that ratio.
    /// The disc has diameter d = the shorter side; the dark half-disc is centred on the rectangle
    /// while the terminator ellipse sits in the d × d square at the origin (callers ask for squares).
    /// @return a null image when the rectangle or the ratio is not positive.
    Q_INVOKABLE QImage getMoonRender(QRectF rect, qreal devicePixelRatio = 1.0) const;

  private:
    double m_phase;
    bool m_isWaxing;
};

} // namespace lunafold
