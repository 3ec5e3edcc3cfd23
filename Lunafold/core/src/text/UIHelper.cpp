// SPDX-License-Identifier: MIT
#include "core/text/UIHelper.h"

#include "astronomy/AstroInterface.h"
#include "astronomy/Sky.h"
#include "common/DateUtil.h"
#include "common/Horoscopes.h"
#include "common/Localization.h"
#include "core/text/CalendarMath.h"
#include "core/text/IcuLocale.h"
#include "core/text/PhaseNames.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include <memory>

#include <unicode/numberformatter.h>
#include <unicode/rbnf.h>

namespace lunafold {
namespace {

struct Event {
    PrincipalPhase phase;
    Instant when;
};

// The horoscope keeps its English sign names (its texts are chosen by them); they are translated
// where they are shown.
constexpr const char *kSignNames[] = {
    QT_TRANSLATE_NOOP("Lunafold", "Aries"),       QT_TRANSLATE_NOOP("Lunafold", "Taurus"),
    QT_TRANSLATE_NOOP("Lunafold", "Gemini"),      QT_TRANSLATE_NOOP("Lunafold", "Cancer"),
    QT_TRANSLATE_NOOP("Lunafold", "Leo"),         QT_TRANSLATE_NOOP("Lunafold", "Virgo"),
    QT_TRANSLATE_NOOP("Lunafold", "Libra"),       QT_TRANSLATE_NOOP("Lunafold", "Scorpio"),
    QT_TRANSLATE_NOOP("Lunafold", "Sagittarius"), QT_TRANSLATE_NOOP("Lunafold", "Capricorn"),
    QT_TRANSLATE_NOOP("Lunafold", "Aquarius"),    QT_TRANSLATE_NOOP("Lunafold", "Pisces"),
};

QString signName(const QString &english) {
    for (const char *name : kSignNames)
        if (english == QLatin1String(name))
            return localized(name);
    return english;
}

QString fromIcu(const icu::UnicodeString &s) {
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

} // namespace

QString UIHelper::countdownText(Instant t, const TimeZone &zone, bool first) {
    const Instant full = AstroInterface::getFullMoonNext(t), newMoon = AstroInterface::getNewMoonNext(t);
    const Instant q1 = AstroInterface::getFirstQuarterNext(t), q3 = AstroInterface::getLastQuarterNext(t);
    Event a{}, b{};
    if (AstroInterface::isWaning(t)) {
        if (q3 < newMoon) {
            a = {PrincipalPhase::LastQuarter, q3};
            b = {PrincipalPhase::NewMoon, newMoon};
        } else {
            a = {PrincipalPhase::NewMoon, newMoon};
            b = {PrincipalPhase::FirstQuarter, q1};
        }
    } else if (q1 < full) {
        a = {PrincipalPhase::FirstQuarter, q1};
        b = {PrincipalPhase::FullMoon, full};
    } else {
        a = {PrincipalPhase::FullMoon, full};
        b = {PrincipalPhase::LastQuarter, q3};
    }
    const Event &e = first ? a : b;
    const DayHourMinute d = calendarDifference(t, e.when, zone);
    const QString label = phaseName(e.phase);
    if (d.days < 1 && d.hours == 0 && d.minutes == 0)
        return trFormat(QT_TRANSLATE_NOOP("Lunafold", "%@ %@."),
                        {label, localized(QT_TRANSLATE_NOOP("Lunafold", "is now"))});
    const QString duration =
        d.days < 1 ? hoursMinutesText(d.hours, d.minutes) : daysHoursText(d.days, d.hours);
    return trFormat(QT_TRANSLATE_NOOP("Lunafold", "%@ %@ %@."),
                    {label, localized(QT_TRANSLATE_NOOP("Lunafold", "in")), duration});
}

QString UIHelper::phaseText(Instant t, const TimeZone &zone, bool withTime) {
    struct Candidate {
        Instant when;
        const char *text;
    };
    const Candidate candidates[] = {
        {AstroInterface::getFullMoonNext(t), QT_TRANSLATE_NOOP("Lunafold", "Full Moon is today")},
        {AstroInterface::getFullMoonPrev(t), "Full Moon is today"},
        {AstroInterface::getNewMoonNext(t), QT_TRANSLATE_NOOP("Lunafold", "New Moon is today")},
        {AstroInterface::getNewMoonPrev(t), "New Moon is today"},
        {AstroInterface::getFirstQuarterNext(t), QT_TRANSLATE_NOOP("Lunafold", "First Quarter is today")},
        {AstroInterface::getFirstQuarterPrev(t), "First Quarter is today"},
        {AstroInterface::getLastQuarterNext(t), QT_TRANSLATE_NOOP("Lunafold", "Last Quarter is today")},
        {AstroInterface::getLastQuarterPrev(t), "Last Quarter is today"},
    };
    for (const Candidate &c : candidates) {
        if (!sameLocalDay(t, c.when, zone))
            continue;
        if (withTime)
            return trFormat(QT_TRANSLATE_NOOP("Lunafold", "%@ - %@."),
                            {localized(c.text), shortTime(c.when, zone)});
        return trFormat(QT_TRANSLATE_NOOP("Lunafold", "%@."), {localized(c.text)});
    }
    const bool waning = AstroInterface::isWaning(t);
    const double f = AstroInterface::getMoonFraction(t);
    if (!waning)
        return f >= 0.5 ? localized(QT_TRANSLATE_NOOP("Lunafold", "Phase is waxing gibbous."))
                        : localized(QT_TRANSLATE_NOOP("Lunafold", "Phase is waxing crescent."));
    return f < 0.5 ? localized(QT_TRANSLATE_NOOP("Lunafold", "Phase is waning crescent."))
                   : localized(QT_TRANSLATE_NOOP("Lunafold", "Phase is waning gibbous."));
}

// The duration wordings are the shared library's; one table serves both.
QString UIHelper::daysHoursText(int days, int hours) {
    return DateUtil::daysHoursToString(days, hours);
}

QString UIHelper::hoursMinutesText(int hours, int minutes) {
    return DateUtil::hoursMinutesToString(hours, minutes);
}

RiseSetLine UIHelper::orderedRiseSetLine(Instant t, const TimeZone &zone, const GeoPoint &place, bool first) {
    const auto r = Sky::moonRise(t, place, zone);
    const auto s = Sky::moonSet(t, place, zone);
    RiseSetLine line1{true, r}, line2{false, s};
    if (r && s && !(*s > *r)) {
        line1 = {false, s};
        line2 = {true, r};
    }
    return first ? line1 : line2;
}

QString UIHelper::calendarPhaseLabel(Instant t, const TimeZone &zone) {
    const auto day = LocalDayFrame::containing(t, zone);
    if (!day)
        return {};
    // Bare "Full" or "Last" would be ambiguous to a translator: these carry their own context.
    static const struct {
        const char *source, *comment;
    } kLabels[] = {
        QT_TRANSLATE_NOOP3("Lunafold", "Full", "calendar"),
        QT_TRANSLATE_NOOP3("Lunafold", "New", "calendar"),
        QT_TRANSLATE_NOOP3("Lunafold", "First", "calendar"),
        QT_TRANSLATE_NOOP3("Lunafold", "Last", "calendar"),
    };
    const struct {
        Instant when;
        const char *label;
    } events[] = {
        {AstroInterface::getFullMoonNext(day->dayStart), kLabels[0].source},
        {AstroInterface::getNewMoonNext(day->dayStart), kLabels[1].source},
        {AstroInterface::getFirstQuarterNext(day->dayStart), kLabels[2].source},
        {AstroInterface::getLastQuarterNext(day->dayStart), kLabels[3].source},
    };
    for (const auto &e : events)
        if (e.when < day->dayEnd)
            return QCoreApplication::translate("Lunafold", e.label, "calendar");
    return {};
}

QString UIHelper::ordinalText(const QString &s) {
    // An optional sign and decimal digits only: toLongLong alone would also take blanks around them.
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    bool ok = false;
    const qlonglong n = integer.match(s).hasMatch() ? s.toLongLong(&ok, 10) : 0;
    if (!ok)
        return localized(QT_TRANSLATE_NOOP("Lunafold", " "));
    // Building the rules parses them: a month's grid asks for 42 ordinals. One per thread and locale.
    struct Ordinals {
        icu::Locale locale;
        std::unique_ptr<icu::RuleBasedNumberFormat> format;
    };
    thread_local Ordinals ordinals;
    if (const icu::Locale locale = icuLocale(); !ordinals.format || ordinals.locale != locale) {
        UErrorCode status = U_ZERO_ERROR;
        auto format = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_ORDINAL, locale, status);
        ordinals = {locale, U_FAILURE(status) ? nullptr : std::move(format)};
    }
    if (!ordinals.format)
        return QString::number(n);
    icu::UnicodeString out;
    ordinals.format->format(static_cast<int64_t>(n), out);
    return out.isEmpty() ? QString::number(n) : fromIcu(out);
}

QString UIHelper::signWithEmoji(Instant t) {
    Horoscopes h;
    h.genHoroscope(AstroInterface::getMoonLongitude(t), AstroInterface::isWaning(t),
                   AstroInterface::getMoonFraction(t));
    return formatText(QStringLiteral("%@ %@"), {signName(h.moonSign), h.signEmoji});
}

QString UIHelper::emojiWithSign(Instant t) {
    Horoscopes h;
    h.genHoroscope(AstroInterface::getMoonLongitude(t), AstroInterface::isWaning(t),
                   AstroInterface::getMoonFraction(t));
    return formatText(QStringLiteral("%@ %@"), {h.signEmoji, signName(h.moonSign)});
}

QString UIHelper::distanceText(double kilometres) {
    // ICU picks the locale's unit for road distances (miles in the US and the UK).
    UErrorCode status = U_ZERO_ERROR;
    const auto formatter = icu::number::NumberFormatter::withLocale(icuLocale())
                               .unit(icu::MeasureUnit::getKilometer())
                               .usage("road")
                               .precision(icu::number::Precision::fixedFraction(1))
                               .unitWidth(UNUM_UNIT_WIDTH_SHORT);
    const icu::UnicodeString out = formatter.formatDouble(kilometres, status).toString(status);
    if (U_FAILURE(status))
        return QLocale().toString(kilometres, 'f', 1) + QStringLiteral(" km");
    return fromIcu(out);
}

QString UIHelper::shortTime(Instant t, const TimeZone &zone) {
    const LocalDateTime l = zone.localDateTime(t);
    return QLocale().toString(QTime(l.hour, l.minute), QLocale::ShortFormat);
}

} // namespace lunafold
