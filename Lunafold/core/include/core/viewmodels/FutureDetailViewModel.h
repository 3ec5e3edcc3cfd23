// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "core/services/Locator.h"
#include "core/viewmodels/CalendarViewModel.h"
#include "core/viewmodels/ShownYears.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantList>

namespace lunafold {

/// One day of the Future tab in detail: the day steps and the date picker, the illuminated share
/// and phase at the selected instant, and that local day's moonrise, moonset and transit.
/// The selected date is the grid's when a calendar is attached, so both screens move together.
class FutureDetailViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(lunafold::CalendarViewModel *calendar READ calendar WRITE setCalendar NOTIFY calendarChanged)
    Q_PROPERTY(QDateTime selectedDate READ selectedDate WRITE setSelectedDate NOTIFY selectedDateChanged)
    Q_PROPERTY(double dateInterval READ dateInterval NOTIFY selectedDateChanged)
    Q_PROPERTY(bool animateDateChange READ animateDateChange NOTIFY animateDateChangeChanged)
    Q_PROPERTY(QString dateText READ dateText NOTIFY refreshed)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY refreshed)
    Q_PROPERTY(bool canGoForward READ canGoForward NOTIFY refreshed)
    Q_PROPERTY(QString moonRow READ moonRow NOTIFY refreshed)
    Q_PROPERTY(QString moonDescription READ moonDescription NOTIFY refreshed)
    Q_PROPERTY(QString phaseSentence READ phaseSentence NOTIFY refreshed)
    Q_PROPERTY(QVariantList riseSetRows READ riseSetRows NOTIFY refreshed)
    Q_PROPERTY(QVariantList transitRows READ transitRows NOTIFY refreshed)
    Q_PROPERTY(double latitude READ latitude NOTIFY refreshed)
    Q_PROPERTY(double longitude READ longitude NOTIFY refreshed)
    Q_PROPERTY(int selectedYear READ selectedYear NOTIFY refreshed)
    Q_PROPERTY(int selectedMonth READ selectedMonth NOTIFY refreshed)
    Q_PROPERTY(int selectedDay READ selectedDay NOTIFY refreshed)

  public:
    /// 2001-01-01T00:00:00Z, the epoch of dateInterval, in Unix seconds.
    static constexpr double kReferenceDate = 978307200.0;

    /// @param locator the place to show; none: no place until one is set
    explicit FutureDetailViewModel(Locator *locator = nullptr, QObject *parent = nullptr);

    Locator *locator() const { return m_locator; }
    /// The place the figures are for; none: no place.
    void setLocator(Locator *locator);

    CalendarViewModel *calendar() const { return m_calendar; }
    void setCalendar(CalendarViewModel *calendar);
    QDateTime selectedDate() const;
    void setSelectedDate(const QDateTime &date);
    Instant selectedInstant() const;
    void setSelectedInstant(Instant t);
    /// Seconds since 2001-01-01T00:00:00Z, what the animated moon interpolates.
    double dateInterval() const { return selectedInstant().unixSeconds() - kReferenceDate; }
    /// True right after a day step: the moon then sweeps to the new day.
    bool animateDateChange() const { return m_animate; }
    /// The selected day as a medium date in the place's zone ("Apr 23, 2024").
    QString dateText() const { return m_dateText; }
    bool canGoBack() const { return m_canGoBack; }
    bool canGoForward() const { return m_canGoForward; }
    /// "Moon is 99.7688% of full." at the selected instant.
    QString moonRow() const { return m_moonRow; }
    /// The picture for a screen reader: "Waxing gibbous, 82% lit".
    QString moonDescription() const { return m_moonDescription; }
    QString phaseSentence() const { return m_phase; }
    /// Each row a map with "label" and "value".
    QVariantList riseSetRows() const { return m_riseSet; }
    QVariantList transitRows() const { return m_transit; }
    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    int selectedYear() const { return m_year; }
    int selectedMonth() const { return m_month; }
    int selectedDay() const { return m_day; }

    /// The present instant, time of day included.
    Q_INVOKABLE void today();
    /// One calendar day back, while the selection is after 1901-01-01 00:00 in the place's zone.
    Q_INVOKABLE void previousDay();
    /// One calendar day on, while the selection is before 2099-12-31 00:00 in the place's zone.
    Q_INVOKABLE void nextDay();
    /// The date picker: that day at the selection's time of day, kept within 1901-01-01 00:00 …
    /// 2099-12-31 00:00; out-of-range months and days are brought to the nearest valid one.
    Q_INVOKABLE void pickDate(int year, int month, int day);
    Q_INVOKABLE static int daysInMonth(int year, int month);
    Q_INVOKABLE void refresh();

  Q_SIGNALS:
    void locatorChanged();
    void calendarChanged();
    void selectedDateChanged();
    void animateDateChangeChanged();
    void refreshed();

  private:
    void setAnimate(bool animate);
    void changeDate(Instant t, bool animate);
    void stepDays(int days);
    Instant lowerBound() const;
    Instant upperBound() const;

    QPointer<Locator> m_locator;
    QPointer<CalendarViewModel> m_calendar;
    Instant m_own; // the selection while no calendar is attached
    bool m_animate = false;
    bool m_changing = false;
    QString m_dateText, m_moonRow, m_phase, m_moonDescription;
    bool m_canGoBack = false, m_canGoForward = false;
    QVariantList m_riseSet, m_transit;
    double m_latitude = 0.0, m_longitude = 0.0;
    int m_year = 0, m_month = 0, m_day = 0;
};

} // namespace lunafold
