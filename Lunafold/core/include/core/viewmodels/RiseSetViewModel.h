// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/Locator.h"
#include "core/viewmodels/Timeline.h"

#include <QObject>
#include <QPointer>
#include <QVariantList>

namespace lunafold {

/// The Rise & Set screen: three sections of label/value rows for the chosen place, every 2 s.
class RiseSetViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(bool hasLocation READ hasLocation NOTIFY refreshed)
    Q_PROPERTY(QVariantList riseSetRows READ riseSetRows NOTIFY refreshed)
    Q_PROPERTY(QVariantList transitRows READ transitRows NOTIFY refreshed)
    Q_PROPERTY(QVariantList otherRows READ otherRows NOTIFY refreshed)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)

  public:
    explicit RiseSetViewModel(Locator *locator = nullptr, QObject *parent = nullptr);

    Locator *locator() const { return m_locator; }
    /// The place the figures are for; none: no place.
    void setLocator(Locator *locator);

    bool hasLocation() const { return m_hasLocation; }
    /// Each row a map with "label" and "value".
    QVariantList riseSetRows() const { return m_riseSet; }
    QVariantList transitRows() const { return m_transit; }
    QVariantList otherRows() const { return m_other; }
    bool active() const { return m_timeline.active(); }
    void setActive(bool active);

    Q_INVOKABLE void refresh();

  Q_SIGNALS:
    void locatorChanged();
    void refreshed();
    void activeChanged();

  private:
    QPointer<Locator> m_locator;
    Timeline m_timeline{2000, [this] { refresh(); }};
    bool m_hasLocation = false;
    QVariantList m_riseSet, m_transit, m_other;
};

} // namespace lunafold
