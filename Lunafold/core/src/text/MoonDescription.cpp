// SPDX-License-Identifier: MIT
#include "core/text/MoonDescription.h"

#include "astronomy/AstroInterface.h"
#include "common/Localization.h"
#include "core/text/IcuLocale.h"

#include <unicode/numberformatter.h>

#include <cmath>

namespace lunafold {

namespace {

QString wholePercent(double fraction) {
    UErrorCode status = U_ZERO_ERROR;
    const auto formatted = icu::number::NumberFormatter::withLocale(icuLocale())
                               .unit(icu::NoUnit::percent())
                               .precision(icu::number::Precision::integer())
                               .formatDouble(std::round(fraction * 100.0), status);
    if (U_FAILURE(status))
        return QString::number(std::lround(fraction * 100.0)) + u'%';
    const icu::UnicodeString text = formatted.toString(status);
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

} // namespace

QString moonPictureDescription(double fraction, bool waning) {
    // The names the phase sentences use: a crescent below half lit, gibbous from half on.
    const char *phase = waning ? (fraction < 0.5 ? QT_TRANSLATE_NOOP("Lunafold", "Waning crescent")
                                                 : QT_TRANSLATE_NOOP("Lunafold", "Waning gibbous"))
                               : (fraction >= 0.5 ? QT_TRANSLATE_NOOP("Lunafold", "Waxing gibbous")
                                                  : QT_TRANSLATE_NOOP("Lunafold", "Waxing crescent"));
    return trFormat(QT_TRANSLATE_NOOP("Lunafold", "%1$@, %2$@ lit"),
                    {localized(phase), wholePercent(fraction)});
}

QString moonPictureDescription(Instant t) {
    return moonPictureDescription(AstroInterface::getMoonFraction(t), AstroInterface::isWaning(t));
}

} // namespace lunafold
