// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "core/services/Locator.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QPointer>
#include <QStringList>

#include <string>
#include <vector>

namespace lunafold {

/// The Future tab's month grid: whole weeks around the month holding the selected date, in the
/// place's zone and the locale's week, one cell per local day with its moon picture and phase.
class CalendarViewModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(QDateTime selectedDate READ selectedDate WRITE setSelectedDate NOTIFY selectedDateChanged)
    Q_PROPERTY(QString monthTitle READ monthTitle NOTIFY monthChanged)
    Q_PROPERTY(QStringList weekdayHeaders READ weekdayHeaders NOTIFY monthChanged)
    Q_PROPERTY(int rows READ rows NOTIFY monthChanged)
    Q_PROPERTY(bool regularWidth READ regularWidth WRITE setRegularWidth NOTIFY cellSizeChanged)
    Q_PROPERTY(double devicePixelRatio READ devicePixelRatio WRITE setDevicePixelRatio NOTIFY cellSizeChanged)
    Q_PROPERTY(int cellPoints READ cellPoints NOTIFY cellSizeChanged)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)

  public:
    enum Role {
        DayTextRole = Qt::UserRole + 1,
        InMonthRole,
        DayStartRole,
        PhaseLabelRole,
        AccessibilityLabelRole,
        MoonImageRole,
    };
    Q_ENUM(Role)

    /// @param locator the place to show; none: no place until one is set
    explicit CalendarViewModel(Locator *locator = nullptr, QObject *parent = nullptr);

    Locator *locator() const { return m_locator; }
    /// The place the figures are for; none: no place.
    void setLocator(Locator *locator);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QDateTime selectedDate() const;
    void setSelectedDate(const QDateTime &date);
    Instant selectedInstant() const { return m_selected; }
    void setSelectedInstant(Instant t);
    QString monthTitle() const { return m_title; }
    QStringList weekdayHeaders() const { return m_weekdays; }
    /// Week rows of the grid: 4, 5 or 6.
    int rows() const { return static_cast<int>(m_cells.size() / 7); }
    bool regularWidth() const { return m_regular; }
    void setRegularWidth(bool regular);
    double devicePixelRatio() const { return m_ratio; }
    void setDevicePixelRatio(double ratio);
    /// Edge of a cell's moon picture in points.
    int cellPoints() const { return m_regular ? 56 : 35; }
    bool active() const { return m_active; }
    /// Becoming active (the screen is shown) returns to the present month.
    void setActive(bool active);

    /// The present instant, so the present month.
    Q_INVOKABLE void today();
    Q_INVOKABLE void previousMonth();
    Q_INVOKABLE void nextMonth();
    /// A tap on cell @p row: a day of the displayed month becomes the selected date (the start of
    /// that day) and the answer is true; other cells change nothing.
    Q_INVOKABLE bool selectDay(int row);
    /// Recomputes every cell for the current place, locale and selected month.
    Q_INVOKABLE void rebuild();

  Q_SIGNALS:
    void locatorChanged();
    void selectedDateChanged();
    void monthChanged();
    void cellSizeChanged();
    void activeChanged();

  private:
    struct Cell {
        QString dayText;
        bool inMonth = false;
        Instant start;
        QString phaseLabel, accessibilityLabel, moonImage;
    };

    void rebuildIfMonthChanged();

    QPointer<Locator> m_locator;
    Instant m_selected;
    bool m_regular = false;
    double m_ratio = 1.0;
    bool m_active = false;
    // What the cells were built for.
    int m_year = 0, m_month = 0;
    std::string m_zoneName;
    std::vector<Cell> m_cells;
    QString m_title;
    QStringList m_weekdays;
};

} // namespace lunafold
