// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

namespace lunafold {

/// The one lookup for every user-visible English key: Qt translations, context "Lunafold", the
/// English text itself as the key (so a missing translation shows the English text).
QString localized(const char *englishKey);

/// As localized(), choosing the plural form for @p count by the language's rules (the key's
/// placeholders are still filled by formatText()).
QString localizedPlural(const char *englishKey, int count);

/// A number in the current locale's notation with exactly @p decimals fraction digits.
QString localeNumber(double value, int decimals);

/// The user's preferred languages as language tags, first choice first ("de-DE", "en"); empty
/// until set, which means the current locale alone.
QStringList preferredLanguages();
void setPreferredLanguages(const QStringList &languages);

/// One argument of a looked-up format: integers are written with the current locale's digits.
class TextArg {
  public:
    TextArg(int value);
    TextArg(qint64 value);
    TextArg(const QString &text) : m_text(text) {}
    TextArg(const char *text) : m_text(QString::fromUtf8(text)) {}
    /// A number for "%f" / "%.Nf", written like C's printf: a point, N decimals (6 by default).
    static TextArg real(double value);
    const QString &text() const { return m_text; }
    std::optional<double> number() const { return m_number; }

  private:
    QString m_text;
    std::optional<double> m_number;
};

/// Fills a format after its lookup: "%d", "%@" and "%.4f" take the arguments in order, "%1$d" /
/// "%2$@" take them by position (so a translation may reorder them), "%%" is a percent sign.
QString formatText(const QString &format, std::initializer_list<TextArg> args);

/// localized() then formatText().
QString trFormat(const char *englishKey, std::initializer_list<TextArg> args);

} // namespace lunafold
