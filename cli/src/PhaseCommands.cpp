// SPDX-License-Identifier: MIT
// phases, moon and seasons: instant-based commands.
#include "Commands.h"
#include "Json.h"
#include "Options.h"

#include "astronomy/AstroInterface.h"
#include "astronomy/Sky.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace lunafold::cli {
namespace {

constexpr std::array<const char *, 12> kSigns = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                 "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::string fixed(double v, int decimals) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

} // namespace

void phasesCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"from", "until", "count"}, {"json"});
    const Instant from = o.instant("from");
    const auto until = o.optionalInstant("until");
    const auto count = o.optionalInteger("count", 1, 100000);
    if (until.has_value() == count.has_value())
        throw UsageError{"phases needs exactly one of --until and --count"};
    if (until && *until < from)
        throw UsageError{"--until is before --from"};

    // The first phase after --from; after that the phases simply cycle.
    auto [phase, at] = AstroInterface::nextPrincipalPhase(from);
    // A count that runs past the last supported year is refused whole rather than cut short.
    auto pastTheEnd = [](int found) {
        return UsageError{"--count runs past the supported years (-1999 to 3000): only " +
                          std::to_string(found) + " phases follow --from before 3001"};
    };
    if (count && at.unixSeconds() > Instant::kLatest)
        throw pastTheEnd(0);
    JsonWriter json;
    const bool asJson = o.flag("json");
    if (asJson)
        json.beginArray();
    for (int n = 0; count ? n < *count : at <= *until; ++n) {
        const std::string iso = formatInstant(at);
        if (asJson) {
            json.beginObject()
                .key("phase")
                .value(phaseNumber(phase))
                .key("name")
                .value(principalPhaseName(phase));
            json.key("instant").value(iso).endObject();
        } else {
            out += iso;
            out += "  ";
            out += principalPhaseName(phase);
            out += '\n';
        }
        phase = followingPhase(phase);
        const Instant next = AstroInterface::phaseInstant(at, phase, true);
        const bool beyond = next.unixSeconds() > Instant::kLatest;
        if (count && beyond && n + 1 < *count)
            throw pastTheEnd(n + 1);
        if (beyond)
            break;
        at = next;
    }
    if (asJson)
        out = json.endArray().str() + "\n";
}

void moonCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"at", "lat", "lon"}, {"json"});
    const Instant at = o.instant("at");
    const auto place = o.place();

    const double fraction = AstroInterface::getMoonFraction(at);
    const bool waning = AstroInterface::isWaning(at);
    const double age = AstroInterface::getMoonAgeInDays(at);
    const double longitude = AstroInterface::getMoonLongitude(at);
    const double distance = AstroInterface::getMoonDistanceKm(at);
    const char *sign = kSigns[static_cast<std::size_t>(std::floor(longitude / 30.0)) % 12];
    const double positionAngle = AstroInterface::getMoonPositionAngleInRadians(at);

    if (o.flag("json")) {
        JsonWriter j;
        j.beginObject().key("instant").value(formatInstant(at)).key("fraction").value(fraction);
        j.key("waning").value(waning).key("age_days").value(age).key("longitude").value(longitude);
        j.key("distance_km").value(distance).key("sign").value(sign);
        j.key("position_angle_rad").value(positionAngle);
        if (place) {
            j.key("altitude").value(*Sky::moonAltitude(at, *place));
            j.key("azimuth").value(*Sky::moonAzimuth(at, *place));
            j.key("parallactic_angle_rad").value(*Sky::moonParallacticAngleInRadians(at, *place));
        }
        out = j.endObject().str() + "\n";
        return;
    }
    out += "instant: " + formatInstant(at) + "\n";
    out += "fraction: " + fixed(fraction, 6) + "\n";
    out += std::string("waning: ") + (waning ? "true" : "false") + "\n";
    out += "age_days: " + fixed(age, 4) + "\n";
    out += "longitude: " + fixed(longitude, 4) + "\n";
    out += "distance_km: " + fixed(distance, 1) + "\n";
    out += std::string("sign: ") + sign + "\n";
    out += "position_angle_rad: " + fixed(positionAngle, 6) + "\n";
    if (place) {
        out += "altitude: " + fixed(*Sky::moonAltitude(at, *place), 4) + "\n";
        out += "azimuth: " + fixed(*Sky::moonAzimuth(at, *place), 4) + "\n";
        out += "parallactic_angle_rad: " + fixed(*Sky::moonParallacticAngleInRadians(at, *place), 6) + "\n";
    }
}

void seasonsCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"year"}, {"json"});
    const int year = o.integer("year", -1999, 3000);
    // Mid-year, so that the start instant's year is the one asked for in any case.
    const Instant mid = Instant::trusted(static_cast<double>(daysFromCivil(year, 7, 1)) * 86400.0);
    const std::array<std::pair<const char *, Instant>, 4> seasons = {{
        {"march_equinox", AstroInterface::getNorthwardSpringEquinox(mid)},
        {"june_solstice", AstroInterface::getNorthernSummerSolstice(mid)},
        {"september_equinox", AstroInterface::getSouthwardSpringEquinox(mid)},
        {"december_solstice", AstroInterface::getSouthernSummerSolstice(mid)},
    }};
    JsonWriter j;
    j.beginObject();
    for (const auto &[name, t] : seasons) {
        if (o.flag("json"))
            j.key(name).value(formatInstant(t));
        else
            out += std::string(name) + ": " + formatInstant(t) + "\n";
    }
    if (o.flag("json"))
        out = j.endObject().str() + "\n";
}

} // namespace lunafold::cli
