// SPDX-License-Identifier: MIT
#include "core/viewmodels/NowViewModel.h"
#include "core/viewmodels/FollowLocator.h"

#include "astronomy/AstroInterface.h"
#include "astronomy/Sky.h"
#include "core/services/Locator.h"
#include "core/text/MoonDescription.h"
#include "core/text/ScreenTexts.h"
#include "core/text/UIHelper.h"
#include "core/viewmodels/ScreenPlace.h"
#include "notices/AppClock.h"

#include <cmath>

namespace lunafold {

NowViewModel::NowViewModel(Locator *locator, QObject *parent) : QObject(parent), m_locator(nullptr) {
    setLocator(locator);
    refresh();
}

void NowViewModel::setLocator(Locator *locator) {
    if (followLocator(this, m_locator, locator, &NowViewModel::refresh, &Locator::headingChanged))
        Q_EMIT locatorChanged();
}

void NowViewModel::setActive(bool active) {
    if (!m_timeline.setActive(active))
        return;
    // The compass runs only while the screen that points with it is shown.
    if (m_locator && m_locator->locationManager().headingAvailable()) {
        if (active)
            m_locator->locationManager().startUpdatingHeading();
        else
            m_locator->locationManager().stopUpdatingHeading();
    }
    Q_EMIT activeChanged();
}

void NowViewModel::setInterfaceOrientation(int orientation) {
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    refresh();
}

void NowViewModel::setRasterPixels(int pixels) {
    if (pixels <= 0 || pixels == m_rasterPixels)
        return;
    m_rasterPixels = pixels;
    refresh();
}

void NowViewModel::refresh() {
    const Instant now = AppClock::now();
    const TimeZone zone = ScreenPlace::of(m_locator).zone;
    m_first = UIHelper::countdownText(now, zone, true);
    m_second = UIHelper::countdownText(now, zone, false);
    m_phase = UIHelper::phaseText(now, zone, true);
    const std::optional<GeoPoint> place = m_locator ? m_locator->currentLocation() : std::nullopt;
    m_moonRow = ScreenTexts::moonRow(now, place);
    m_moonDescription = moonPictureDescription(now);
    // Oriented to the sky where the observer stands; upright otherwise.
    m_imageSource = imageSource(now, place.has_value(), place.value_or(GeoPoint{}), m_rasterPixels);
    m_pointer.reset();
    if (place && m_locator->locationManager().headingAvailable() && m_locator->heading()) {
        if (const auto azimuth = Sky::moonAzimuth(now, *place))
            m_pointer = pointerRotationFor(*azimuth, *m_locator->heading(), m_orientation);
    }
    Q_EMIT refreshed();
}

double NowViewModel::moonDiameter(double w, double h, bool wide) {
    const double m = std::min(w, h);
    return wide ? 0.6 * m : std::min(0.6 * m, 0.55 * w);
}

int NowViewModel::rasterEdge(double diameter) {
    return std::max(static_cast<int>(std::ceil(diameter / 64.0)) * 64, 64);
}

double NowViewModel::pointerRotationFor(double azimuth, double heading, int orientation) {
    const double offset = orientation == portraitUpsideDown ? 180.0
                          : orientation == landscapeLeft    ? -90.0
                          : orientation == landscapeRight   ? 90.0
                                                            : 0.0;
    return azimuth - heading + offset;
}

QString NowViewModel::imageSource(Instant t, bool orientToSky, const GeoPoint &place, int pixels) {
    // Whole seconds: the picture cannot change faster than the timeline.
    return QStringLiteral("image://moon/%1/%2/%3/%4/%5")
        .arg(static_cast<qlonglong>(std::floor(t.unixSeconds())))
        .arg(orientToSky ? 1 : 0)
        .arg(QString::number(place.latitude(), 'f', 6), QString::number(place.longitude(), 'f', 6))
        .arg(pixels);
}

} // namespace lunafold
