// SPDX-License-Identifier: MIT
#include "Options.h"

#include <charconv>
#include <cmath>

namespace lunafold::cli {

Options::Options(const std::vector<std::string> &args, const std::set<std::string> &valued,
                 const std::set<std::string> &flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a.rfind("--", 0) != 0)
            throw UsageError{"unexpected argument '" + a + "'"};
        std::string name = a.substr(2), value;
        bool inlineValue = false;
        if (auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        if (flags.count(name) && !inlineValue) {
            m_flags.insert(name);
        } else if (valued.count(name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size())
                    throw UsageError{"--" + name + " needs a value"};
                value = args[++i];
            }
            if (m_values.count(name))
                throw UsageError{"--" + name + " given twice"};
            m_values[name] = value;
        } else {
            throw UsageError{"unknown option --" + name};
        }
    }
}

std::string Options::required(const std::string &name) const {
    auto it = m_values.find(name);
    if (it == m_values.end())
        throw UsageError{"--" + name + " is required"};
    return it->second;
}

Instant Options::instant(const std::string &name) const {
    const std::string text = required(name);
    if (auto t = parseInstant(text))
        return *t;
    throw UsageError{
        "--" + name + ": '" + text +
        "' is not an instant (expected e.g. 2024-04-08T18:21:00Z or 2024-04-08), years -1999 to 3000"};
}

std::optional<Instant> Options::optionalInstant(const std::string &name) const {
    return m_values.count(name) ? std::optional<Instant>(instant(name)) : std::nullopt;
}

CivilDate Options::date(const std::string &name) const {
    const std::string text = required(name);
    if (auto d = parseDate(text); d && d->year >= -1999 && d->year <= 3000)
        return *d;
    throw UsageError{"--" + name + ": '" + text + "' is not a date (expected YYYY-MM-DD)"};
}

double Options::number(const std::string &name, double min, double max) const {
    const std::string text = required(name);
    double v = 0.0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || !std::isfinite(v))
        throw UsageError{"--" + name + ": '" + text + "' is not a number"};
    if (v < min || v > max)
        throw UsageError{"--" + name + ": " + text + " is outside [" + std::to_string(static_cast<int>(min)) +
                         ", " + std::to_string(static_cast<int>(max)) + "]"};
    return v;
}

int Options::integer(const std::string &name, int min, int max) const {
    const std::string text = required(name);
    int v = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end)
        throw UsageError{"--" + name + ": '" + text + "' is not a whole number"};
    if (v < min || v > max)
        throw UsageError{"--" + name + ": " + text + " is outside [" + std::to_string(min) + ", " +
                         std::to_string(max) + "]"};
    return v;
}

std::optional<int> Options::optionalInteger(const std::string &name, int min, int max) const {
    return m_values.count(name) ? std::optional<int>(integer(name, min, max)) : std::nullopt;
}

std::optional<GeoPoint> Options::place() const {
    const bool lat = m_values.count("lat"), lon = m_values.count("lon");
    if (!lat && !lon)
        return std::nullopt;
    if (lat != lon)
        throw UsageError{"--lat and --lon go together"};
    // Longitude first: the order in which a bad pair has always been reported.
    const Longitude longitude(number("lon", -180, 180));
    return GeoPoint{longitude, Latitude(number("lat", -90, 90))};
}

TimeZone Options::zone(const std::string &name) const {
    const std::string text = required(name);
    if (auto z = TimeZone::named(text))
        return *z;
    throw UsageError{"--" + name + ": unknown time zone '" + text +
                     "' (expected an IANA name such as Europe/Paris)"};
}

} // namespace lunafold::cli
