// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace lunafold {

bool useLocale(const QLocale &locale) {
    static std::unique_ptr<QTranslator> installed;
    QLocale::setDefault(locale);
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("lunafold"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace lunafold
