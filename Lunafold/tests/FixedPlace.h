// SPDX-License-Identifier: MIT
#pragma once

#include "Fakes.h"
#include "common/UserDefaults.h"
#include "core/services/Locator.h"
#include "core/text/UIHelper.h"

#include <QTemporaryDir>

#include <memory>

namespace lunafold::test {

/// A Locator on still platform parts, for screens under test: no fix, no place names, and a place
/// only when one is given.
class FixedPlace {
  public:
    FixedPlace() {
        m_store =
            std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("p.ini")), [](const QString &) {});
        m_locator = std::make_unique<Locator>(m_manager, m_geocoder, *m_store, false);
    }

    Locator &locator() { return *m_locator; }
    void set(double latitude, double longitude, const char *zone) {
        m_locator->setFixedPlace(GeoPoint{Longitude(longitude), Latitude(latitude)}, *TimeZone::named(zone));
    }

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_store;
    FakeDevice m_manager;
    FakeGeocoder m_geocoder;
    std::unique_ptr<Locator> m_locator;
};

} // namespace lunafold::test
