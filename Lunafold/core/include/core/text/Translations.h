// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QStringList>

#include <functional>

namespace lunafold {

/// Makes @p locale the default and installs its translation of our texts (English needs none).
/// Replaces whatever translation was installed before. Returns false when none exists for it.
/// The horoscope's spelling follows @p languages (its first entry; the locale's name when empty).
bool useLocale(const QLocale &locale, const QStringList &languages = {});

/// True for English and every language we ship a translation of.
bool hasTranslation(const QLocale &locale);

/// The user's language as gettext finds it: LANGUAGE (a colon list, ignored in the C locale),
/// else LC_ALL, LC_MESSAGES, LANG. The first entry we have a translation for wins; with none,
/// English in the territory of the locale (en_US for C and POSIX).
struct LocaleChoice {
    QLocale locale;
    QStringList languages; ///< the entries as language tags ("de-DE", "en"), in the user's order
};
LocaleChoice systemLocale(const std::function<QByteArray(const char *)> &environment = qgetenv);

/// systemLocale(), or @p name (e.g. "de_DE") when given; then useLocale() on it.
/// Returns false for a name that is not a locale.
bool useUserLocale(const QString &name = {});

} // namespace lunafold
