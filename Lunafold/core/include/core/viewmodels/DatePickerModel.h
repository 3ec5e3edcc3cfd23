// SPDX-License-Identifier: MIT
#pragma once

#include "core/viewmodels/ShownYears.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace lunafold {

/// The month shown by the graphical date picker and the keyboard's moves through the days, kept
/// within 1901-01-01 … 2099-12-31. The picked date itself belongs to the day detail.
class DatePickerModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int year READ year NOTIFY shownMonthChanged)
    Q_PROPERTY(int month READ month NOTIFY shownMonthChanged)
    Q_PROPERTY(QString title READ title NOTIFY shownMonthChanged)
    Q_PROPERTY(QVariantList days READ days NOTIFY shownMonthChanged)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY shownMonthChanged)
    Q_PROPERTY(bool canGoForward READ canGoForward NOTIFY shownMonthChanged)
    Q_PROPERTY(QStringList weekdayHeaders READ weekdayHeaders NOTIFY shownMonthChanged)
    Q_PROPERTY(QStringList monthNames READ monthNames NOTIFY shownMonthChanged)
    Q_PROPERTY(int minimumYear READ minimumYear CONSTANT)
    Q_PROPERTY(int maximumYear READ maximumYear CONSTANT)

  public:
    static constexpr int kMinimumYear = kFirstShownYear;
    static constexpr int kMaximumYear = kLastShownYear;

    explicit DatePickerModel(QObject *parent = nullptr);

    int year() const { return m_year; }
    int month() const { return m_month; }
    /// "April 2024" in the current locale.
    QString title() const;
    /// Whole weeks from the locale's first weekday: 0 for the cells before the 1st and after the
    /// last day, else the day number.
    QVariantList days() const;
    bool canGoBack() const { return m_year * 12 + m_month > kMinimumYear * 12 + 1; }
    bool canGoForward() const { return m_year * 12 + m_month < kMaximumYear * 12 + 12; }
    /// Narrow weekday names in the grid's column order ("S", "M", … in the US).
    QStringList weekdayHeaders() const;
    QStringList monthNames() const;
    int minimumYear() const { return kMinimumYear; }
    int maximumYear() const { return kMaximumYear; }

    /// Shows a month; months before January 1901 or after December 2099 show those.
    Q_INVOKABLE void show(int year, int month);
    Q_INVOKABLE void stepMonths(int months);
    /// The date @p days calendar days from the given one, as {year, month, day}, held within range.
    Q_INVOKABLE QVariantMap addDays(int year, int month, int day, int days) const;
    /// The same day @p months months on (the day held to the month's length), within range.
    Q_INVOKABLE QVariantMap addMonths(int year, int month, int day, int months) const;
    /// The date's name for a screen reader: "Tuesday, April 23, 2024".
    Q_INVOKABLE QString spokenDate(int year, int month, int day) const;

  Q_SIGNALS:
    void shownMonthChanged();

  private:
    int m_year = 2001;
    int m_month = 1;
};

} // namespace lunafold
