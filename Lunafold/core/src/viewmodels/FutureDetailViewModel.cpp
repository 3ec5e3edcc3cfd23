// SPDX-License-Identifier: MIT
#include "core/viewmodels/FutureDetailViewModel.h"
#include "core/viewmodels/FollowLocator.h"

#include "astronomy/AstroInterface.h"
#include "common/Localization.h"
#include "core/services/Locator.h"
#include "core/text/CalendarMath.h"
#include "core/text/IcuLocale.h"
#include "core/text/MoonDescription.h"
#include "core/text/ScreenTexts.h"
#include "core/text/UIHelper.h"
#include "core/viewmodels/ScreenPlace.h"
#include "notices/AppClock.h"

#include <QLocale>
#include <QVariantMap>

#include <unicode/datefmt.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <memory>

namespace lunafold {
namespace {

// ICU knows the medium date style; the date itself is already the place's, so ICU's own (old)
// zone data is kept out by formatting at noon UT.
QString mediumDate(const CivilDate &d) {
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, icuLocale()));
    if (!format)
        return QLocale().toString(QDate(d.year, d.month, d.day), QLocale::ShortFormat);
    format->setTimeZone(*icu::TimeZone::getGMT());
    const UDate noon =
        (static_cast<double>(daysFromCivil(d.year, d.month, d.day)) * 86400.0 + 43200.0) * 1000.0;
    icu::UnicodeString out;
    format->format(noon, out);
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

} // namespace

FutureDetailViewModel::FutureDetailViewModel(Locator *locator, QObject *parent)
    : QObject(parent), m_locator(nullptr), m_own(AppClock::now()) {
    setLocator(locator);
    connect(this, &FutureDetailViewModel::selectedDateChanged, this, &FutureDetailViewModel::refresh);
    refresh();
}

void FutureDetailViewModel::setLocator(Locator *locator) {
    if (followLocator(this, m_locator, locator, &FutureDetailViewModel::refresh))
        Q_EMIT locatorChanged();
}

void FutureDetailViewModel::setCalendar(CalendarViewModel *calendar) {
    if (calendar == m_calendar)
        return;
    if (m_calendar)
        disconnect(m_calendar, nullptr, this, nullptr);
    m_calendar = calendar;
    if (m_calendar) {
        connect(m_calendar, &CalendarViewModel::selectedDateChanged, this, [this] {
            // A day chosen elsewhere (the grid) is shown at once, not swept to.
            if (!m_changing)
                setAnimate(false);
            Q_EMIT selectedDateChanged();
        });
    }
    Q_EMIT calendarChanged();
    Q_EMIT selectedDateChanged();
}

Instant FutureDetailViewModel::selectedInstant() const {
    return m_calendar ? m_calendar->selectedInstant() : m_own;
}

QDateTime FutureDetailViewModel::selectedDate() const {
    return toDateTime(selectedInstant());
}

void FutureDetailViewModel::setSelectedDate(const QDateTime &date) {
    if (date.isValid())
        changeDate(toInstant(date), false);
}

void FutureDetailViewModel::setSelectedInstant(Instant t) {
    changeDate(t, false);
}

void FutureDetailViewModel::setAnimate(bool animate) {
    if (animate == m_animate)
        return;
    m_animate = animate;
    Q_EMIT animateDateChangeChanged();
}

void FutureDetailViewModel::changeDate(Instant t, bool animate) {
    // The animation flag is set first, so the moon knows how to follow the new date.
    setAnimate(animate);
    if (t == selectedInstant())
        return;
    m_changing = true;
    if (m_calendar) {
        m_calendar->setSelectedInstant(t);
    } else {
        m_own = t;
        Q_EMIT selectedDateChanged();
    }
    m_changing = false;
}

void FutureDetailViewModel::today() {
    changeDate(AppClock::now(), false);
}

void FutureDetailViewModel::previousDay() {
    if (selectedInstant() > lowerBound())
        stepDays(-1);
}

void FutureDetailViewModel::nextDay() {
    if (selectedInstant() < upperBound())
        stepDays(1);
}

void FutureDetailViewModel::stepDays(int days) {
    if (const auto t = addingDays(selectedInstant(), days, ScreenPlace::of(m_locator).zone))
        changeDate(*t, true);
}

void FutureDetailViewModel::pickDate(int year, int month, int day) {
    const TimeZone zone = ScreenPlace::of(m_locator).zone;
    LocalDateTime l = zone.localDateTime(selectedInstant());
    l.year = std::clamp(year, kFirstShownYear - 1, kLastShownYear + 1);
    l.month = std::clamp(month, 1, 12);
    l.day = std::clamp(day, 1, daysInMonth(l.year, l.month));
    const auto t = zone.instantOf(l);
    if (!t)
        return;
    changeDate(std::clamp(*t, lowerBound(), upperBound()), false);
}

int FutureDetailViewModel::daysInMonth(int year, int month) {
    return month >= 1 && month <= 12 ? lunafold::daysInMonth(year, month) : 0;
}

Instant FutureDetailViewModel::lowerBound() const {
    return ScreenPlace::of(m_locator)
        .zone.startOfDay(kFirstShownYear, 1, 1)
        .value_or(Instant::trusted(Instant::kEarliest));
}

Instant FutureDetailViewModel::upperBound() const {
    return ScreenPlace::of(m_locator)
        .zone.startOfDay(kLastShownYear, 12, 31)
        .value_or(Instant::trusted(Instant::kLatest));
}

void FutureDetailViewModel::refresh() {
    const ScreenPlace place = ScreenPlace::of(m_locator);
    const Instant t = selectedInstant();
    const LocalDateTime local = place.zone.localDateTime(t);
    m_year = local.year;
    m_month = local.month;
    m_day = local.day;
    m_latitude = place.point.latitude();
    m_longitude = place.point.longitude();
    m_dateText = mediumDate({local.year, local.month, local.day});
    m_canGoBack = t > lowerBound();
    m_canGoForward = t < upperBound();

    m_moonRow = ScreenTexts::moonRow(t, std::nullopt);
    m_phase = UIHelper::phaseText(t, place.zone, true);
    m_moonDescription = moonPictureDescription(t);
    // The chosen day reads as "today", as the screen shows one day at a time.
    m_riseSet = ScreenTexts::toVariant(
        ScreenTexts::dayRiseSetRows(t, place.point, place.zone, ScreenTexts::Day::Today));
    m_transit = ScreenTexts::toVariant(
        {ScreenTexts::dayTransitRow(t, place.point, place.zone, ScreenTexts::Day::Today)});
    Q_EMIT refreshed();
}

} // namespace lunafold
