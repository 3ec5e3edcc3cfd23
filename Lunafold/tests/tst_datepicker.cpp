// SPDX-License-Identifier: MIT
// The date picker's month grid and its moves, held within 1901-01-01 … 2099-12-31.
#include "core/viewmodels/DatePickerModel.h"

#include <QLocale>
#include <QSignalSpy>
#include <QtTest>

using namespace lunafold;

class TestDatePicker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Weeks start on the locale's first weekday: Sunday in the US, Monday in Germany.
    void gridStartsOnTheLocalesFirstWeekday_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("lead");  // blank cells before the 1st
        QTest::addColumn<int>("cells");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstHeader");
        // 1 September 2024 is a Sunday.
        QTest::newRow("en_US September 2024") << "en_US" << 2024 << 9 << 0 << 35 << "September 2024" << "S";
        QTest::newRow("de_DE September 2024") << "de_DE" << 2024 << 9 << 6 << 42 << "September 2024" << "M";
        // February 2015 starts on a Sunday and has 28 days: four full weeks in the US.
        QTest::newRow("en_US February 2015") << "en_US" << 2015 << 2 << 0 << 28 << "February 2015" << "S";
        // 1 January 1901 is a Tuesday.
        QTest::newRow("de_DE January 1901") << "de_DE" << 1901 << 1 << 1 << 35 << "Januar 1901" << "M";
        QTest::newRow("en_US February 2000 (leap)") << "en_US" << 2000 << 2 << 2 << 35 << "February 2000" << "S";
    }
    void gridStartsOnTheLocalesFirstWeekday() {
        QFETCH(QString, locale);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, lead);
        QFETCH(int, cells);
        QFETCH(QString, title);
        QFETCH(QString, firstHeader);
        QLocale::setDefault(QLocale(locale));
        DatePickerModel model;
        model.show(year, month);
        const QVariantList days = model.days();
        QCOMPARE(days.size(), cells);
        for (int i = 0; i < lead; ++i)
            QCOMPARE(days[i].toInt(), 0);
        QCOMPARE(days[lead].toInt(), 1);
        const int length = QDate(year, month, 1).daysInMonth();
        QCOMPARE(days[lead + length - 1].toInt(), length);
        for (int i = lead + length; i < cells; ++i)
            QCOMPARE(days[i].toInt(), 0);
        QCOMPARE(model.title(), title);
        QCOMPARE(model.weekdayHeaders().first(), firstHeader);
    }

    void monthsStayWithin1901To2099_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("wantYear");
        QTest::addColumn<int>("wantMonth");
        QTest::newRow("back over a year") << 2024 << 1 << -1 << 2023 << 12;
        QTest::newRow("on over a year") << 2024 << 12 << 1 << 2025 << 1;
        QTest::newRow("a century back") << 2024 << 9 << -1200 << 1924 << 9;
        QTest::newRow("before January 1901") << 1901 << 1 << -1 << 1901 << 1;
        QTest::newRow("far before") << 1950 << 6 << -5000 << 1901 << 1;
        QTest::newRow("after December 2099") << 2099 << 12 << 1 << 2099 << 12;
        QTest::newRow("far after") << 2050 << 6 << 5000 << 2099 << 12;
    }
    void monthsStayWithin1901To2099() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, step);
        DatePickerModel model;
        model.show(year, month);
        QSignalSpy changed(&model, &DatePickerModel::shownMonthChanged);
        model.stepMonths(step);
        QTEST(model.year(), "wantYear");
        QTEST(model.month(), "wantMonth");
        QCOMPARE(changed.size(), model.year() == year && model.month() == month ? 0 : 1);
        QCOMPARE(model.canGoBack(), !(model.year() == 1901 && model.month() == 1));
        QCOMPARE(model.canGoForward(), !(model.year() == 2099 && model.month() == 12));
    }

    void keyboardMovesStayWithinRange_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("want");
        QTest::newRow("a week on across a month") << QDate(2024, 8, 29) << 7 << 0 << QDate(2024, 9, 5);
        QTest::newRow("a day back across a year") << QDate(2024, 1, 1) << -1 << 0 << QDate(2023, 12, 31);
        QTest::newRow("a month on from the 31st") << QDate(2024, 1, 31) << 0 << 1 << QDate(2024, 2, 29);
        QTest::newRow("a year on from 29 February") << QDate(2024, 2, 29) << 0 << 12 << QDate(2025, 2, 28);
        QTest::newRow("before the first day") << QDate(1901, 1, 3) << -7 << 0 << QDate(1901, 1, 1);
        QTest::newRow("after the last day") << QDate(2099, 12, 30) << 7 << 0 << QDate(2099, 12, 31);
        QTest::newRow("a year before 1901") << QDate(1901, 6, 15) << 0 << -12 << QDate(1901, 1, 1);
    }
    void keyboardMovesStayWithinRange() {
        QFETCH(QDate, from);
        QFETCH(int, days);
        QFETCH(int, months);
        QFETCH(QDate, want);
        DatePickerModel model;
        const QVariantMap got = months != 0 ? model.addMonths(from.year(), from.month(), from.day(), months)
                                            : model.addDays(from.year(), from.month(), from.day(), days);
        QCOMPARE(QDate(got[QStringLiteral("year")].toInt(), got[QStringLiteral("month")].toInt(),
                       got[QStringLiteral("day")].toInt()),
                 want);
    }
};

QTEST_GUILESS_MAIN(TestDatePicker)
#include "tst_datepicker.moc"
