// SPDX-License-Identifier: MIT
#include "common/DateUtil.h"
#include "common/Localization.h"
#include "common/MoonHelper.h"

#include <QtTest>

using namespace lunafold;

namespace {

Instant at(const char *iso) {
    return Instant::trusted(static_cast<double>(QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toMSecsSinceEpoch()) / 1000.0);
}

} // namespace

class TestDateUtil : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "UTC"); // the device calendar of these tests
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void julianDays() {
        QCOMPARE(DateUtil::convertDateToJulian(Instant::trusted(0)), 2440587.5);
        QCOMPARE(DateUtil::convertDateToJulian(at("2000-01-01T12:00:00Z")), 2451545.0);
        QCOMPARE(DateUtil::convertJulianToDate(2451545.0)->unixSeconds(), at("2000-01-01T12:00:00Z").unixSeconds());
        QVERIFY(!DateUtil::convertJulianToDate(std::nan("")));
        QCOMPARE(DateUtil::dateWithOutTime(at("2024-04-08T18:21:00Z")).unixSeconds(), at("2024-04-08T00:00:00Z").unixSeconds());
    }

    void durations_data() {
        QTest::addColumn<int>("table"); // 0 hours/minutes, 1 days/hours, 2 months/days
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("text");
        QTest::newRow("0h 0m") << 0 << 0 << 0 << "0 minutes";
        QTest::newRow("0h 1m") << 0 << 0 << 1 << "1 minute";
        QTest::newRow("0h 59m") << 0 << 0 << 59 << "59 minutes";
        QTest::newRow("1h 0m") << 0 << 1 << 0 << "exactly 1 hour";
        QTest::newRow("1h 1m") << 0 << 1 << 1 << "1 hour, 1 minute";
        QTest::newRow("1h 5m") << 0 << 1 << 5 << "1 hour, 5 minutes";
        QTest::newRow("3h 0m") << 0 << 3 << 0 << "exactly 3 hours";
        QTest::newRow("3h 1m") << 0 << 3 << 1 << "3 hours, 1 minute";
        QTest::newRow("3h 7m") << 0 << 3 << 7 << "3 hours, 7 minutes";
        QTest::newRow("-2h 7m") << 0 << -2 << 7 << "-2 hours, 7 minutes";
        QTest::newRow("0d 0h") << 1 << 0 << 0 << "0 hours";
        QTest::newRow("0d 1h") << 1 << 0 << 1 << "1 hour";
        QTest::newRow("1d 0h") << 1 << 1 << 0 << "exactly 1 day";
        QTest::newRow("1d 1h") << 1 << 1 << 1 << "1 day, 1 hour";
        QTest::newRow("1d 9h") << 1 << 1 << 9 << "1 day, 9 hours";
        QTest::newRow("2d 0h") << 1 << 2 << 0 << "exactly 2 days";
        QTest::newRow("2d 1h") << 1 << 2 << 1 << "2 days, 1 hour";
        QTest::newRow("2d 5h") << 1 << 2 << 5 << "2 days, 5 hours";
        QTest::newRow("0mo 0d") << 2 << 0 << 0 << "today";
        QTest::newRow("0mo 1d") << 2 << 0 << 1 << "1 day";
        QTest::newRow("0mo 3d") << 2 << 0 << 3 << "3 days";
        QTest::newRow("1mo 0d") << 2 << 1 << 0 << "exactly 1 month";
        QTest::newRow("1mo 1d") << 2 << 1 << 1 << "1 month, 1 day";
        QTest::newRow("1mo 4d") << 2 << 1 << 4 << "1 month, 4 days";
        QTest::newRow("5mo 0d") << 2 << 5 << 0 << "exactly 5 months";
        QTest::newRow("5mo 1d") << 2 << 5 << 1 << "5 months, 1 day";
        QTest::newRow("5mo 2d") << 2 << 5 << 2 << "5 months, 2 days";
    }
    void durations() {
        QFETCH(int, table);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, text);
        const QString got = table == 0   ? DateUtil::hoursMinutesToString(a, b)
                            : table == 1 ? DateUtil::daysHoursToString(a, b)
                                         : DateUtil::monthsDaysToString(a, b);
        QCOMPARE(got, text);
    }

    void placeholders() {
        QCOMPARE(formatText(QStringLiteral("%@ in %d days"), {QStringLiteral("Full Moon"), 3}), QStringLiteral("Full Moon in 3 days"));
        // A translation may reorder by position.
        QCOMPARE(formatText(QStringLiteral("%2$d Tage bis %1$@"), {QStringLiteral("Vollmond"), 3}), QStringLiteral("3 Tage bis Vollmond"));
        QCOMPARE(formatText(QStringLiteral("%d%% of %ld"), {5, qint64(7)}), QStringLiteral("5% of 7"));
        QCOMPARE(formatText(QStringLiteral("%@ and %@"), {QStringLiteral("one")}), QStringLiteral("one and "));
        QCOMPARE(formatText(QStringLiteral("100%"), {}), QStringLiteral("100%"));
        // Fixed decimals are rounded and written with a point whatever the locale, as printf does.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(formatText(QStringLiteral("%.4f° %@"), {TextArg::real(48.85666), QStringLiteral("north")}),
                 QStringLiteral("48.8567° north"));
        QCOMPARE(formatText(QStringLiteral("%2$@ %1$.1lf"), {TextArg::real(0.06), QStringLiteral("x")}),
                 QStringLiteral("x 0.1"));
        QCOMPARE(formatText(QStringLiteral("%f"), {TextArg::real(2)}), QStringLiteral("2.000000"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void phaseNames_data() {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<bool>("waning");
        QTest::addColumn<QString>("name");
        QTest::newRow("0.99") << 0.99 << true << "full moon";
        QTest::newRow("0.98 not yet full") << 0.98 << false << "waxing gibbous";
        QTest::newRow("0.01") << 0.01 << false << "new moon";
        QTest::newRow("0.02 not new") << 0.02 << true << "waning crescent";
        QTest::newRow("0.5 waxing") << 0.5 << false << "first quarter";
        QTest::newRow("0.5 waning") << 0.5 << true << "last quarter";
        QTest::newRow("0.45 outside the band") << 0.45 << false << "waxing crescent";
        QTest::newRow("0.55 outside the band") << 0.55 << false << "waxing gibbous";
        QTest::newRow("0.7 waning") << 0.7 << true << "waning gibbous";
    }
    void phaseNames() {
        QFETCH(double, fraction);
        QFETCH(bool, waning);
        QFETCH(QString, name);
        QCOMPARE(MoonHelper::getPhaseDescription(fraction, waning), name);
    }

    void nextPhaseText() {
        const Instant now = at("2024-04-20T10:00:00Z");
        const QString full = QStringLiteral("\U0001F315"), newMoon = QStringLiteral("\U0001F311");
        QCOMPARE(MoonHelper::getNextPhaseDescription(at("2024-04-20T23:00:00Z"), at("2024-05-08T03:00:00Z"), now),
                 full + QStringLiteral(" today"));
        QCOMPARE(MoonHelper::getNextPhaseDescription(at("2024-04-21T00:01:00Z"), at("2024-05-08T03:00:00Z"), now),
                 full + QStringLiteral(" tomorrow"));
        // Two and a half days ahead: two whole days, plus one, in days.
        QCOMPARE(MoonHelper::getNextPhaseDescription(at("2024-04-22T22:00:00Z"), at("2024-05-08T03:00:00Z"), now),
                 full + QStringLiteral(" 3 days"));
        // Equal instants choose the new moon.
        QCOMPARE(MoonHelper::getNextPhaseDescription(at("2024-04-25T10:00:00Z"), at("2024-04-25T10:00:00Z"), now),
                 newMoon + QStringLiteral(" 6 days"));
    }
};

QTEST_GUILESS_MAIN(TestDateUtil)
#include "tst_dateutil.moc"
