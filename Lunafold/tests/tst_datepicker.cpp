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
    void gridStartsOnTheLocalesFirstWeekday() {
        const struct {
            const char *locale;
            int year, month, lead, cells; // lead: blank cells before the 1st
            const char *title, *firstHeader;
        } cases[] = {
            {"de_DE", 2024, 9, 6, 42, "September 2024", "M"}, // 1 September 2024 is a Sunday
            {"en_US", 2015, 2, 0, 28, "February 2015", "S"},  // a Sunday and 28 days: four full weeks
            {"de_DE", 1901, 1, 1, 35, "Januar 1901", "M"},    // 1 January 1901 is a Tuesday
            {"en_US", 2000, 2, 2, 35, "February 2000", "S"},  // leap
        };
        for (const auto &c : cases) {
            QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
            DatePickerModel model;
            model.show(c.year, c.month);
            const int length = QDate(c.year, c.month, 1).daysInMonth();
            QVariantList want(c.cells, 0);
            for (int day = 1; day <= length; ++day)
                want[c.lead + day - 1] = day;
            QCOMPARE(model.days(), want);
            QCOMPARE(model.title(), QLatin1String(c.title));
            QCOMPARE(model.weekdayHeaders().first(), QLatin1String(c.firstHeader));
        }
    }

    void monthsStayWithin1901To2099() {
        const struct {
            int year, month, step, wantYear, wantMonth;
        } cases[] = {
            {2024, 1, -1, 2023, 12}, {2024, 12, 1, 2025, 1},    {2024, 9, -1200, 1924, 9}, // across years
            {1901, 1, -1, 1901, 1},  {1950, 6, -5000, 1901, 1}, // before January 1901
            {2099, 12, 1, 2099, 12}, {2050, 6, 5000, 2099, 12}, // after December 2099
        };
        for (const auto &c : cases) {
            DatePickerModel model;
            model.show(c.year, c.month);
            QSignalSpy changed(&model, &DatePickerModel::shownMonthChanged);
            model.stepMonths(c.step);
            QCOMPARE(QDate(model.year(), model.month(), 1), QDate(c.wantYear, c.wantMonth, 1));
            QCOMPARE(changed.size(), model.year() == c.year && model.month() == c.month ? 0 : 1);
            QCOMPARE(model.canGoBack(), !(model.year() == 1901 && model.month() == 1));
            QCOMPARE(model.canGoForward(), !(model.year() == 2099 && model.month() == 12));
        }
    }

    void keyboardMovesStayWithinRange() {
        const struct {
            QDate from;
            int days, months;
            QDate want;
        } cases[] = {
            {{2024, 8, 29}, 7, 0, {2024, 9, 5}},
            {{2024, 1, 1}, -1, 0, {2023, 12, 31}}, // across a month, a year
            {{2024, 1, 31}, 0, 1, {2024, 2, 29}},  // from the 31st, 29 Feb
            {{1901, 1, 3}, -7, 0, {1901, 1, 1}},
            {{2099, 12, 30}, 7, 0, {2099, 12, 31}}, // the ends
            {{1901, 6, 15}, 0, -12, {1901, 1, 1}},
        };
        DatePickerModel model;
        for (const auto &c : cases) {
            const QVariantMap got =
                c.months != 0 ? model.addMonths(c.from.year(), c.from.month(), c.from.day(), c.months)
                              : model.addDays(c.from.year(), c.from.month(), c.from.day(), c.days);
            QCOMPARE(QDate(got[u"year"_qs].toInt(), got[u"month"_qs].toInt(), got[u"day"_qs].toInt()),
                     c.want);
        }
    }
};

QTEST_GUILESS_MAIN(TestDatePicker)
#include "tst_datepicker.moc"
