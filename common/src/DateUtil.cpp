// SPDX-License-Identifier: MIT
#include "common/DateUtil.h"

#include "astronomy/TimeZone.h"
#include "common/Localization.h"

#include <QDateTime>

#include <cstring>

namespace lunafold {
namespace {

enum class Count { zero, one, other };

Count classOf(int n) {
    return n == 0 ? Count::zero : n == 1 ? Count::one : Count::other;
}

// The three duration tables share one shape: by the class of each argument, a key and which
// of the two numbers its placeholders take.
struct DurationKeys {
    const char *zeroZero, *zeroOne, *zeroOther;
    const char *oneZero, *oneOne, *oneOther;
    const char *otherZero, *otherOne, *otherOther;
};

QString durationText(const DurationKeys &k, int a, int b) {
    switch (classOf(a)) {
    case Count::zero:
        switch (classOf(b)) {
        // Here the count may be 0, a singular in French: the translation picks the form. ("today"
        // has no count, and a plural lookup of a plain text would miss its translation.)
        case Count::zero:
            return std::strstr(k.zeroZero, "%d") ? formatText(localizedPlural(k.zeroZero, b), {b})
                                                 : localized(k.zeroZero);
        case Count::one:
            return localized(k.zeroOne);
        case Count::other:
            return formatText(localizedPlural(k.zeroOther, b), {b});
        }
        break;
    case Count::one:
        switch (classOf(b)) {
        case Count::zero:
            return localized(k.oneZero);
        case Count::one:
            return localized(k.oneOne);
        case Count::other:
            return trFormat(k.oneOther, {b});
        }
        break;
    case Count::other:
        switch (classOf(b)) {
        case Count::zero:
            return trFormat(k.otherZero, {a});
        case Count::one:
            return trFormat(k.otherOne, {a});
        case Count::other:
            return trFormat(k.otherOther, {a, b});
        }
        break;
    }
    return {};
}

} // namespace

double DateUtil::getNowJulian() {
    return convertDateToJulian(
        Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0));
}

double DateUtil::convertDateToJulian(Instant convertDate) {
    return convertDate.julianDay();
}

std::optional<Instant> DateUtil::convertJulianToDate(double julianDate) {
    return Instant::fromJulianDay(julianDate);
}

Instant DateUtil::dateWithOutTime(Instant sourceDate) {
    const TimeZone zone = TimeZone::current();
    const LocalDateTime l = zone.localDateTime(sourceDate);
    return zone.startOfDay(l.year, l.month, l.day).value_or(sourceDate);
}

QString DateUtil::hoursMinutesToString(int hours, int minutes) {
    static constexpr DurationKeys keys{
        QT_TRANSLATE_N_NOOP("Lunafold", "%d minutes"),
        QT_TRANSLATE_NOOP("Lunafold", "1 minute"),
        QT_TRANSLATE_N_NOOP("Lunafold", "%d minutes"),
        QT_TRANSLATE_NOOP("Lunafold", "exactly 1 hour"),
        QT_TRANSLATE_NOOP("Lunafold", "1 hour, 1 minute"),
        QT_TRANSLATE_NOOP("Lunafold", "1 hour, %d minutes"),
        QT_TRANSLATE_NOOP("Lunafold", "exactly %d hours"),
        QT_TRANSLATE_NOOP("Lunafold", "%d hours, 1 minute"),
        QT_TRANSLATE_NOOP("Lunafold", "%d hours, %d minutes"),
    };
    return durationText(keys, hours, minutes);
}

QString DateUtil::daysHoursToString(int days, int hours) {
    static constexpr DurationKeys keys{
        QT_TRANSLATE_N_NOOP("Lunafold", "%d hours"),        QT_TRANSLATE_NOOP("Lunafold", "1 hour"),
        QT_TRANSLATE_N_NOOP("Lunafold", "%d hours"),        QT_TRANSLATE_NOOP("Lunafold", "exactly 1 day"),
        QT_TRANSLATE_NOOP("Lunafold", "1 day, 1 hour"),     QT_TRANSLATE_NOOP("Lunafold", "1 day, %d hours"),
        QT_TRANSLATE_NOOP("Lunafold", "exactly %d days"),   QT_TRANSLATE_NOOP("Lunafold", "%d days, 1 hour"),
        QT_TRANSLATE_NOOP("Lunafold", "%d days, %d hours"),
    };
    return durationText(keys, days, hours);
}

QString DateUtil::monthsDaysToString(int months, int days) {
    static constexpr DurationKeys keys{
        QT_TRANSLATE_NOOP("Lunafold", "today"),
        QT_TRANSLATE_NOOP("Lunafold", "1 day"),
        QT_TRANSLATE_N_NOOP("Lunafold", "%d days"),
        QT_TRANSLATE_NOOP("Lunafold", "exactly 1 month"),
        QT_TRANSLATE_NOOP("Lunafold", "1 month, 1 day"),
        QT_TRANSLATE_NOOP("Lunafold", "1 month, %d days"),
        QT_TRANSLATE_NOOP("Lunafold", "exactly %d months"),
        QT_TRANSLATE_NOOP("Lunafold", "%d months, 1 day"),
        QT_TRANSLATE_NOOP("Lunafold", "%d months, %d days"),
    };
    return durationText(keys, months, days);
}

} // namespace lunafold
