// SPDX-License-Identifier: MIT
#include "core/text/ScreenTexts.h"

#include "astronomy/AstroInterface.h"
#include "astronomy/CivilDate.h"
#include "astronomy/Sky.h"
#include "common/Localization.h"
#include "core/text/IcuLocale.h"
#include "core/text/UIHelper.h"

#include <unicode/numberformatter.h>
#include <unicode/plurrule.h>

#include <QVariantMap>

#include <memory>

namespace lunafold {
namespace {

// The start of today and of tomorrow in the place's calendar.
std::pair<Instant, Instant> todayAndTomorrow(Instant now, const TimeZone &zone) {
    const auto today = LocalDayFrame::containing(now, zone);
    if (!today)
        return {now, now.plusSeconds(86400)};
    return {today->dayStart, today->dayEnd};
}

QString timeOrBlank(const std::optional<Instant> &t, const TimeZone &zone) {
    return t ? UIHelper::shortTime(*t, zone) : QStringLiteral(" ");
}

TextRow riseSetRow(const RiseSetLine &line, ScreenTexts::Day day, const TimeZone &zone) {
    const bool today = day == ScreenTexts::Day::Today;
    static const char *const labels[2][2][2] = {
        // [today][rise][present]
        {{QT_TRANSLATE_NOOP("Lunafold", "No Moon Set tomorrow"),
          QT_TRANSLATE_NOOP("Lunafold", "Moon Set tomorrow")},
         {QT_TRANSLATE_NOOP("Lunafold", "No Moon Rise tomorrow"),
          QT_TRANSLATE_NOOP("Lunafold", "Moon Rise tomorrow")}},
        {{QT_TRANSLATE_NOOP("Lunafold", "No Moon Set today"),
          QT_TRANSLATE_NOOP("Lunafold", "Moon Set today")},
         {QT_TRANSLATE_NOOP("Lunafold", "No Moon Rise today"),
          QT_TRANSLATE_NOOP("Lunafold", "Moon Rise today")}},
    };
    return {localized(labels[today][line.rise][line.date.has_value()]), timeOrBlank(line.date, zone)};
}

// The plural form for a number as written with its decimals: "1.500 days", but "1,500 jour" in
// French, whose singular covers everything below two. Qt's forms are chosen by an integer, so
// ask for one that falls in the same category.
QString pluralForDecimal(const char *key, double value, int decimals) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::PluralRules> rules(icu::PluralRules::forLocale(icuLocale(), status));
    if (U_FAILURE(status))
        return localizedPlural(key, 2);
    const auto formatted = icu::number::NumberFormatter::withLocale(icuLocale())
                               .precision(icu::number::Precision::fixedFraction(decimals))
                               .formatDouble(value, status);
    const icu::UnicodeString category = rules->select(formatted, status);
    if (U_FAILURE(status))
        return localizedPlural(key, 2);
    for (int n = 0; n <= 100; ++n)
        if (rules->select(static_cast<int32_t>(n)) == category)
            return localizedPlural(key, n);
    return localizedPlural(key, 100);
}

QString degrees(double v) {
    return localeNumber(v, 4) + u'°';
}

} // namespace

QString ScreenTexts::moonRow(Instant now, const std::optional<GeoPoint> &place) {
    const QString percent = localeNumber(AstroInterface::getMoonFraction(now) * 100.0, 4);
    if (!place)
        return trFormat(QT_TRANSLATE_NOOP("Lunafold", "Moon is %@%% of full."), {percent});
    const double altitude = Sky::moonAltitude(now, *place).value_or(0.0);
    return trFormat(altitude <= 0.0 ? QT_TRANSLATE_NOOP("Lunafold", "Moon is %@%% of full and is down.")
                                    : QT_TRANSLATE_NOOP("Lunafold", "Moon is %@%% of full and is up."),
                    {percent});
}

QList<TextRow> ScreenTexts::dayRiseSetRows(Instant t, const GeoPoint &place, const TimeZone &zone, Day day) {
    return {riseSetRow(UIHelper::orderedRiseSetLine(t, zone, place, true), day, zone),
            riseSetRow(UIHelper::orderedRiseSetLine(t, zone, place, false), day, zone)};
}

TextRow ScreenTexts::dayTransitRow(Instant t, const GeoPoint &place, const TimeZone &zone, Day day) {
    static const char *const labels[2][2] = {
        // [today][present]
        {QT_TRANSLATE_NOOP("Lunafold", "No Moon Transit tomorrow"),
         QT_TRANSLATE_NOOP("Lunafold", "Moon Transit tomorrow")},
        {QT_TRANSLATE_NOOP("Lunafold", "No Moon Transit today"),
         QT_TRANSLATE_NOOP("Lunafold", "Moon Transit today")},
    };
    const auto transit = Sky::moonTransit(t, place, zone);
    return {localized(labels[day == Day::Today][transit.has_value()]), timeOrBlank(transit, zone)};
}

QList<TextRow> ScreenTexts::riseSetRows(Instant now, const GeoPoint &place, const TimeZone &zone) {
    const auto [today, tomorrow] = todayAndTomorrow(now, zone);
    return dayRiseSetRows(today, place, zone, Day::Today) +
           dayRiseSetRows(tomorrow, place, zone, Day::Tomorrow);
}

QList<TextRow> ScreenTexts::transitRows(Instant now, const GeoPoint &place, const TimeZone &zone) {
    const auto [today, tomorrow] = todayAndTomorrow(now, zone);
    return {dayTransitRow(today, place, zone, Day::Today),
            dayTransitRow(tomorrow, place, zone, Day::Tomorrow)};
}

QList<TextRow> ScreenTexts::otherRows(Instant now, const GeoPoint &place) {
    const double age = now.secondsSince(AstroInterface::getNewMoonPrev(now)) / 86400.0;
    const double azimuth = Sky::moonAzimuth(now, place).value_or(0.0);
    const double altitude = Sky::moonAltitude(now, place).value_or(0.0);
    return {
        {localized(QT_TRANSLATE_NOOP("Lunafold", "Moon Sign")), UIHelper::signWithEmoji(now)},
        {localized(QT_TRANSLATE_NOOP("Lunafold", "Moon Distance")),
         UIHelper::distanceText(AstroInterface::getMoonDistanceKm(now))},
        {localized(QT_TRANSLATE_NOOP("Lunafold", "Moon Age")),
         formatText(pluralForDecimal(QT_TRANSLATE_N_NOOP("Lunafold", "%@ days"), age, 3),
                    {localeNumber(age, 3)})},
        {localized(QT_TRANSLATE_NOOP("Lunafold", "Moon Azimuth")), degrees(azimuth)},
        {localized(QT_TRANSLATE_NOOP("Lunafold", "Moon Altitude")), degrees(altitude)},
    };
}

QVariantList ScreenTexts::toVariant(const QList<TextRow> &rows) {
    QVariantList list;
    for (const TextRow &r : rows)
        list << QVariantMap{{QStringLiteral("label"), r.label}, {QStringLiteral("value"), r.value}};
    return list;
}

} // namespace lunafold
