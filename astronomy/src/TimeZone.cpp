// SPDX-License-Identifier: MIT
#include "astronomy/TimeZone.h"

#include "PosixTzRule.h"

#include <date/tz.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

namespace lunafold::detail {

/// What the date/tz library leaves out of a zone: the rule for the years after its last
/// explicit transition.
struct ZoneExtras {
    std::optional<PosixTzRule> rule;
    long long lastTransition = 0; // Unix seconds
};

} // namespace lunafold::detail

namespace lunafold {
namespace {

using std::chrono::seconds;

date::sys_seconds toSys(Instant instant) {
    return date::sys_seconds(seconds(static_cast<long long>(std::floor(instant.unixSeconds()))));
}

const detail::ZoneExtras *extrasFor(const date::time_zone *zone) {
    static std::mutex mutex;
    static std::map<const date::time_zone *, std::unique_ptr<detail::ZoneExtras>> cache;
    if (!zone)
        return nullptr;
    std::lock_guard lock(mutex);
    auto &slot = cache[zone];
    if (!slot) {
        slot = std::make_unique<detail::ZoneExtras>();
        slot->rule = detail::PosixTzRule::forZone(std::string(zone->name()));
        const date::sys_seconds farFuture = date::sys_days(date::year(2500) / 1 / 1);
        slot->lastTransition = zone->get_info(farFuture).begin.time_since_epoch().count();
    }
    return slot.get();
}

} // namespace

TimeZone::TimeZone(const date::time_zone *zone) : m_zone(zone), m_extras(extrasFor(zone)) {}

bool TimeZone::ruleApplies(long long unixSeconds) const {
    return m_extras && m_extras->rule && unixSeconds >= m_extras->lastTransition;
}

TimeZone::Local TimeZone::resolve(long long local) const {
    if (!m_zone)
        return {local, false, 0};
    // Past the last explicit transition (with a day's margin for any offset) the rule decides.
    if (ruleApplies(local - 86400)) {
        Local out{0, false, 0};
        out.ut = m_extras->rule->toUt(local, &out.inGap, &out.transition);
        return out;
    }
    const date::local_info info = m_zone->get_info(date::local_seconds(seconds(local)));
    const long long ut = local - info.first.offset.count();
    if (info.result == date::local_info::nonexistent)
        return {ut, true, info.first.end.time_since_epoch().count()};
    return {ut, false, 0};
}

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

std::string TimeZone::name() const {
    return m_zone ? std::string(m_zone->name()) : std::string("UTC");
}

int TimeZone::offsetSeconds(Instant instant) const {
    if (!m_zone)
        return 0;
    const date::sys_seconds t = toSys(instant);
    if (ruleApplies(t.time_since_epoch().count()))
        return m_extras->rule->at(t.time_since_epoch().count()).seconds;
    return static_cast<int>(m_zone->get_info(t).offset.count());
}

std::string TimeZone::abbreviation(Instant instant) const {
    if (!m_zone)
        return "UTC";
    const date::sys_seconds t = toSys(instant);
    if (ruleApplies(t.time_since_epoch().count()))
        return m_extras->rule->at(t.time_since_epoch().count()).abbreviation;
    return m_zone->get_info(t).abbrev;
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
    if (!ymd.ok() || l.hour < 0 || l.hour > 23 || l.minute < 0 || l.minute > 59 ||
        !(l.second >= 0 && l.second < 61))
        return std::nullopt;
    const double wholeSec = std::floor(l.second);
    const date::local_seconds local = date::local_days(ymd) + std::chrono::hours(l.hour) +
                                      std::chrono::minutes(l.minute) +
                                      seconds(static_cast<long long>(wholeSec));
    // In a gap the wall time slides forward (read with the offset before the jump).
    const Local r = resolve(local.time_since_epoch().count());
    return Instant::fromUnixSeconds(static_cast<double>(r.ut) + l.second - wholeSec);
}

std::optional<Instant> TimeZone::startOfDay(int year, int month, int day) const {
    const date::year_month_day ymd{date::year(year), date::month(static_cast<unsigned>(month)),
                                   date::day(static_cast<unsigned>(day))};
    if (!ymd.ok())
        return std::nullopt;
    const Local r = resolve(date::local_days(ymd).time_since_epoch().count() * 86400LL);
    // When midnight falls in a gap the day begins at the jump.
    return Instant::fromUnixSeconds(static_cast<double>(r.inGap ? r.transition : r.ut));
}

std::optional<LocalDayFrame> LocalDayFrame::containing(Instant instant, const TimeZone &zone) {
    const LocalDateTime l = zone.localDateTime(instant);
    const date::local_days today =
        date::local_days(date::year_month_day{date::year(l.year), date::month(static_cast<unsigned>(l.month)),
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
