// SPDX-License-Identifier: MIT
// The shipped languages: which one the system asks for, plural forms, the locale's numbers, and
// that no English is left on the Now and Rise & Set screens.
#include "Fakes.h"
#include "common/DateUtil.h"
#include "common/Horoscopes.h"
#include "common/Localization.h"
#include "core/text/ScreenTexts.h"
#include "core/text/Translations.h"
#include "core/text/UIHelper.h"

#include <QtTest>

using namespace lunafold;

namespace {

using test::at;

const GeoPoint kParis{Longitude(2.35), Latitude(48.85)};
const Instant kApril23 = at("2024-04-23T12:00:00Z"); // waxing gibbous, moon in Libra, below Paris' horizon

QStringList labels(const QString &localeName) {
    useUserLocale(localeName);
    const TimeZone zone = *TimeZone::named("Europe/Paris");
    QStringList out;
    for (const auto &rows :
         {ScreenTexts::riseSetRows(kApril23, kParis, zone), ScreenTexts::transitRows(kApril23, kParis, zone),
          ScreenTexts::otherRows(kApril23, kParis)})
        for (const TextRow &r : rows)
            out << r.label;
    return out;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void cleanupTestCase() { useLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void systemLocaleFollowsGettext() {
        const struct {
            const char *variables, *locale, *firstLanguage;
        } cases[] = {
            {"LANG=de_AT.UTF-8@euro", "de_AT", "de-AT"}, // modifier and territory
            {"LC_MESSAGES=fr_CA.UTF-8 LANG=de_DE.UTF-8", "fr_CA", "fr-CA"},
            {"LC_ALL=es_ES.UTF-8 LC_MESSAGES=fr_FR LANG=de_DE", "es_ES", "es-ES"},
            {"LANGUAGE=fr:de LANG=en_US.UTF-8", "fr_FR", "fr"},
            {"LANGUAGE=ja:es LANG=ja_JP.UTF-8", "es_ES", "ja"}, // the first shipped one of LANGUAGE
            {"LANGUAGE=de LANG=C.UTF-8", "en_US", ""},          // LANGUAGE is ignored in C
            {"", "en_US", ""},
            {"LANG=en_GB.UTF-8", "en_GB", "en-GB"}, // English in its territory
            {"LANG=ja_JP.UTF-8", "en_US", "ja-JP"}, // not shipped: English
        };
        for (const auto &c : cases) {
            const QString variables = QLatin1Char(' ') + QLatin1String(c.variables);
            const LocaleChoice choice = systemLocale([&variables](const char *name) {
                return variables.section(QLatin1Char(' ') + QLatin1String(name) + u'=', 1)
                    .section(u' ', 0, 0)
                    .toLatin1();
            });
            const QString got = choice.locale.name() + u' ' + choice.languages.value(0);
            QVERIFY2(got == QLatin1String(c.locale) + u' ' + QLatin1String(c.firstLanguage),
                     qPrintable(variables + u" -> "_qs + got));
        }
    }

    void pluralsAndNumbers() {
        // Zero minutes; "Moon Age" a day and a half after a new moon; the moon row; the sign; the
        // calendar's full-moon label.
        const std::pair<const char *, const char *> cases[] = {
            {"en_US", "0 minutes|1.500 days|Moon is 99.7688% of full and is down.|Libra \u264e|Full"},
            {"de_DE", "0 Minuten|1,500 Tage|Der Mond ist zu 99,7688\u00a0% voll und steht unter dem "
                      "Horizont.|Waage \u264e|Voll"},
            {"fr_FR", "0 minute|1,500 jour|La lune est pleine à 99,7688\u00a0% et se trouve sous "
                      "l’horizon.|Balance \u264e|PL"},
            {"es_ES", "0 minutos|1,500 días|La luna está llena al 99,7688\u00a0% y está bajo el "
                      "horizonte.|Libra \u264e|LL"},
        };
        const Instant newMoon = at("2024-04-08T18:20:51Z"), fullMoonsDay = at("2024-04-24T10:00:00Z");
        const TimeZone paris = *TimeZone::named("Europe/Paris");
        for (const auto &[locale, texts] : cases) {
            QVERIFY(useUserLocale(QLatin1String(locale)));
            const QStringList got{DateUtil::hoursMinutesToString(0, 0),
                                  ScreenTexts::otherRows(newMoon.plusSeconds(1.5 * 86400), kParis)[2].value,
                                  ScreenTexts::moonRow(kApril23, kParis), UIHelper::signWithEmoji(kApril23),
                                  UIHelper::calendarPhaseLabel(fullMoonsDay, paris)};
            QCOMPARE(got.join(u'|'), QString::fromUtf8(texts));
        }
    }

    void noEnglishLabelsInAnyLanguage() {
        const QStringList english = labels(u"en_US"_qs);
        QCOMPARE(english.size(), 11);
        for (const char *name : {"de_DE", "fr_FR", "es_ES"}) {
            const QStringList translated = labels(QString::fromLatin1(name));
            for (qsizetype i = 0; i < english.size(); ++i)
                QVERIFY2(translated[i] != english[i],
                         qPrintable(QString::fromLatin1(name) + u": "_qs + english[i]));
        }
    }

    void horoscopeSpellingFollowsTheChosenLocale() {
        for (const auto &[locale, colour] : {std::pair{"en", false}, {"en_US", true}, {"de_DE", true}}) {
            QVERIFY(useUserLocale(QString::fromLatin1(locale)));
            Horoscopes h; // Cancer, waxing gibbous: the colouring text names the treatment
            h.genHoroscope(100.0, false, 0.9);
            const QString &text = h.colourHoroscope;
            QVERIFY2(text.contains(u"colour") == colour && text.contains(u"color") == !colour, locale);
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
