// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <QList>
#include <QString>
#include <QVariantList>

#include <optional>

namespace lunafold {

/// One label/value row of a screen section.
struct TextRow {
    QString label;
    QString value;
};

/// The texts of the Now, Rise & Set and day detail screens for an instant, shared by the screens
/// and the CLI: every row is built here and nowhere else.
class ScreenTexts {
  public:
    /// Which day a row names: the screens show today and tomorrow, the day detail its day as today.
    enum class Day { Today, Tomorrow };

    /// "Moon is 50.0000% of full." and, with a place, " and is up." / " and is down.".
    static QString moonRow(Instant now, const std::optional<GeoPoint> &place);
    /// The four "Rise & Set" rows: today's and tomorrow's moonrise and moonset in time order.
    static QList<TextRow> riseSetRows(Instant now, const GeoPoint &place, const TimeZone &zone);
    /// The two "Transit" rows, today and tomorrow.
    static QList<TextRow> transitRows(Instant now, const GeoPoint &place, const TimeZone &zone);
    /// The moonrise and moonset rows of the local day holding @p t, in time order.
    static QList<TextRow> dayRiseSetRows(Instant t, const GeoPoint &place, const TimeZone &zone, Day day);
    /// The transit row of the local day holding @p t.
    static TextRow dayTransitRow(Instant t, const GeoPoint &place, const TimeZone &zone, Day day);
    /// The five "Other" rows: sign, distance, age, azimuth, altitude.
    static QList<TextRow> otherRows(Instant now, const GeoPoint &place);

    /// Rows as QML reads them: maps with "label" and "value".
    static QVariantList toVariant(const QList<TextRow> &rows);
};

} // namespace lunafold
