// SPDX-License-Identifier: MIT
#include "common/Localization.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace lunafold {

namespace {
QStringList &languageList() {
    static QStringList languages;
    return languages;
}
} // namespace

QString localized(const char *englishKey) {
    return QCoreApplication::translate("Lunafold", englishKey);
}

QString localizedPlural(const char *englishKey, int count) {
    return QCoreApplication::translate("Lunafold", englishKey, nullptr, count);
}

QString localeNumber(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

// Set once at start-up (and by tests), read on the main thread.
QStringList preferredLanguages() {
    return languageList();
}
void setPreferredLanguages(const QStringList &languages) {
    languageList() = languages;
}

TextArg::TextArg(int value) : m_text(QLocale().toString(value)) {}
TextArg::TextArg(qint64 value) : m_text(QLocale().toString(value)) {}

TextArg TextArg::real(double value) {
    TextArg arg(QString::number(value, 'f', 6));
    arg.m_number = value;
    return arg;
}

QString formatText(const QString &format, std::initializer_list<TextArg> args) {
    const std::vector<TextArg> list(args);
    QString out;
    out.reserve(format.size() + 16);
    std::size_t next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        qsizetype j = i + 1;
        if (format[j] == u'%') {
            out += u'%';
            i = j;
            continue;
        }
        // Optional position "N$".
        std::size_t index = next;
        qsizetype k = j;
        int position = 0;
        while (k < format.size() && format[k].isDigit())
            position = position * 10 + format[k++].digitValue();
        if (k > j && k < format.size() && format[k] == u'$') {
            index = static_cast<std::size_t>(position - 1);
            j = k + 1;
        } else {
            ++next;
        }
        int decimals = 6;
        if (j + 1 < format.size() && format[j] == u'.' && format[j + 1].isDigit()) {
            decimals = 0;
            for (++j; j < format.size() && format[j].isDigit(); ++j)
                decimals = std::min(99, decimals * 10 + format[j].digitValue());
        }
        while (j < format.size() && (format[j] == u'l' || format[j] == u'q'))
            ++j; // length modifiers ("%ld", "%.2lf") carry no meaning here
        if (j < format.size() && format[j] == u'f') {
            if (index < list.size())
                out += list[index].number() ? QString::number(*list[index].number(), 'f', decimals)
                                            : list[index].text();
            i = j;
        } else if (j < format.size() &&
                   (format[j] == u'd' || format[j] == u'@' || format[j] == u'i' || format[j] == u'u')) {
            if (index < list.size())
                out += list[index].text();
            i = j;
        } else {
            out += c; // not a placeholder we know: keep it as text
        }
    }
    return out;
}

QString trFormat(const char *englishKey, std::initializer_list<TextArg> args) {
    return formatText(localized(englishKey), args);
}

} // namespace lunafold
