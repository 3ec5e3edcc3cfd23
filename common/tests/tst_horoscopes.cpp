// SPDX-License-Identifier: MIT
#include "common/Horoscopes.h"

#include <QtTest>

using lunafold::Horoscopes;

namespace {

const char *const kSignNames[12] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
// Per phase from new moon: a fraction on the lower edge of the phase's class.
const double kFractions[8] = {0.2499, 0.25, 0.5, 0.75, 0.75, 0.7499, 0.25, 0.2499};
// Indices into texts().
enum Field { Cut, Colour, Removal, MoonSign, Action, Work, Gardening, Love };

const QStringList kEnglish{QStringLiteral("en")};

Horoscopes make(double longitude, bool waning, double fraction, const QStringList &languages = kEnglish) {
    Horoscopes h;
    h.genHoroscope(longitude, waning, fraction, languages);
    return h;
}

QStringList texts(const Horoscopes &h) {
    return {h.cutHoroscope,   h.colourHoroscope, h.removalHoroscope, h.moonSign,  h.moonAction,
            h.moonWork,       h.moonGardening,   h.moonLove,         h.moonEmoji, h.element,
            h.fruitfulBarren, h.signEmoji,       h.nextSign,         h.nextEmoji, h.qualityOne,
            h.qualityTwo,     h.qualityThree};
}

QList<bool> flags(const Horoscopes &h) {
    return {h.cutHairNow, h.colourHairNow, h.removeHairNow};
}

} // namespace

class TestHoroscopes : public QObject {
    Q_OBJECT

    Horoscopes m_reused; // carried from row to row of testEveryPhaseAndSign

    static double mid(int sign) { return 30.0 * sign + 15.0; } // longitude in the middle of a sign

  private Q_SLOTS:
    void testSign() {
        // Longitude and sign (0 = Aries); the last three wrap.
        const std::pair<double, int> rows[] = {{0.0, 0},    {29.999, 0}, {30.0, 1}, {359.999, 11},
                                               {-10.0, 11}, {-1e-15, 0}, {400.0, 1}};
        for (const auto &[longitude, sign] : rows) {
            const Horoscopes h = make(longitude, false, 0.1);
            const int next = (sign + 1) % 12;
            QVERIFY2(h.moonSign == kSignNames[sign] && h.nextSign == kSignNames[next] &&
                         h.nextEmoji.toUcs4() == QList<uint>{uint(0x2648 + next)},
                     QByteArray::number(longitude));
        }
    }

    // Rows: phase × sign. Each phase is reached by a fraction on its lower edge (exactly 0.25, 0.5 and
    // 0.75 belong to the higher class) and lies in group NC, QG, FD or LB (phase / 2).
    void testEveryPhaseAndSign_data() {
        QTest::addColumn<int>("phase"); // 0 new moon, 2 first quarter, 6 last quarter
        QTest::addColumn<int>("sign");
        for (int p = 0; p < 8; ++p)
            for (int s = 0; s < 12; ++s)
                QTest::addRow("%s %g %s", p < 4 ? "waxing" : "waning", kFractions[p], kSignNames[s])
                    << p << s;
    }

    void testEveryPhaseAndSign() {
        QFETCH(int, phase);
        QFETCH(int, sign);
        const bool waning = phase >= 4;
        const double fraction = kFractions[phase];
        // Per sign from Aries: hair band F, SF, SB, B (Taurus counts as fruitful) and love group W-Z.
        const int bands[12] = {2, 0, 2, 0, 3, 3, 1, 0, 2, 1, 3, 0},
                  loves[12] = {3, 0, 3, 0, 3, 1, 1, 0, 2, 1, 2, 0};
        const int band = bands[sign], love = loves[sign];
        // {cut, colour} per band; only the last-quarter groups cut in the semi-barren signs.
        const bool expected[4][2] = {{true, true}, {true, true}, {phase >= 6, phase < 6}, {false, false}};
        const Horoscopes h = make(mid(sign), waning, fraction);
        QVERIFY2(!texts(h).contains(QString()), qPrintable(texts(h).join(QLatin1Char('|'))));
        const char *openings[8] = {"The new moon",     "The crescent", "The first quarter",
                                   "The gibbous",      "Clarity",      "While the moon is disseminating",
                                   "The last quarter", "Release"};
        QCOMPARE(h.signEmoji.toUcs4(), QList<uint>{uint(0x2648 + sign)});
        QCOMPARE(h.moonEmoji.toUcs4(), QList<uint>{uint(0x1F311 + phase)});
        QVERIFY2(h.moonAction.startsWith(QLatin1String(openings[phase])), qPrintable(h.moonAction));
        QCOMPARE(flags(h), (QList<bool>{expected[band][0], expected[band][1], waning}));
        // The texts equal, but for the name, those of one sign of the band (Cancer, Libra, Aries, Leo)
        // and of the love group (Cancer, Libra, Sagittarius, Aries).
        const int bandSign[4] = {3, 6, 0, 4}, loveSign[4] = {3, 6, 8, 0};
        const QStringList own = texts(h), hair = texts(make(mid(bandSign[band]), waning, fraction)),
                          other = texts(make(mid(loveSign[love]), waning, fraction));
        for (int f : {Cut, Colour, Removal})
            QCOMPARE(QString(own[f]).replace(h.moonSign, hair[MoonSign]), hair[f]);
        QCOMPARE(QString(own[Love]).replace(h.moonSign, other[MoonSign]), other[Love]);
        // A record reused from the previous row ends up like a fresh one.
        m_reused.genHoroscope(mid(sign), waning, fraction, kEnglish);
        QCOMPARE(texts(m_reused), own);
        QCOMPARE(flags(m_reused), flags(h));
    }

