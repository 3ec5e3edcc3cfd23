// SPDX-License-Identifier: MIT
#include "astronomy/TimeZone.h"

#include <date/tz.h>

#include <cmath>
#include <cstdlib>

namespace lunafold {
namespace {

using std::chrono::seconds;

date::sys_seconds toSys(Instant instant) {
    return date::sys_seconds(seconds(static_cast<long long>(std::floor(instant.unixSeconds()))));
}

Instant fromSys(date::sys_seconds s) { return Instant::trusted(static_cast<double>(s.time_since_epoch().count())); }

} // namespace

std::optional<TimeZone> TimeZone::named(std::string_view ianaName) {
    if (ianaName.empty())
        return std::nullopt;
    try {
        return TimeZone(date::locate_zone(ianaName));
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

TimeZone TimeZone::utc() {
    if (auto z = named("Etc/UTC"))
        return *z;
    if (auto z = named("UTC"))
        return *z;
    return TimeZone(nullptr);
}

TimeZone TimeZone::current() {
    if (const char *tz = std::getenv("TZ"); tz && *tz) {
        std::string_view name(tz);
        if (name.front() == ':')
            name.remove_prefix(1);
        if (auto z = named(name))
            return *z;
    }
    try {
        return TimeZone(date::current_zone());
    } catch (const std::exception &) {
        return utc();
    }
}

std::string TimeZone::name() const { return m_zone ? std::string(m_zone->name()) : std::string("UTC"); }

int TimeZone::offsetSeconds(Instant instant) const {
    if (!m_zone)
        return 0;
    return static_cast<int>(m_zone->get_info(toSys(instant)).offset.count());
}

std::string TimeZone::abbreviation(Instant instant) const {
    if (!m_zone)
        return "UTC";
    return m_zone->get_info(toSys(instant)).abbrev;
}

LocalDateTime TimeZone::localDateTime(Instant instant) const {
    const double whole = std::floor(instant.unixSeconds());
    const date::local_seconds local(seconds(static_cast<long long>(whole) + offsetSeconds(instant)));
    const auto day = date::floor<date::days>(local);
    const date::year_month_day ymd(day);
    const date::hh_mm_ss<seconds> hms(local - day);
    LocalDateTime out;
    out.year = static_cast<int>(ymd.year());
    out.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    out.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    out.hour = static_cast<int>(hms.hours().count());
    out.minute = static_cast<int>(hms.minutes().count());
    out.second = static_cast<double>(hms.seconds().count()) + (instant.unixSeconds() - whole);
    return out;
}

std::optional<Instant> TimeZone::instantOf(const LocalDateTime &l) const {
    const date::year_month_day ymd{date::year(l.year), date::month(static_cast<unsigned>(l.month)),
                                   date::day(static_cast<unsigned>(l.day))};
    if (!ymd.ok() || l.hour < 0 || l.hour > 23 || l.minute < 0 || l.minute > 59 || !(l.second >= 0 && l.second < 61))
        return std::nullopt;
    const double wholeSec = std::floor(l.second);
    const date::local_seconds local = date::local_days(ymd) + std::chrono::hours(l.hour) +
                                      std::chrono::minutes(l.minute) + seconds(static_cast<long long>(wholeSec));
    if (!m_zone)
        return Instant::fromUnixSeconds(static_cast<double>(local.time_since_epoch().count()) + l.second - wholeSec);
    const date::local_info info = m_zone->get_info(local);
    date::sys_seconds sys;
    switch (info.result) {
    case date::local_info::unique:
    case date::local_info::ambiguous:
        sys = date::sys_seconds(local.time_since_epoch() - info.first.offset);
        break;
    default: // nonexistent: the wall time slides forward over the gap
        sys = date::sys_seconds(local.time_since_epoch() - info.first.offset);
        break;
    }
    return Instant::fromUnixSeconds(static_cast<double>(sys.time_since_epoch().count()) + l.second - wholeSec);
}

std::optional<Instant> TimeZone::startOfDay(int year, int month, int day) const {
    const date::year_month_day ymd{date::year(year), date::month(static_cast<unsigned>(month)),
                                   date::day(static_cast<unsigned>(day))};
    if (!ymd.ok())
        return std::nullopt;
    const date::local_seconds local(date::local_days(ymd).time_since_epoch());
    if (!m_zone)
        return Instant::fromUnixSeconds(static_cast<double>(local.time_since_epoch().count()));
    const date::local_info info = m_zone->get_info(local);
    if (info.result == date::local_info::nonexistent)
        return fromSys(info.first.end); // the day begins when the clocks jump
    return fromSys(date::sys_seconds(local.time_since_epoch() - info.first.offset));
}

std::optional<LocalDayFrame> LocalDayFrame::containing(Instant instant, const TimeZone &zone) {
    const LocalDateTime l = zone.localDateTime(instant);
    const date::local_days today = date::local_days(
        date::year_month_day{date::year(l.year), date::month(static_cast<unsigned>(l.month)),
                             date::day(static_cast<unsigned>(l.day))});
    const date::year_month_day tomorrow(today + date::days(1));
    const auto start = zone.startOfDay(l.year, l.month, l.day);
    const auto end = zone.startOfDay(static_cast<int>(tomorrow.year()),
                                     static_cast<int>(static_cast<unsigned>(tomorrow.month())),
                                     static_cast<int>(static_cast<unsigned>(tomorrow.day())));
    if (!start || !end)
        return std::nullopt;
    return LocalDayFrame{*start, *end, start->plusSeconds(43200.0)};
}

} // namespace lunafold
