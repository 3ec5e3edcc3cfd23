// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>

#include <unicode/locid.h>

namespace lunafold {

/// ICU's locale for the current QLocale (only its language data is used, never its zone data).
inline icu::Locale icuLocale() {
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return icu::Locale("en_US");
    return icu::Locale(locale.name().toUtf8().constData());
}

} // namespace lunafold
