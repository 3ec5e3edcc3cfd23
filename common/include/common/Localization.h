// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <initializer_list>

namespace lunafold {

/// The one lookup for every user-visible English key: Qt translations, context "Lunafold", the
/// English text itself as the key (so a missing translation shows the English text).
QString localized(const char *englishKey);

/// One argument of a looked-up format: integers are written with the current locale's digits.
class TextArg {
public:
    TextArg(int value);
    TextArg(qint64 value);
    TextArg(const QString &text) : m_text(text) {}
    TextArg(const char *text) : m_text(QString::fromUtf8(text)) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

/// Fills a format after its lookup: "%d" and "%@" take the arguments in order, "%1$d" / "%2$@"
/// take them by position (so a translation may reorder them), "%%" is a percent sign.
QString formatText(const QString &format, std::initializer_list<TextArg> args);

/// localized() then formatText().
QString trFormat(const char *englishKey, std::initializer_list<TextArg> args);

} // namespace lunafold