    // Where the wording carries a rule (spelling, sign, the gardening warnings near a phase).
    void testQuotedTexts() {
        const struct {
            double longitude;
            bool waning;
            double fraction;
            Field field;
            const char *text; // the text begins with it, or ends with it after "…"
        } rows[] = {
            {45.0, true, 0.1, Colour, "The moon is currently in one of the most fruitful signs, Taurus."},
            {315.0, true, 0.6, Removal, "The best time of the cycle for epilation."},
            {10.0, false, 0.0, Gardening, "…prepare beds for planting in the future."}, // new moon warning
            {10.0, true, 0.6, Gardening, "…harvest and store your produce."},           // disseminating
            {10.0, true, 0.3, Gardening, "…future planting and sowing."},               // no warning
            {255.0, false, 0.3, Work, "The Sagittarius moon can bring about unpredictabilty"},
            {165.0, true, 0.3, Love, "The strong, hard working influence of the Virgo"},
        };
        for (const auto &r : rows) {
            const QString actual = texts(make(r.longitude, r.waning, r.fraction))[r.field],
                          text = QString::fromUtf8(r.text);
            const bool ok = text.startsWith(u'…') ? actual.endsWith(text.mid(1)) : actual.startsWith(text);
            QVERIFY2(ok, qPrintable(text + QStringLiteral(" ≠ ") + actual));
        }
    }

    void testColourSpelling() {
        // Only a plain "en" spells it the American way; every sign of each group NC, QG, FD, LB.
        for (const char *list : {"en", "en-US", "de", "de en", ""}) {
            const bool british = qstrcmp(list, "en") != 0;
            const QStringList languages = QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
            const QLatin1String want(british ? "colour" : "color"), avoid(british ? "color" : "colour");
            for (int i = 0; i < 48; ++i) {
                const int group = i / 12;
                const Horoscopes h =
                    make(mid(i % 12), group >= 2, group == 1 || group == 2 ? 0.9 : 0.1, languages);
                QVERIFY2(h.colourHoroscope.contains(want), qPrintable(h.colourHoroscope));
                for (const QString &t : {h.cutHoroscope, h.colourHoroscope, h.removalHoroscope})
                    QVERIFY2(!t.contains(avoid, Qt::CaseInsensitive), qPrintable(t));
            }
        }
    }

    void testNonFiniteInputChangesNothing() {
        Horoscopes h;
        h.genHoroscope(qQNaN(), false, 0.5, kEnglish);
        h.genHoroscope(10.0, true, qInf());
        QVERIFY(texts(h).join(QString()).isEmpty() && !h.removeHairNow);
        h.genHoroscope(200.0, true, 0.4); // the system languages' overload
        QCOMPARE(h.moonSign, QStringLiteral("Libra"));
    }

    void testAdvisories() {
        QVERIFY(Horoscopes::mercuryRetrograde(true).startsWith("Mercury is currently in retrograde.") &&
                Horoscopes::mercuryRetrograde(false).startsWith("Mercury is currently direct,"));
        QVERIFY(Horoscopes::voidOfCourseMoon(true).startsWith("The moon is currently void of course.") &&
                Horoscopes::voidOfCourseMoon(false).startsWith("The moon is currently active"));
    }
};

QTEST_GUILESS_MAIN(TestHoroscopes)
#include "tst_horoscopes.moc"
