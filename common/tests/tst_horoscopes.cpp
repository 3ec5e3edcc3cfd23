// SPDX-License-Identifier: MIT
#include "common/Horoscopes.h"

#include <QtTest>

#include <cmath>

using lunafold::Horoscopes;

namespace {

const QStringList kEnglish{QStringLiteral("en")};

// One representative (longitude, waning, fraction) per phase group NC, QG, FD, LB.
struct PhaseSample {
    const char *group;
    bool waning;
    double fraction;
};
constexpr PhaseSample kGroups[4] = {
    {"NC", false, 0.1}, {"QG", false, 0.9}, {"FD", true, 0.9}, {"LB", true, 0.1}};
constexpr double kPhaseFractions[8][2] = {{0, 0.1}, {0, 0.3}, {0, 0.6}, {0, 0.9},
                                          {1, 0.9}, {1, 0.6}, {1, 0.3}, {1, 0.1}};

Horoscopes make(double longitude, bool waning, double fraction, const QStringList &languages = kEnglish) {
    Horoscopes h;
    h.genHoroscope(longitude, waning, fraction, languages);
    return h;
}

// Mid-sign longitude of sign @p i (0 = Aries).
double mid(int i) {
    return 30.0 * i + 15.0;
}

QStringList texts(const Horoscopes &h) {
    return {h.cutHoroscope, h.colourHoroscope, h.removalHoroscope, h.moonSign,   h.moonAction,
            h.moonWork,     h.moonGardening,   h.moonEmoji,        h.element,    h.fruitfulBarren,
            h.signEmoji,    h.nextSign,        h.nextEmoji,        h.qualityOne, h.qualityTwo,
            h.qualityThree, h.moonLove};
}

QString field(const Horoscopes &h, const QByteArray &name) {
    if (name == "cut")
        return h.cutHoroscope;
    if (name == "colour")
        return h.colourHoroscope;
    if (name == "removal")
        return h.removalHoroscope;
    if (name == "love")
        return h.moonLove;
    if (name == "gardening")
        return h.moonGardening;
    if (name == "action")
        return h.moonAction;
    if (name == "work")
        return h.moonWork;
    qFatal("unknown field %s", name.constData());
}

} // namespace

class TestHoroscopes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void testSign_data();
    void testSign();
    void testPhase_data();
    void testPhase();
    void testHairFlags_data();
    void testHairFlags();
    void testQuotedTexts_data();
    void testQuotedTexts();
    void testSignNaming_data();
    void testSignNaming();
    void testColourSpelling_data();
    void testColourSpelling();
    void testEveryCombinationFillsEveryField();
    void testGardeningFollowsThePhaseEvent();
    void testNonFiniteInputLeavesTheRecordAlone();
    void testAdvisories_data();
    void testAdvisories();
};

void TestHoroscopes::testSign_data() {
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("index"); // 0 = Aries

    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("29.999") << 29.999 << 0;
    QTest::newRow("30") << 30.0 << 1;
    QTest::newRow("just below 90") << std::nextafter(90.0, 0.0) << 2;
    QTest::newRow("180") << 180.0 << 6;
    QTest::newRow("359.999") << 359.999 << 11;
    // Out of range inputs are wrapped into [0, 360).
    QTest::newRow("-10") << -10.0 << 11;
    QTest::newRow("tiny negative") << -1e-15 << 0;
    QTest::newRow("370") << 370.0 << 0;
    QTest::newRow("720") << 720.0 << 0;
}

void TestHoroscopes::testSign() {
    QFETCH(double, longitude);
    QFETCH(int, index);

    const char *names[12] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    const Horoscopes h = make(longitude, false, 0.1);
    QCOMPARE(h.moonSign, QLatin1String(names[index]));
    QCOMPARE(h.nextSign, QLatin1String(names[(index + 1) % 12]));
    // Single code points, no variation selector.
    QCOMPARE(h.signEmoji.toUcs4(), QList<uint>{uint(0x2648 + index)});
    QCOMPARE(h.nextEmoji.toUcs4(), QList<uint>{uint(0x2648 + (index + 1) % 12)});
}

