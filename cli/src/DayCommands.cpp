// SPDX-License-Identifier: MIT
// riseset and sun: local-day commands.
#include "Commands.h"
#include "Json.h"
#include "Options.h"
#include "RunCommand.h"

#include "astronomy/AstroInterface.h"
#include "astronomy/Sky.h"

#include <functional>

namespace lunafold::cli {
namespace {

// The longest table: ten years, answered within a few seconds even near the poles.
constexpr int kMaxDays = 3660;

using DayEvent = std::function<std::optional<Instant>(Instant, double, double, const TimeZone &)>;

struct Day {
    CivilDate date;
    std::optional<Instant> start; // its first instant; none for a date the zone skipped
};

struct DayRequest {
    std::vector<Day> days;
    GeoPoint place;
    TimeZone zone;
    bool json, array;
};

DayRequest readDayRequest(const std::vector<std::string> &args) {
    const Options o(args, {"date", "days", "lat", "lon", "tz"}, {"json"});
    const CivilDate first = o.date("date");
    const auto count = o.optionalInteger("days", 1, kMaxDays);
    const auto place = o.place();
    if (!place)
        throw UsageError{"--lat and --lon are required"};
    DayRequest r{{}, *place, o.zone("tz"), o.flag("json"), count.has_value()};
    const long long firstDay = daysFromCivil(first.year, first.month, first.day);
    for (int i = 0; i < count.value_or(1); ++i) {
        const CivilDate d = civilFromDays(firstDay + i);
        const auto start = r.zone.startOfDay(d.year, d.month, d.day);
        if (!start || d.year > 3000)
            throw UsageError{"--days runs past the supported years (-1999 to 3000)"};
        // A zone that moved across the date line skipped a day: its "start" is the next day's.
        const LocalDateTime local = r.zone.localDateTime(*start);
        const bool exists = local.year == d.year && local.month == d.month && local.day == d.day;
        r.days.push_back({d, exists ? start : std::nullopt});
    }
    return r;
}

std::string isoOrDash(const std::optional<Instant> &t) {
    return t ? formatInstant(*t) : std::string("-");
}

void emitDays(const DayRequest &r, const std::vector<std::pair<const char *, DayEvent>> &events,
              const std::function<const char *(Instant)> &extraValue, const char *extraKey,
              std::string &out) {
    JsonWriter j;
    if (r.json && r.array)
        j.beginArray();
    for (const auto &[date, maybeStart] : r.days) {
        if (r.json)
            j.beginObject().key("date").value(formatDate(date));
        else
            out += formatDate(date);
        if (!maybeStart) {
            if (r.json)
                j.key("nonexistent").value(true).endObject();
            else
                out += "  no such date in " + r.zone.name() + "\n";
            continue;
        }
        const Instant start = *maybeStart;
        for (const auto &[name, fn] : events) {
            // The facade's own signature: the one place a point is taken apart again.
            const auto t = fn(start, r.place.longitude(), r.place.latitude(), r.zone);
            if (r.json)
                j.key(name).optionalString(t ? std::optional<std::string>(formatInstant(*t)) : std::nullopt);
            else
                out += std::string("  ") + name + " " + isoOrDash(t);
        }
        if (extraValue) {
            if (r.json)
                j.key(extraKey).value(extraValue(start));
            else
                out += std::string("  ") + extraKey + " " + extraValue(start);
        }
        if (r.json) {
            j.endObject();
        } else {
            out += '\n';
            flushAnswer(out); // a long table shows as it is computed
        }
    }
    if (r.json) {
        if (r.array)
            j.endArray();
        out = j.str() + "\n";
    }
}

} // namespace

void riseSetCommand(const std::vector<std::string> &args, std::string &out) {
    const DayRequest r = readDayRequest(args);
    emitDays(r,
             {{"rise", AstroInterface::getMoonRiseTime},
              {"transit", AstroInterface::getMoonTransitTime},
              {"set", AstroInterface::getMoonSetTime}},
             nullptr, nullptr, out);
}

void sunCommand(const std::vector<std::string> &args, std::string &out) {
    const DayRequest r = readDayRequest(args);
    auto kind = [&r](Instant start) -> const char * {
        switch (Sky::sunDayKind(start, r.place, r.zone).value_or(SunDayKind::riseAndSet)) {
        case SunDayKind::alwaysUp:
            return "alwaysUp";
        case SunDayKind::alwaysDown:
            return "alwaysDown";
        default:
            return "riseAndSet";
        }
    };
    emitDays(r,
             {{"rise", AstroInterface::getSunRiseTime},
              {"set", AstroInterface::getSunSetTime},
              {"transit", AstroInterface::getSunTransitTime},
              {"civil_dawn", AstroInterface::getCivilTwilightDawn},
              {"civil_dusk", AstroInterface::getCivilTwilightDusk},
              {"nautical_dawn", AstroInterface::getNauticalTwilightDawn},
              {"nautical_dusk", AstroInterface::getNauticalTwilightDusk},
              {"astronomical_dawn", AstroInterface::getAstronomicalTwilightDawn},
              {"astronomical_dusk", AstroInterface::getAstronomicalTwilightDusk}},
             kind, "day_kind", out);
}

} // namespace lunafold::cli
