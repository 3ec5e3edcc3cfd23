// SPDX-License-Identifier: MIT
#include "core/viewmodels/RiseSetViewModel.h"
#include "core/viewmodels/FollowLocator.h"

#include "core/services/Locator.h"
#include "core/text/ScreenTexts.h"
#include "notices/AppClock.h"

namespace lunafold {

RiseSetViewModel::RiseSetViewModel(Locator *locator, QObject *parent) : QObject(parent), m_locator(nullptr) {
    setLocator(locator);
    refresh();
}

void RiseSetViewModel::setLocator(Locator *locator) {
    if (followLocator(this, m_locator, locator, &RiseSetViewModel::refresh))
        Q_EMIT locatorChanged();
}

void RiseSetViewModel::setActive(bool active) {
    if (m_timeline.setActive(active))
        Q_EMIT activeChanged();
}

void RiseSetViewModel::refresh() {
    const auto location = m_locator ? m_locator->currentLocation() : std::nullopt;
    m_hasLocation = location.has_value();
    if (!location) {
        m_riseSet.clear();
        m_transit.clear();
        m_other.clear();
    } else {
        const Instant now = AppClock::now();
        const GeoPoint &place = *location;
        const TimeZone zone = m_locator->timezone();
        m_riseSet = ScreenTexts::toVariant(ScreenTexts::riseSetRows(now, place, zone));
        m_transit = ScreenTexts::toVariant(ScreenTexts::transitRows(now, place, zone));
        m_other = ScreenTexts::toVariant(ScreenTexts::otherRows(now, place));
    }
    Q_EMIT refreshed();
}

} // namespace lunafold
