// SPDX-License-Identifier: MIT
#include "common/MoonHelper.h"

#include "astronomy/CivilDate.h"
#include "astronomy/TimeZone.h"
#include "common/DateUtil.h"
#include "common/Localization.h"

#include <QDateTime>

namespace lunafold {

QString MoonHelper::getPhaseDescription(double f, bool isWaning) {
    if (f > 0.98)
        return QStringLiteral("full moon");
    if (f < 0.02)
        return QStringLiteral("new moon");
    if (f > 0.45 && f < 0.55)
        return isWaning ? QStringLiteral("last quarter") : QStringLiteral("first quarter");
    if (f < 0.5)
        return isWaning ? QStringLiteral("waning crescent") : QStringLiteral("waxing crescent");
    return isWaning ? QStringLiteral("waning gibbous") : QStringLiteral("waxing gibbous");
}

QString MoonHelper::getNextPhaseDescription(Instant nextFullMoonDate, Instant nextNewMoonDate) {
    return getNextPhaseDescription(
        nextFullMoonDate, nextNewMoonDate,
        Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000));
}

QString MoonHelper::getNextPhaseDescription(Instant nextFull, Instant nextNew, Instant now) {
    const bool newMoon = nextFull >= nextNew;
    const Instant event = newMoon ? nextNew : nextFull;
    const QString symbol = newMoon ? QStringLiteral("\U0001F311") : QStringLiteral("\U0001F315");

    const TimeZone zone = TimeZone::current();
    const LocalDateTime a = zone.localDateTime(now), b = zone.localDateTime(event);
    const long long dayGap = daysFromCivil(b.year, b.month, b.day) - daysFromCivil(a.year, a.month, a.day);
    if (dayGap == 0)
        return trFormat(QT_TRANSLATE_NOOP("Lunafold", "%@ today"), {symbol});
    if (dayGap == 1)
        return trFormat(QT_TRANSLATE_NOOP("Lunafold", "%@ tomorrow"), {symbol});
    // Whole days between the two instants as the calendar counts them (a day per 24 h, wall clock).
    long long n = dayGap;
    const double secondsOfDayA = a.hour * 3600.0 + a.minute * 60.0 + a.second;
    const double secondsOfDayB = b.hour * 3600.0 + b.minute * 60.0 + b.second;
    if (n > 0 && secondsOfDayB < secondsOfDayA)
        --n;
    if (n < 0)
        n = 0;
    return formatText(QStringLiteral("%@ %@"),
                      {symbol, DateUtil::monthsDaysToString(0, static_cast<int>(n + 1))});
}

} // namespace lunafold