void TestHoroscopes::testPhase_data() {
    QTest::addColumn<bool>("waning");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<uint>("emoji");

    QTest::newRow("waxing 0") << false << 0.0 << 0x1F311u;
    QTest::newRow("waxing 0.2499") << false << 0.2499 << 0x1F311u;
    QTest::newRow("waxing 0.25") << false << 0.25 << 0x1F312u;
    QTest::newRow("waxing 0.5") << false << 0.5 << 0x1F313u;
    QTest::newRow("waxing 0.75") << false << 0.75 << 0x1F314u;
    QTest::newRow("waxing 1") << false << 1.0 << 0x1F314u;
    QTest::newRow("waning 1") << true << 1.0 << 0x1F315u;
    QTest::newRow("waning 0.75") << true << 0.75 << 0x1F315u;
    QTest::newRow("waning 0.7499") << true << 0.7499 << 0x1F316u;
    QTest::newRow("waning 0.5") << true << 0.5 << 0x1F316u;
    QTest::newRow("waning 0.25") << true << 0.25 << 0x1F317u;
    QTest::newRow("waning 0.2499") << true << 0.2499 << 0x1F318u;
    QTest::newRow("waning 0") << true << 0.0 << 0x1F318u;
}

void TestHoroscopes::testPhase() {
    QFETCH(bool, waning);
    QFETCH(double, fraction);
    QFETCH(uint, emoji);

    const Horoscopes h = make(10.0, waning, fraction);
    QCOMPARE(h.moonEmoji.toUcs4(), QList<uint>{emoji});
    // The action text belongs to the same phase as the emoji.
    const char *openings[8] = {"The new moon",     "The crescent", "The first quarter",
                               "The gibbous",      "Clarity",      "While the moon is disseminating",
                               "The last quarter", "Release"};
    QVERIFY2(h.moonAction.startsWith(QLatin1String(openings[emoji - 0x1F311u])), qPrintable(h.moonAction));
}

void TestHoroscopes::testHairFlags_data() {
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("waning");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<bool>("removal");

    // One sign per band: Cancer F, Libra SF, Aries SB, Leo B.
    const struct {
        const char *band;
        double longitude;
    } bands[4] = {{"F", 100.0}, {"SF", 190.0}, {"SB", 10.0}, {"B", 130.0}};
    const bool expected[4][4][2] = {
        {{true, true}, {true, true}, {false, true}, {false, false}},
        {{true, true}, {true, true}, {false, true}, {false, false}},
        {{true, true}, {true, true}, {false, true}, {false, false}},
        {{true, true}, {true, true}, {true, false}, {false, false}},
    };
    for (int g = 0; g < 4; ++g)
        for (int b = 0; b < 4; ++b)
            QTest::addRow("%s-%s", kGroups[g].group, bands[b].band)
                << bands[b].longitude << kGroups[g].waning << kGroups[g].fraction << expected[g][b][0]
                << expected[g][b][1] << kGroups[g].waning;
    // Signs on either side of the band thresholds (scores 3/4 and 6/7).
    QTest::newRow("QG-B Aquarius") << 315.0 << false << 0.6 << false << false << false;
    QTest::newRow("QG-SB Gemini") << 75.0 << false << 0.6 << false << true << false;
    QTest::newRow("LB-SB Sagittarius") << 255.0 << true << 0.3 << true << false << true;
}

void TestHoroscopes::testHairFlags() {
    QFETCH(double, longitude);
    QFETCH(bool, waning);
    QFETCH(double, fraction);

    const Horoscopes h = make(longitude, waning, fraction);
    QTEST(h.cutHairNow, "cut");
    QTEST(h.colourHairNow, "colour");
    QTEST(h.removeHairNow, "removal");
}

