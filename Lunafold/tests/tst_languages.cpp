// SPDX-License-Identifier: MIT
// The shipped languages: which one the system asks for, plural forms, the locale's numbers, and
// that no English is left on the Now and Rise & Set screens.
#include "core/text/ScreenTexts.h"
#include "core/text/Translations.h"
#include "core/text/UIHelper.h"
#include "common/DateUtil.h"
#include "common/Horoscopes.h"
#include "common/Localization.h"

#include <QtTest>

#include <map>

using namespace lunafold;

namespace {

using Environment = std::map<QByteArray, QByteArray>;

Environment environment(const QString &assignments) {
    Environment e;
    for (const QString &a : assignments.split(u' ', Qt::SkipEmptyParts))
        e[a.section(u'=', 0, 0).toLatin1()] = a.section(u'=', 1).toLatin1();
    return e;
}

Instant at(const char *iso) {
    return Instant::trusted(
        static_cast<double>(
            QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toMSecsSinceEpoch()) /
        1000.0);
}

const GeoPoint kParis{48.85, 2.35};
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

    void systemLocaleFollowsGettext_data() {
        QTest::addColumn<QString>("variables");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("firstLanguage");
        QTest::newRow("LANG") << "LANG=de_DE.UTF-8"
                              << "de_DE"
                              << "de-DE";
        QTest::newRow("modifier and territory") << "LANG=de_AT.UTF-8@euro"
                                                << "de_AT"
                                                << "de-AT";
        QTest::newRow("LC_MESSAGES before LANG") << "LC_MESSAGES=fr_CA.UTF-8 LANG=de_DE.UTF-8"
                                                 << "fr_CA"
                                                 << "fr-CA";
        QTest::newRow("LC_ALL before all") << "LC_ALL=es_ES.UTF-8 LC_MESSAGES=fr_FR LANG=de_DE"
                                           << "es_ES"
                                           << "es-ES";
        QTest::newRow("LANGUAGE list") << "LANGUAGE=fr:de LANG=en_US.UTF-8"
                                       << "fr_FR"
                                       << "fr";
        QTest::newRow("first shipped of LANGUAGE") << "LANGUAGE=ja:es LANG=ja_JP.UTF-8"
                                                   << "es_ES"
                                                   << "ja";
        QTest::newRow("LANGUAGE ignored in C") << "LANGUAGE=de LANG=C.UTF-8"
                                               << "en_US"
                                               << "";
        QTest::newRow("nothing set") << ""
                                     << "en_US"
                                     << "";
        QTest::newRow("English in its territory") << "LANG=en_GB.UTF-8"
                                                  << "en_GB"
                                                  << "en-GB";
        QTest::newRow("not shipped: English") << "LANG=ja_JP.UTF-8"
                                              << "en_US"
                                              << "ja-JP";
    }
    void systemLocaleFollowsGettext() {
        QFETCH(QString, variables);
        QFETCH(QString, locale);
        QFETCH(QString, firstLanguage);
        const Environment e = environment(variables);
        const LocaleChoice choice = systemLocale([&e](const char *name) {
            const auto it = e.find(name);
            return it == e.end() ? QByteArray() : it->second;
        });
        QCOMPARE(choice.locale.name(), locale);
        QCOMPARE(choice.languages.value(0), firstLanguage);
    }

    void pluralsAndNumbers_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("zeroMinutes");
        QTest::addColumn<QString>("ageAndHalf"); // "Moon Age" a day and a half after a new moon
        QTest::addColumn<QString>("moonRow");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("fullLabel");
        QTest::newRow("en") << "en_US"
                            << "0 minutes"
                            << "1.500 days"
                            << "Moon is 99.7688% of full and is down."
                            << "Libra \u264e"
                            << "Full";
        QTest::newRow("de") << "de_DE"
                            << "0 Minuten"
                            << "1,500 Tage"
                            << "Der Mond ist zu 99,7688\u00a0% voll und steht unter dem Horizont."
                            << "Waage \u264e"
                            << "Voll";
        QTest::newRow("fr") << "fr_FR"
                            << "0 minute"
                            << "1,500 jour"
                            << "La lune est pleine à 99,7688\u00a0% et se trouve sous l’horizon."
                            << "Balance \u264e"
                            << "PL";
        QTest::newRow("es") << "es_ES"
                            << "0 minutos"
                            << "1,500 días"
                            << "La luna está llena al 99,7688\u00a0% y está bajo el horizonte."
                            << "Libra \u264e"
                            << "LL";
    }
    void pluralsAndNumbers() {
        QFETCH(QString, locale);
        QVERIFY(useUserLocale(locale));
        QTEST(DateUtil::hoursMinutesToString(0, 0), "zeroMinutes");
        const Instant newMoon = at("2024-04-08T18:20:51Z");
        QTEST(ScreenTexts::otherRows(newMoon.plusSeconds(1.5 * 86400), kParis)[2].value, "ageAndHalf");
        QTEST(ScreenTexts::moonRow(kApril23, kParis), "moonRow");
        QTEST(UIHelper::signWithEmoji(kApril23), "sign");
        QTEST(UIHelper::calendarPhaseLabel(at("2024-04-24T10:00:00Z"), *TimeZone::named("Europe/Paris")),
              "fullLabel");
    }

    void noEnglishLabelsInAnyLanguage() {
        const QStringList english = labels(QStringLiteral("en_US"));
        QCOMPARE(english.size(), 11);
        for (const char *name : {"de_DE", "fr_FR", "es_ES"}) {
            const QStringList translated = labels(QString::fromLatin1(name));
            for (qsizetype i = 0; i < english.size(); ++i)
                QVERIFY2(translated[i] != english[i],
                         qPrintable(QString::fromLatin1(name) + QStringLiteral(": ") + english[i]));
        }
    }

    void horoscopeSpellingFollowsTheChosenLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("colour");
        QTest::newRow("bare en") << "en" << false;
        QTest::newRow("en_US") << "en_US" << true;
        QTest::newRow("de_DE") << "de_DE" << true;
    }
    void horoscopeSpellingFollowsTheChosenLocale() {
        QFETCH(QString, locale);
        QFETCH(bool, colour);
        QVERIFY(useUserLocale(locale));
        Horoscopes h;
        h.genHoroscope(100.0, false, 0.9); // Cancer, waxing gibbous: the colouring text names the treatment
        QCOMPARE(h.colourHoroscope.contains(u"colour"), colour);
        QCOMPARE(h.colourHoroscope.contains(u"color"), !colour);
    }

    void unknownLocaleIsRefused() { QVERIFY(!useUserLocale(QStringLiteral("xx_YY"))); }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
