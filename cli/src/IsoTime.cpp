// SPDX-License-Identifier: MIT
#include "IsoTime.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace lunafold::cli {
namespace {

bool digits(std::string_view s, std::size_t pos, std::size_t n, int &out) {
    if (pos + n > s.size())
        return false;
    int v = 0;
    for (std::size_t i = pos; i < pos + n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
        v = v * 10 + (s[i] - '0');
    }
    out = v;
    return true;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

// "[-]YYYY-MM-DD" at the start of s; returns the length consumed.
std::size_t readDate(std::string_view s, CivilDate &d) {
    std::size_t p = 0;
    int sign = 1;
    if (!s.empty() && s[0] == '-') {
        sign = -1;
        p = 1;
    }
    int y, m, day;
    if (!digits(s, p, 4, y) || p + 4 >= s.size() || s[p + 4] != '-' || !digits(s, p + 5, 2, m) ||
        p + 7 >= s.size() || s[p + 7] != '-' || !digits(s, p + 8, 2, day))
        return 0;
    y *= sign;
    if (m < 1 || m > 12 || day < 1 || day > daysInMonth(y, m))
        return 0;
    d = {y, m, day};
    return p + 10;
}

} // namespace

std::optional<CivilDate> parseDate(std::string_view text) {
    CivilDate d{};
    if (readDate(text, d) != text.size() || text.empty())
        return std::nullopt;
    return d;
}

std::optional<CivilDate> parseMonth(std::string_view text) {
    int y, m;
    if (text.size() != 7 || !digits(text, 0, 4, y) || text[4] != '-' || !digits(text, 5, 2, m) || m < 1 ||
        m > 12)
        return std::nullopt;
    return CivilDate{y, m, 1};
}

std::optional<Instant> parseInstant(std::string_view s) {
    CivilDate d{};
    std::size_t p = readDate(s, d);
    if (p == 0)
        return std::nullopt;
    double secondsOfDay = 0.0;
    int offsetSeconds = 0;
    if (p < s.size()) {
        int hh, mm, ss = 0;
        if ((s[p] != 'T' && s[p] != 't' && s[p] != ' ') || !digits(s, p + 1, 2, hh) || p + 3 >= s.size() ||
            s[p + 3] != ':' || !digits(s, p + 4, 2, mm))
            return std::nullopt;
        p += 6;
        double frac = 0.0;
        if (p < s.size() && s[p] == ':') {
            if (!digits(s, p + 1, 2, ss))
                return std::nullopt;
            p += 3;
            if (p < s.size() && (s[p] == '.' || s[p] == ',')) {
                double scale = 0.1;
                std::size_t q = p + 1;
                for (; q < s.size() && std::isdigit(static_cast<unsigned char>(s[q])); ++q, scale /= 10)
                    frac += (s[q] - '0') * scale;
                if (q == p + 1)
                    return std::nullopt;
                p = q;
            }
        }
        if (hh > 23 || mm > 59 || ss > 59)
            return std::nullopt;
        if (p >= s.size())
            return std::nullopt; // a wall-clock time without a zone
        if (s[p] == 'Z' || s[p] == 'z') {
            ++p;
        } else if (s[p] == '+' || s[p] == '-') {
            int oh, om = 0;
            const int sign = s[p] == '-' ? -1 : 1;
            if (!digits(s, p + 1, 2, oh))
                return std::nullopt;
            p += 3;
            // "+01", "+0100" or "+01:00"; a colon always has its minutes.
            const bool colon = p < s.size() && s[p] == ':';
            if (colon)
                ++p;
            if (colon || p < s.size()) {
                if (!digits(s, p, 2, om))
                    return std::nullopt;
                p += 2;
            }
            if (oh > 18 || om > 59)
                return std::nullopt;
            offsetSeconds = sign * (oh * 3600 + om * 60);
        } else {
            return std::nullopt;
        }
        if (p != s.size())
            return std::nullopt;
        secondsOfDay = hh * 3600.0 + mm * 60.0 + ss + frac;
    }
    const double unix =
        static_cast<double>(daysFromCivil(d.year, d.month, d.day)) * 86400.0 + secondsOfDay - offsetSeconds;
    return Instant::fromUnixSeconds(unix);
}

std::string formatInstant(Instant instant) {
    const long long total = std::llround(instant.unixSeconds());
    long long days = total / 86400, secs = total % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    const CivilDate d = civilFromDays(days);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%04d-%02d-%02dT%02lld:%02lld:%02lldZ", d.year < 0 ? "-" : "",
                  std::abs(d.year), d.month, d.day, secs / 3600, secs / 60 % 60, secs % 60);
    return buf;
}

std::string formatDate(const CivilDate &d) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%s%04d-%02d-%02d", d.year < 0 ? "-" : "", std::abs(d.year), d.month,
                  d.day);
    return buf;
}

} // namespace lunafold::cli