void TestHoroscopes::testQuotedTexts_data() {
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("waning");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("match"); // "exact", "starts" or "ends"
    QTest::addColumn<QString>("text");

    QTest::newRow("LB-F colour, Taurus")
        << 45.0 << true << 0.1 << QByteArray("colour") << "exact"
        << "The moon is currently in one of the most fruitful signs, Taurus. This is one of the best "
           "times for a color or chemical treatment. This is a great time for extreme treatments "
           "and change!";
    QTest::newRow("FD-B removal, Aquarius")
        << 310.0 << true << 0.6 << QByteArray("removal") << "exact"
        << "The best time of the cycle for epilation. The moon is in a barren sign, Aquarius and is "
           "waning. Growth is slow, so your efforts will absolutely be best rewarded now.";
    QTest::newRow("LB-F cut")
        << 100.0 << true << 0.3 << QByteArray("cut") << "exact"
        << "Your hair will respond well to cuts as the moon is in a moist, fruitful phase as the new "
           "moon approaches - the time is right for a shorter cut that will grow out slowly with "
           "thicker hair.";
    QTest::newRow("LB-F removal")
        << 340.0 << true << 0.1 << QByteArray("removal") << "exact"
        << "Your hair regrowth slows as the moon wanes, right now is a great time to wax or shave to "
           "maintain the look for longer.";
    QTest::newRow("LB-SF cut ends with the sign") << 280.0 << true << 0.1 << QByteArray("cut") << "ends"
                                                  << " Capricorn.";
    QTest::newRow("new moon gardening warning")
        << 10.0 << false << 0.0 << QByteArray("gardening") << "ends"
        << ".  Make sure to avoid planting and sowing activities in the 12 hours immediately "
           "following the moment of the new moon. Instead, this is a time to prepare beds for "
           "planting in the future.";
    QTest::newRow("QG gardening") << 10.0 << false << 0.6 << QByteArray("gardening") << "starts"
                                  << "As the full moon approaches, sap flow is at its highest.";
    QTest::newRow("LB gardening")
        << 10.0 << true << 0.3 << QByteArray("gardening") << "exact"
        << "The last quarter phase is not an ideal time for planting and sowing. Instead, this is a "
           "great time to plough and fertilise the soil, pull weeds and apply manure and compost. "
           "This is also an ideal time to cut lawns so they will grow back at a slower rate.  "
           "Ideally, during this time prepare for future planting and sowing.";
    QTest::newRow("disseminating action")
        << 10.0 << true << 0.6 << QByteArray("action") << "exact"
        << "While the moon is disseminating it is a time to pass on your experience to others. What "
           "have the results of your actions been?  How have your results affected others? Look "
           "inside and gain some perspective on your contribution and teach and share your "
           "learnings and resources.";
    QTest::newRow("Sagittarius work")
        << 255.0 << false << 0.3 << QByteArray("work") << "exact"
        << "The Sagittarius moon can bring about unpredictabilty in your work. Just when you thought "
           "a final decision was made, a client or co-worker may suddenly change their mind. "
           "Everybody has their own ideas, and will express them in this moon. Don't let the "
           "confusion overwhelm you - more certain times are coming.";
    QTest::newRow("NC-Z love") << 75.0 << false << 0.3 << QByteArray("love") << "starts"
                               << "Wow! What a happy confluence of a fun moon sign and the new moon!";
    QTest::newRow("NC-X love, Virgo") << 165.0 << false << 0.3 << QByteArray("love") << "ends"
                                      << "This moon will help.";
    QTest::newRow("LB-X love, Virgo") << 165.0 << true << 0.3 << QByteArray("love") << "starts"
                                      << "The strong, hard working influence of the Virgo";
    QTest::newRow("LB-Z love, Leo")
        << 135.0 << true << 0.3 << QByteArray("love") << "starts"
        << "As the new moon draws near, this is a time for addressing any issues in a relationship. "
           "The moon is in Leo";
    QTest::newRow("QG-W love, Scorpio")
        << 225.0 << false << 0.6 << QByteArray("love") << "starts"
        << "What an exciting time for your relationships - the moon in Scorpio";
}

void TestHoroscopes::testQuotedTexts() {
    QFETCH(double, longitude);
    QFETCH(bool, waning);
    QFETCH(double, fraction);
    QFETCH(QByteArray, field);
    QFETCH(QString, match);
    QFETCH(QString, text);

    const QString actual = ::field(make(longitude, waning, fraction), field);
    if (match == QLatin1String("exact"))
        QCOMPARE(actual, text);
    else
        QVERIFY2(match == QLatin1String("starts") ? actual.startsWith(text) : actual.endsWith(text),
                 qPrintable(actual));
}

