// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

namespace lunafold {

/// Addresses of moon pictures for QML items that compute their instant themselves (the animated
/// moon asks for one per frame).
class MoonPictures : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    /// The upright picture for @p dateInterval seconds after 2001-01-01T00:00:00Z; the renderer
    /// turns it over for a southern @p latitude.
    Q_INVOKABLE static QString upright(double dateInterval, double latitude, double longitude, int pixels);
};

} // namespace lunafold
