// SPDX-License-Identifier: MIT
#pragma once

#include "Fakes.h"
#include "common/UserDefaults.h"
#include "core/services/Locator.h"
#include "core/text/UIHelper.h"

#include <QTemporaryDir>

namespace lunafold::test {

/// What a Locator stands on in tests: a device that never reports by itself, a geocoder with no
/// place names unless told, and settings in a folder of their own.
struct LocatorParts {
    QTemporaryDir dir;
    UserDefaults store{dir.filePath(QStringLiteral("p.ini")), [](const QString &) {}};
    FakeDevice device;
    FakeGeocoder geocoder;
};

/// A Locator on still platform parts, for screens under test: no fix, no place names, and a place
/// only when one is given.
class FixedPlace : public LocatorParts {
  public:
    Locator &locator() { return m_locator; }
    void set(double latitude, double longitude, const char *zone) {
        m_locator.setFixedPlace(GeoPoint{Longitude(longitude), Latitude(latitude)}, *TimeZone::named(zone));
    }

  private:
    Locator m_locator{device, geocoder, store, false};
};

} // namespace lunafold::test