void TestHoroscopes::testSignNaming_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("signA");
    QTest::addColumn<int>("signB");
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("pattern"); // per field: s names the sign, f fixed

    // Two signs sharing a hair band: F Cancer/Pisces, SF Libra/Capricorn, SB Aries/Gemini, B Leo/Virgo.
    const struct {
        const char *band;
        int a, b;
        const char *pattern[4];
    } hair[4] = {
        {"F", 3, 11, {"ssf", "fsf", "ssf", "fsf"}},
        {"SF", 6, 9, {"fff", "ssf", "fsf", "sff"}},
        {"SB", 0, 2, {"fsf", "fsf", "ssf", "ssf"}},
        {"B", 4, 5, {"fsf", "ssf", "sss", "ssf"}},
    };
    // Two signs sharing a love group: W Taurus/Scorpio, X Libra/Capricorn, Y Sagittarius/Aquarius,
    // Z Aries/Leo.
    const struct {
        const char *love;
        int a, b;
        const char *pattern;
    } love[4] = {{"W", 1, 7, "sssf"}, {"X", 6, 9, "fffs"}, {"Y", 8, 10, "fffs"}, {"Z", 0, 4, "ffss"}};

    for (int g = 0; g < 4; ++g) {
        for (const auto &b : hair)
            QTest::addRow("hair %s-%s", kGroups[g].group, b.band)
                << g << b.a << b.b << QByteArray("cut,colour,removal") << QString::fromLatin1(b.pattern[g]);
        for (const auto &l : love)
            QTest::addRow("love %s-%s", kGroups[g].group, l.love)
                << g << l.a << l.b << QByteArray("love") << QString(QLatin1Char(l.pattern[g]));
    }
}

void TestHoroscopes::testSignNaming() {
    QFETCH(int, group);
    QFETCH(int, signA);
    QFETCH(int, signB);
    QFETCH(QByteArray, fields);
    QFETCH(QString, pattern);

    const PhaseSample &p = kGroups[group];
    const Horoscopes a = make(mid(signA), p.waning, p.fraction);
    const Horoscopes b = make(mid(signB), p.waning, p.fraction);
    const QList<QByteArray> names = fields.split(',');
    QCOMPARE(names.size(), pattern.size());
    for (int i = 0; i < names.size(); ++i) {
        const QString textA = field(a, names[i]), textB = field(b, names[i]);
        if (pattern[i] == QLatin1Char('s')) {
            QVERIFY2(textA.contains(a.moonSign), qPrintable(names[i] + ": " + textA));
            QCOMPARE(QString(textA).replace(a.moonSign, b.moonSign), textB);
        } else {
            QCOMPARE(textA, textB);
            QVERIFY2(!textA.contains(a.moonSign) && !textB.contains(b.moonSign), qPrintable(textA));
        }
    }
}

void TestHoroscopes::testColourSpelling_data() {
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<bool>("british");

    QTest::newRow("en") << QStringList{"en"} << false;
    QTest::newRow("en first, then de") << QStringList{"en", "de"} << false;
    QTest::newRow("en-US") << QStringList{"en-US"} << true;
    QTest::newRow("en_GB") << QStringList{"en_GB"} << true;
    QTest::newRow("de") << QStringList{"de"} << true;
    QTest::newRow("de first, then en") << QStringList{"de", "en"} << true;
    QTest::newRow("EN upper case") << QStringList{"EN"} << true;
    // An empty list falls back to QLocale().name(), which always carries a territory.
    QTest::newRow("empty") << QStringList{} << true;
}

void TestHoroscopes::testColourSpelling() {
    QFETCH(QStringList, languages);
    QFETCH(bool, british);

    int colourTexts = 0;
    for (int g = 0; g < 4; ++g) {
        for (int s = 0; s < 12; ++s) {
            const Horoscopes h = make(mid(s), kGroups[g].waning, kGroups[g].fraction, languages);
            for (const QString &t : {h.cutHoroscope, h.colourHoroscope, h.removalHoroscope}) {
                if (british)
                    QVERIFY2(!t.contains(QLatin1String("color"), Qt::CaseInsensitive), qPrintable(t));
                else
                    QVERIFY2(!t.contains(QLatin1String("colour"), Qt::CaseInsensitive), qPrintable(t));
            }
            if (h.colourHoroscope.contains(british ? QLatin1String("colour") : QLatin1String("color")))
                ++colourTexts;
        }
    }
    // Every colouring text talks about colour in the expected spelling.
    QCOMPARE(colourTexts, 48);
}

