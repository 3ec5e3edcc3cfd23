// SPDX-License-Identifier: MIT
#include "common/DateUtil.h"
#include "common/Localization.h"
#include "common/MoonHelper.h"

#include <QtTest>

using namespace lunafold;

namespace {

Instant at(const char *iso) {
    return Instant::trusted(
        double(QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch()));
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
        QCOMPARE(DateUtil::convertJulianToDate(2451545.0)->unixSeconds(),
                 at("2000-01-01T12:00:00Z").unixSeconds());
        QVERIFY(!DateUtil::convertJulianToDate(std::nan("")));
        QCOMPARE(DateUtil::dateWithOutTime(at("2024-04-08T18:21:00Z")).unixSeconds(),
                 at("2024-04-08T00:00:00Z").unixSeconds());
    }

    // Each pair's words: none, one, several of either part, and "exactly" when the second is 0.
    void durations() {
        const struct {
            int a, b;
            const char *hoursMinutes, *daysHours, *monthsDays;
        } rows[] = {
            {0, 0, "0 minutes", "0 hours", "today"},
            {0, 1, "1 minute", "1 hour", "1 day"},
            {0, 59, "59 minutes", "59 hours", "59 days"},
            {1, 0, "exactly 1 hour", "exactly 1 day", "exactly 1 month"},
            {1, 1, "1 hour, 1 minute", "1 day, 1 hour", "1 month, 1 day"},
            {1, 5, "1 hour, 5 minutes", "1 day, 5 hours", "1 month, 5 days"},
            {3, 0, "exactly 3 hours", "exactly 3 days", "exactly 3 months"},
            {3, 1, "3 hours, 1 minute", "3 days, 1 hour", "3 months, 1 day"},
            {-2, 7, "-2 hours, 7 minutes", "-2 days, 7 hours", "-2 months, 7 days"},
        };
        for (const auto &r : rows) {
            QCOMPARE(DateUtil::hoursMinutesToString(r.a, r.b), QString::fromUtf8(r.hoursMinutes));
            QCOMPARE(DateUtil::daysHoursToString(r.a, r.b), QString::fromUtf8(r.daysHours));
            QCOMPARE(DateUtil::monthsDaysToString(r.a, r.b), QString::fromUtf8(r.monthsDays));
        }
    }

    void placeholders() {
        QCOMPARE(formatText(QStringLiteral("%@ in %d days"), {QStringLiteral("Full Moon"), 3}),
                 QStringLiteral("Full Moon in 3 days"));
        // A translation may reorder by position.
        QCOMPARE(formatText(QStringLiteral("%2$d Tage bis %1$@"), {QStringLiteral("Vollmond"), 3}),
                 QStringLiteral("3 Tage bis Vollmond"));
        QCOMPARE(formatText(QStringLiteral("%d%% of %ld"), {5, qint64(7)}), QStringLiteral("5% of 7"));
        QCOMPARE(formatText(QStringLiteral("%@ and %@"), {QStringLiteral("one")}),
                 QStringLiteral("one and "));
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

    void phaseNames() {
        const struct {
            double fraction;
            bool waning;
            const char *name;
        } cases[] = {
            {0.99, true, "full moon"},        {0.98, false, "waxing gibbous"}, // not yet full
            {0.01, false, "new moon"},        {0.02, true, "waning crescent"}, // no longer new
            {0.5, false, "first quarter"},    {0.5, true, "last quarter"},
            {0.45, false, "waxing crescent"}, {0.55, false, "waxing gibbous"}, // outside the quarter's band
            {0.7, true, "waning gibbous"},
        };
        for (const auto &c : cases)
            QCOMPARE(MoonHelper::getPhaseDescription(c.fraction, c.waning), QLatin1String(c.name));
    }

    void nextPhaseText() {
        const auto text = [](const char *full, const char *newMoon) {
            return MoonHelper::getNextPhaseDescription(at(full), at(newMoon), at("2024-04-20T10:00:00Z"));
        };
        const QString full = QStringLiteral("\U0001F315 "), newMoon = QStringLiteral("\U0001F311 ");
        QCOMPARE(text("2024-04-20T23:00:00Z", "2024-05-08T03:00:00Z"), full + QStringLiteral("today"));
        QCOMPARE(text("2024-04-21T00:01:00Z", "2024-05-08T03:00:00Z"), full + QStringLiteral("tomorrow"));
        // Two and a half days ahead: two whole days, plus one, in days.
        QCOMPARE(text("2024-04-22T22:00:00Z", "2024-05-08T03:00:00Z"), full + QStringLiteral("3 days"));
        // Equal instants choose the new moon.
        QCOMPARE(text("2024-04-25T10:00:00Z", "2024-04-25T10:00:00Z"), newMoon + QStringLiteral("6 days"));
    }
};

QTEST_GUILESS_MAIN(TestDateUtil)
#include "tst_dateutil.moc"
