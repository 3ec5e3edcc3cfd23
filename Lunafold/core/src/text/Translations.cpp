// SPDX-License-Identifier: MIT
#include "core/text/Translations.h"

#include "common/Localization.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <memory>

namespace lunafold {
namespace {

bool isEnglish(const QLocale &locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// "de_DE.UTF-8@euro" -> "de_DE"; empty for the C and POSIX locales, which name no language.
QString localeName(const QByteArray &value) {
    QString name = QString::fromLocal8Bit(value);
    name = name.left(name.indexOf(u'@')).left(name.indexOf(u'.'));
    if (name == u"C" || name == u"POSIX")
        return {};
    return name;
}

QString languageTag(QString name) {
    return name.replace(u'_', u'-');
}

} // namespace

bool hasTranslation(const QLocale &locale) {
    if (isEnglish(locale))
        return true;
    const QString language = locale.name().section(u'_', 0, 0);
    return QFile::exists(QStringLiteral(":/i18n/lunafold_%1.qm").arg(language));
}

bool useLocale(const QLocale &locale, const QStringList &languages) {
    static std::unique_ptr<QTranslator> installed;
    QLocale::setDefault(locale);
    setPreferredLanguages(languages);
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (isEnglish(locale))
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("lunafold"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

LocaleChoice systemLocale(const std::function<QByteArray(const char *)> &environment) {
    QString messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = environment(variable);
        if (!value.isEmpty()) {
            messages = localeName(value);
            break;
        }
    }
    const QLocale english(QLocale::English,
                          messages.isEmpty() ? QLocale::UnitedStates : QLocale(messages).territory());
    if (messages.isEmpty()) // gettext ignores LANGUAGE in the C locale
        return {english, {}};
    QStringList names;
    for (const QByteArray &entry : environment("LANGUAGE").split(':'))
        if (const QString name = localeName(entry); !name.isEmpty())
            names << name;
    if (names.isEmpty())
        names << messages;
    QStringList tags;
    for (const QString &name : names)
        tags << languageTag(name);
    for (const QString &name : names) {
        const QLocale candidate(name);
        if (candidate.language() != QLocale::C && hasTranslation(candidate))
            return {candidate, tags};
    }
    return {english, tags};
}

bool useUserLocale(const QString &name) {
    if (name.isEmpty()) {
        const LocaleChoice choice = systemLocale();
        return useLocale(choice.locale, choice.languages);
    }
    const QLocale locale(name);
    if (locale.language() == QLocale::C && name != u"C")
        return false;
    useLocale(locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale,
              {languageTag(name)});
    return true;
}

} // namespace lunafold