void TestHoroscopes::testEveryCombinationFillsEveryField() {
    const Horoscopes fresh;
    for (const QString &t : texts(fresh))
        QVERIFY(t.isEmpty());
    QVERIFY(!fresh.cutHairNow && !fresh.colourHairNow && !fresh.removeHairNow);

    // A reused record must end up exactly like a fresh one: every field is overwritten.
    Horoscopes reused;
    for (int s = 0; s < 12; ++s) {
        for (const auto &phase : kPhaseFractions) {
            const bool waning = phase[0] != 0.0;
            const Horoscopes h = make(mid(s), waning, phase[1]);
            const QStringList all = texts(h);
            QCOMPARE(all.size(), 17);
            for (const QString &t : all)
                QVERIFY2(!t.isEmpty(), qPrintable(h.moonSign));
            QCOMPARE(h.removeHairNow, waning);

            reused.genHoroscope(mid(s), waning, phase[1], kEnglish);
            QCOMPARE(texts(reused), all);
            QCOMPARE(reused.cutHairNow, h.cutHairNow);
            QCOMPARE(reused.colourHairNow, h.colourHairNow);
        }
    }

    // The system-language overload fills the record as well.
    Horoscopes system;
    system.genHoroscope(200.0, true, 0.4);
    QCOMPARE(system.moonSign, QStringLiteral("Libra"));
    QVERIFY(!system.colourHoroscope.isEmpty());
}

void TestHoroscopes::testGardeningFollowsThePhaseEvent() {
    QStringList gardening;
    for (const auto &phase : kPhaseFractions)
        gardening << make(10.0, phase[0] != 0.0, phase[1]).moonGardening;

    // Groups NC, QG and FD append a warning, starting with two blanks, about their own event.
    for (int i = 0; i < 6; ++i) {
        QVERIFY2(gardening[i].contains(QLatin1String(".  ")) &&
                     gardening[i].contains(QLatin1String("12 hours")),
                 qPrintable(gardening[i]));
        QVERIFY(gardening[i] != gardening[i ^ 1]);
    }
    QVERIFY(gardening[2].contains(QLatin1String("following the moment of the first quarter")));
    QVERIFY(gardening[3].contains(QLatin1String("before the moment of the full moon")));
    QVERIFY(gardening[4].contains(QLatin1String("cuttings in the 12 hours immediately following")));
    QVERIFY(gardening[5].contains(QLatin1String("before the moment of the last quarter")));
    // The last quarter and balsamic phases share one fixed text.
    QCOMPARE(gardening[6], gardening[7]);
    QVERIFY(!gardening[6].contains(QLatin1String("12 hours")));
}

void TestHoroscopes::testNonFiniteInputLeavesTheRecordAlone() {
    Horoscopes h;
    h.genHoroscope(qQNaN(), false, 0.5, kEnglish);
    h.genHoroscope(10.0, true, qInf(), kEnglish);
    for (const QString &t : texts(h))
        QVERIFY(t.isEmpty());
    QVERIFY(!h.removeHairNow);
}

void TestHoroscopes::testAdvisories_data() {
    QTest::addColumn<bool>("mercury");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("text");

    QTest::newRow("mercury retrograde")
        << true << true
        << "Mercury is currently in retrograde. This is a time when communication, technology and "
           "travel can go awry. Be extra careful with contracts and agreements, and double check "
           "your travel plans. It is a good time to reflect and review, but maybe delay starting "
           "major new projects until Mercury goes direct.";
    QTest::newRow("mercury direct")
        << true << false
        << "Mercury is currently direct, which is great news for your communication and travel "
           "plans. This is an excellent time to sign contracts, make important decisions and move "
           "forward with your plans. Your thinking is clear and your interactions with others "
           "should be smooth.";
    QTest::newRow("void of course")
        << false << true
        << "The moon is currently void of course. This is a time of rest and reflection rather than "
           "action. It is best to avoid starting new projects or making big decisions as they may "
           "not turn out as expected. Stick to your routine, finish old tasks, or just take some "
           "time out to relax.";
    QTest::newRow("moon active")
        << false << false
        << "The moon is currently active and making aspects to other planets. This is a good time "
           "to take action and move forward with your goals. Your efforts are likely to be "
           "supported and you can make real progress. It is a favorable time for starting new "
           "ventures.";
}

void TestHoroscopes::testAdvisories() {
    QFETCH(bool, mercury);
    QFETCH(bool, active);
    QFETCH(QString, text);

    QCOMPARE(mercury ? Horoscopes::mercuryRetrograde(active) : Horoscopes::voidOfCourseMoon(active), text);
}

QTEST_GUILESS_MAIN(TestHoroscopes)
#include "tst_horoscopes.moc"
