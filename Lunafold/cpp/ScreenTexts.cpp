// SPDX-License-Identifier: MIT
#include "ScreenTexts.h"

#include "UIHelper.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/CivilDate.h"
#include "common/Localization.h"

namespace lunafold {
namespace {

// The start of today and of tomorrow in the place's calendar.
std::pair<Instant, Instant> todayAndTomorrow(Instant now, const TimeZone &zone) {
    const auto today = LocalDayFrame::containing(now, zone);
    if (!today)
        return {now, now.plusSeconds(86400)};
    return {today->dayStart, today->dayEnd};
}

QString timeOrBlank(const std::optional<Instant> &t) { return t ? UIHelper::shortTime(*t) : QStringLiteral(" "); }

TextRow riseSetRow(const RiseSetLine &line, bool today) {
    // Row labels are shown as they stand, like the other Rise & Set labels.
    static const char *const labels[2][2][2] = {
        // [today][rise][present]
        {{"No Moon Set tomorrow", "Moon Set tomorrow"}, {"No Moon Rise tomorrow", "Moon Rise tomorrow"}},
        {{"No Moon Set today", "Moon Set today"}, {"No Moon Rise today", "Moon Rise today"}},
    };
    return {QString::fromLatin1(labels[today][line.rise][line.date.has_value()]), timeOrBlank(line.date)};
}

QString fixed(double v, int decimals) { return QString::number(v, 'f', decimals); }

} // namespace

QString ScreenTexts::moonRow(Instant now, const std::optional<GeoPoint> &place) {
    const QString percent = fixed(AstroInterface::getMoonFraction(now) * 100.0, 4);
    if (!place)
        return localized("Moon is ") + percent + localized("% of full.");
    const double altitude = AstroInterface::getMoonAltitude(now, place->longitude, place->latitude).value_or(0.0);
    return localized("Moon is ") + percent +
           (altitude <= 0.0 ? localized("% of full and is down.") : localized("% of full and is up."));
}

QList<TextRow> ScreenTexts::riseSetRows(Instant now, const GeoPoint &place, const TimeZone &zone) {
    const auto [today, tomorrow] = todayAndTomorrow(now, zone);
    QList<TextRow> rows;
    for (const auto &[day, isToday] : {std::pair{today, true}, std::pair{tomorrow, false}})
        for (bool first : {true, false})
            rows << riseSetRow(UIHelper::orderedRiseSetLine(day, zone, place.longitude, place.latitude, first),
                               isToday);
    return rows;
}

QList<TextRow> ScreenTexts::transitRows(Instant now, const GeoPoint &place, const TimeZone &zone) {
    const auto [today, tomorrow] = todayAndTomorrow(now, zone);
    const auto t0 = AstroInterface::getMoonTransitTime(today, place.longitude, place.latitude, zone);
    const auto t1 = AstroInterface::getMoonTransitTime(tomorrow, place.longitude, place.latitude, zone);
    return {
        {t0 ? QStringLiteral("Moon Transit today") : QStringLiteral("No Moon Transit today"), timeOrBlank(t0)},
        {t1 ? QStringLiteral("Moon Transit tomorrow") : QStringLiteral("No Moon Transit tomorrow"), timeOrBlank(t1)},
    };
}

QList<TextRow> ScreenTexts::otherRows(Instant now, const GeoPoint &place) {
    const double age = now.secondsSince(AstroInterface::getNewMoonPrev(now)) / 86400.0;
    const double azimuth = AstroInterface::getMoonAzimuth(now, place.longitude, place.latitude).value_or(0.0);
    const double altitude = AstroInterface::getMoonAltitude(now, place.longitude, place.latitude).value_or(0.0);
    return {
        {QStringLiteral("Moon Sign"), UIHelper::signWithEmoji(now)},
        {QStringLiteral("Moon Distance"), UIHelper::distanceText(AstroInterface::getMoonDistanceKm(now))},
        {QStringLiteral("Moon Age"), fixed(age, 3) + QStringLiteral(" days")},
        {QStringLiteral("Moon Azimuth"), fixed(azimuth, 4) + QStringLiteral("°")},
        {QStringLiteral("Moon Altitude"), fixed(altitude, 4) + QStringLiteral("°")},
    };
}

} // namespace lunafold
