// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/Instant.h"
#include "core/services/Locator.h"
#include "core/viewmodels/Timeline.h"

#include <QObject>
#include <QPointer>

#include <optional>

namespace lunafold {

/// The Now screen's figures, rebuilt every second and on every change of the place.
class NowViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(QString firstCountdown READ firstCountdown NOTIFY refreshed)
    Q_PROPERTY(QString secondCountdown READ secondCountdown NOTIFY refreshed)
    Q_PROPERTY(QString phaseSentence READ phaseSentence NOTIFY refreshed)
    Q_PROPERTY(QString moonRow READ moonRow NOTIFY refreshed)
    Q_PROPERTY(QString moonDescription READ moonDescription NOTIFY refreshed)
    Q_PROPERTY(QString moonImageSource READ moonImageSource NOTIFY refreshed)
    Q_PROPERTY(bool showPointer READ showPointer NOTIFY refreshed)
    Q_PROPERTY(double pointerRotation READ pointerRotation NOTIFY refreshed)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(
        int interfaceOrientation READ interfaceOrientation WRITE setInterfaceOrientation NOTIFY refreshed)
    Q_PROPERTY(int rasterPixels READ rasterPixels WRITE setRasterPixels NOTIFY refreshed)

  public:
    /// Interface orientations as the platform numbers them.
    enum Orientation {
        unknown = 0,
        portrait = 1,
        portraitUpsideDown = 2,
        landscapeLeft = 3,
        landscapeRight = 4
    };
    Q_ENUM(Orientation)

    /// @param locator the place to show; none: no place until one is set
    explicit NowViewModel(Locator *locator = nullptr, QObject *parent = nullptr);

    Locator *locator() const { return m_locator; }
    /// The place the figures are for; none: no place.
    void setLocator(Locator *locator);

    QString firstCountdown() const { return m_first; }
    QString secondCountdown() const { return m_second; }
    QString phaseSentence() const { return m_phase; }
    QString moonRow() const { return m_moonRow; }
    /// The picture for a screen reader: "Waxing gibbous, 82% lit".
    QString moonDescription() const { return m_moonDescription; }
    QString moonImageSource() const { return m_imageSource; }
    bool showPointer() const { return m_pointer.has_value(); }
    double pointerRotation() const { return m_pointer.value_or(0.0); }
    bool active() const { return m_timeline.active(); }
    void setActive(bool active);
    int interfaceOrientation() const { return m_orientation; }
    void setInterfaceOrientation(int orientation);
    int rasterPixels() const { return m_rasterPixels; }
    void setRasterPixels(int pixels);

    /// Recomputes every figure for the app clock's present instant.
    Q_INVOKABLE void refresh();

    /// The moon's diameter in points for the area @p w × @p h.
    Q_INVOKABLE static double moonDiameter(double w, double h, bool wide);
    /// The picture's edge in points: the diameter rounded up to a multiple of 64, at least 64.
    Q_INVOKABLE static int rasterEdge(double diameter);
    /// Degrees to turn the pointer: azimuth − heading + the orientation's offset.
    static double pointerRotationFor(double azimuth, double heading, int orientation);
    /// The moon picture's address for the image provider.
    static QString imageSource(Instant t, bool orientToSky, const GeoPoint &place, int pixels);

  Q_SIGNALS:
    void locatorChanged();
    void refreshed();
    void activeChanged();

  private:
    QPointer<Locator> m_locator;
    Timeline m_timeline{1000, [this] { refresh(); }};
    QString m_first, m_second, m_phase, m_moonRow, m_imageSource, m_moonDescription;
    std::optional<double> m_pointer;
    int m_orientation = portrait;
    int m_rasterPixels = 256;
};

} // namespace lunafold
