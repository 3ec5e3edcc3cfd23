// SPDX-License-Identifier: MIT
#include "core/viewmodels/DatePickerModel.h"

#include "core/text/CalendarMath.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

namespace lunafold {

namespace {

QDate clamped(QDate date) {
    static const QDate first(DatePickerModel::kMinimumYear, 1, 1);
    static const QDate last(DatePickerModel::kMaximumYear, 12, 31);
    return std::clamp(date, first, last);
}

QVariantMap parts(QDate date) {
    return {{QStringLiteral("year"), date.year()},
            {QStringLiteral("month"), date.month()},
            {QStringLiteral("day"), date.day()}};
}

// Columns from the locale's first weekday: 1 Monday … 7 Sunday.
int firstWeekday() {
    return static_cast<int>(QLocale().firstDayOfWeek());
}

} // namespace

DatePickerModel::DatePickerModel(QObject *parent) : QObject(parent) {}

QString DatePickerModel::title() const {
    // The standalone name: some languages inflect the month inside a date but not alone.
    return QStringLiteral("%1 %2").arg(QLocale().standaloneMonthName(m_month), QString::number(m_year));
}

QVariantList DatePickerModel::days() const {
    QVariantList cells;
    const int lead = (isoWeekday(CivilDate{m_year, m_month, 1}) - firstWeekday() + 7) % 7;
    for (int i = 0; i < lead; ++i)
        cells << 0;
    const int length = daysInMonth(m_year, m_month);
    for (int d = 1; d <= length; ++d)
        cells << d;
    while (cells.size() % 7 != 0)
        cells << 0;
    return cells;
}

QStringList DatePickerModel::weekdayHeaders() const {
    QStringList names;
    for (int i = 0; i < 7; ++i)
        names << QLocale().standaloneDayName((firstWeekday() + i - 1) % 7 + 1, QLocale::NarrowFormat);
    return names;
}

QStringList DatePickerModel::monthNames() const {
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names << QLocale().standaloneMonthName(m);
    return names;
}

void DatePickerModel::show(int year, int month) {
    const int index = std::clamp(year * 12 + (month - 1), kMinimumYear * 12, kMaximumYear * 12 + 11);
    if (index / 12 == m_year && index % 12 + 1 == m_month)
        return;
    m_year = index / 12;
    m_month = index % 12 + 1;
    Q_EMIT shownMonthChanged();
}

void DatePickerModel::stepMonths(int months) {
    show(m_year, m_month + months);
}

QVariantMap DatePickerModel::addDays(int year, int month, int day, int days) const {
    return parts(clamped(QDate(year, month, day).addDays(days)));
}

QVariantMap DatePickerModel::addMonths(int year, int month, int day, int months) const {
    return parts(clamped(QDate(year, month, day).addMonths(months)));
}

QString DatePickerModel::spokenDate(int year, int month, int day) const {
    return QLocale().toString(QDate(year, month, day), QLocale::LongFormat);
}

} // namespace lunafold
