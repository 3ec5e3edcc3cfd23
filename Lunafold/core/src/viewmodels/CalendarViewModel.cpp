// SPDX-License-Identifier: MIT
#include "core/viewmodels/CalendarViewModel.h"
#include "core/viewmodels/FollowLocator.h"

#include "astronomy/CivilDate.h"
#include "core/services/Locator.h"
#include "core/text/CalendarMath.h"
#include "core/text/IcuLocale.h"
#include "core/text/UIHelper.h"
#include "core/viewmodels/NowViewModel.h"
#include "core/viewmodels/ScreenPlace.h"
#include "notices/AppClock.h"

#include <QDate>
#include <QLocale>

#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <cmath>
#include <memory>

namespace lunafold {
namespace {

// English keeps the app's "April, 2024"; other languages write a month of a year their own way
// ("April 2024", "abril de 2024"). The date is formatted at noon UT: ICU's zone data stays out.
QString titleOfMonth(const QLocale &locale, int year, int month) {
    const QString fixed = locale.toString(QDate(year, month, 1), u"MMMM, yyyy");
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return fixed;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> patterns(
        icu::DateTimePatternGenerator::createInstance(icuLocale(), status));
    if (U_FAILURE(status))
        return fixed;
    const icu::UnicodeString pattern = patterns->getBestPattern(icu::UnicodeString(u"yMMMM"), status);
    icu::SimpleDateFormat format(pattern, icuLocale(), status);
    if (U_FAILURE(status))
        return fixed;
    format.setTimeZone(*icu::TimeZone::getGMT());
    icu::UnicodeString out;
    format.format((static_cast<double>(daysFromCivil(year, month, 1)) * 86400.0 + 43200.0) * 1000.0, out);
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

} // namespace

CalendarViewModel::CalendarViewModel(Locator *locator, QObject *parent)
    : QAbstractListModel(parent), m_locator(nullptr), m_selected(AppClock::now()) {
    setLocator(locator);
    rebuild();
}

void CalendarViewModel::setLocator(Locator *locator) {
    if (followLocator(this, m_locator, locator, &CalendarViewModel::rebuild))
        Q_EMIT locatorChanged();
}

int CalendarViewModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

QVariant CalendarViewModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Cell &c = m_cells[static_cast<std::size_t>(index.row())];
    switch (role) {
    case DayTextRole:
        return c.dayText;
    case InMonthRole:
        return c.inMonth;
    case DayStartRole:
        return toDateTime(c.start);
    case PhaseLabelRole:
        return c.phaseLabel;
    case AccessibilityLabelRole:
        return c.accessibilityLabel;
    case MoonImageRole:
        return c.moonImage;
    default:
        return {};
    }
}

QHash<int, QByteArray> CalendarViewModel::roleNames() const {
    return {{DayTextRole, "dayText"},
            {InMonthRole, "inMonth"},
            {DayStartRole, "dayStart"},
            {PhaseLabelRole, "phaseLabel"},
            {AccessibilityLabelRole, "accessibilityLabel"},
            {MoonImageRole, "moonImage"}};
}

QDateTime CalendarViewModel::selectedDate() const {
    return toDateTime(m_selected);
}

void CalendarViewModel::setSelectedDate(const QDateTime &date) {
    if (date.isValid())
        setSelectedInstant(toInstant(date));
}

void CalendarViewModel::setSelectedInstant(Instant t) {
    if (t == m_selected)
        return;
    m_selected = t;
    rebuildIfMonthChanged();
    Q_EMIT selectedDateChanged();
}

void CalendarViewModel::setRegularWidth(bool regular) {
    if (regular == m_regular)
        return;
    m_regular = regular;
    rebuild();
    Q_EMIT cellSizeChanged();
}

void CalendarViewModel::setDevicePixelRatio(double ratio) {
    if (!(ratio > 0.0) || ratio == m_ratio)
        return;
    m_ratio = ratio;
    rebuild();
    Q_EMIT cellSizeChanged();
}

void CalendarViewModel::setActive(bool active) {
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        today();
    Q_EMIT activeChanged();
}

void CalendarViewModel::today() {
    setSelectedInstant(AppClock::now());
}

void CalendarViewModel::previousMonth() {
    if (const auto t = addingMonths(m_selected, -1, ScreenPlace::of(m_locator).zone))
        setSelectedInstant(*t);
}

void CalendarViewModel::nextMonth() {
    if (const auto t = addingMonths(m_selected, 1, ScreenPlace::of(m_locator).zone))
        setSelectedInstant(*t);
}

bool CalendarViewModel::selectDay(int row) {
    if (row < 0 || row >= rowCount() || !m_cells[static_cast<std::size_t>(row)].inMonth)
        return false;
    setSelectedInstant(m_cells[static_cast<std::size_t>(row)].start);
    return true;
}

void CalendarViewModel::rebuildIfMonthChanged() {
    const ScreenPlace place = ScreenPlace::of(m_locator);
    const LocalDateTime local = place.zone.localDateTime(m_selected);
    if (local.year != m_year || local.month != m_month || place.zone.name() != m_zoneName)
        rebuild();
}

void CalendarViewModel::rebuild() {
    const ScreenPlace place = ScreenPlace::of(m_locator);
    const LocalDateTime local = place.zone.localDateTime(m_selected);
    const QLocale locale;
    const int pixels = static_cast<int>(std::lround(cellPoints() * m_ratio));

    m_year = local.year;
    m_month = local.month;
    m_zoneName = place.zone.name();
    const std::vector<GridDay> days =
        monthGridDays(local.year, local.month, static_cast<int>(locale.firstDayOfWeek()), place.zone);
    std::vector<Cell> cells;
    cells.reserve(days.size());
    for (const GridDay &d : days) {
        Cell c;
        c.dayText = locale.toString(QDate(d.date.year, d.date.month, d.date.day), u"d");
        c.inMonth = d.inMonth;
        c.start = d.start;
        // Neighbouring days only hold their place in the grid: nothing of theirs is shown.
        if (d.inMonth) {
            c.phaseLabel = UIHelper::calendarPhaseLabel(d.start, place.zone);
            c.accessibilityLabel = UIHelper::ordinalText(c.dayText) + u' ' + c.phaseLabel;
            c.moonImage = NowViewModel::imageSource(d.start, false, place.point, pixels);
        }
        cells.push_back(std::move(c));
    }
    // Cells are updated in place and only the last week rows come or go: the grid keeps its
    // items (cheaper, and Qt 6.4's GridLayout can trip over items a reset deletes mid-layout).
    const int before = static_cast<int>(m_cells.size()), after = static_cast<int>(cells.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        m_cells.resize(cells.size());
        endRemoveRows();
    }
    const int common = std::min(before, after);
    for (int i = 0; i < common; ++i)
        m_cells[i] = std::move(cells[i]);
    if (common > 0)
        Q_EMIT dataChanged(index(0), index(common - 1));
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        for (int i = before; i < after; ++i)
            m_cells.push_back(std::move(cells[i]));
        endInsertRows();
    }

    m_title = titleOfMonth(locale, local.year, local.month);
    m_weekdays.clear();
    for (std::size_t i = 0; i < 7 && i < days.size(); ++i)
        m_weekdays << locale.dayName(isoWeekday(days[i].date), QLocale::NarrowFormat);
    Q_EMIT monthChanged();
}

} // namespace lunafold
