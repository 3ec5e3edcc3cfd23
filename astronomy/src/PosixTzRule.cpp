// SPDX-License-Identifier: MIT
#include "PosixTzRule.h"

#include "astronomy/CivilDate.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace lunafold::detail {
namespace {

int yearOf(long long days) {
    return civilFromDays(days).year;
}

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

long long floorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

class Reader {
  public:
    explicit Reader(std::string_view s) : m_s(s) {}
    bool done() const { return m_p >= m_s.size(); }
    char peek() const { return done() ? '\0' : m_s[m_p]; }
    bool eat(char c) {
        if (peek() != c)
            return false;
        ++m_p;
        return true;
    }
    std::optional<std::string> name() {
        std::string out;
        if (eat('<')) {
            while (!done() && peek() != '>')
                out += m_s[m_p++];
            if (!eat('>'))
                return std::nullopt;
        } else {
            while (std::isalpha(static_cast<unsigned char>(peek())))
                out += m_s[m_p++];
        }
        if (out.size() < 3)
            return std::nullopt;
        return out;
    }
    std::optional<int> number() {
        if (!std::isdigit(static_cast<unsigned char>(peek())))
            return std::nullopt;
        int v = 0;
        while (std::isdigit(static_cast<unsigned char>(peek())))
            v = v * 10 + (m_s[m_p++] - '0');
        return v;
    }
    // [+|-]hh[:mm[:ss]], in seconds
    std::optional<int> hms() {
        int sign = 1;
        if (eat('-'))
            sign = -1;
        else
            eat('+');
        const auto h = number();
        if (!h || *h > 167)
            return std::nullopt;
        int total = *h * 3600;
        if (eat(':')) {
            const auto m = number();
            if (!m || *m > 59)
                return std::nullopt;
            total += *m * 60;
            if (eat(':')) {
                const auto sec = number();
                if (!sec || *sec > 59)
                    return std::nullopt;
                total += *sec;
            }
        }
        return sign * total;
    }

  private:
    std::string_view m_s;
    std::size_t m_p = 0;
};

} // namespace

std::optional<PosixTzRule> PosixTzRule::parse(std::string_view text) {
    Reader r(text);
    PosixTzRule z;
    const auto stdName = r.name();
    const auto stdOffset = r.hms();
    if (!stdName || !stdOffset)
        return std::nullopt;
    z.m_stdName = *stdName;
    z.m_stdOffset = -*stdOffset; // POSIX offsets count west
    z.m_dstName = z.m_stdName;
    z.m_dstOffset = z.m_stdOffset;
    if (r.done())
        return z;
    const auto dstName = r.name();
    if (!dstName)
        return std::nullopt;
    z.m_hasDst = true;
    z.m_dstName = *dstName;
    z.m_dstOffset = z.m_stdOffset + 3600;
    if (r.peek() != ',' && !r.done()) {
        const auto o = r.hms();
        if (!o)
            return std::nullopt;
        z.m_dstOffset = -*o;
    }
    auto readRule = [&r](Rule &rule) -> bool {
        if (!r.eat(','))
            return false;
        if (r.eat('M')) {
            rule.kind = 'M';
            const auto m = r.number();
            if (!m || !r.eat('.'))
                return false;
            const auto w = r.number();
            if (!w || !r.eat('.'))
                return false;
            const auto d = r.number();
            if (!d || *m < 1 || *m > 12 || *w < 1 || *w > 5 || *d > 6)
                return false;
            rule.month = *m;
            rule.week = *w;
            rule.weekday = *d;
        } else {
            rule.kind = r.eat('J') ? 'J' : 'N';
            const auto d = r.number();
            if (!d || *d > 365 || (rule.kind == 'J' && *d < 1))
                return false;
            rule.day = *d;
        }
        if (r.eat('/')) {
            const auto t = r.hms();
            if (!t)
                return false;
            rule.timeSeconds = *t;
        }
        return true;
    };
    // Zones with a DST name but no rule use the US rule, as POSIX says.
    if (r.done()) {
        z.m_start = {'M', 3, 2, 0, 0, 7200};
        z.m_end = {'M', 11, 1, 0, 0, 7200};
        return z;
    }
    if (!readRule(z.m_start) || !readRule(z.m_end) || !r.done())
        return std::nullopt;
    return z;
}

std::optional<PosixTzRule> PosixTzRule::forZone(const std::string &zoneName) {
    const char *dir = std::getenv("TZDIR");
    std::ifstream in(std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + "/" + zoneName,
                     std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < 2 || data.back() != '\n')
        return std::nullopt;
    const auto open = data.rfind('\n', data.size() - 2);
    if (open == std::string::npos)
        return std::nullopt;
    return parse(std::string_view(data).substr(open + 1, data.size() - open - 2));
}

long long PosixTzRule::transitionLocal(const Rule &r, int year) const {
    long long day;
    if (r.kind == 'J') {
        day = daysFromCivil(year, 1, 1) + r.day - 1 + (isLeap(year) && r.day >= 60 ? 1 : 0);
    } else if (r.kind == 'N') {
        day = daysFromCivil(year, 1, 1) + r.day;
    } else {
        const long long first = daysFromCivil(year, r.month, 1);
        const int firstWeekday = static_cast<int>(((first % 7) + 11) % 7); // 1970-01-01 was a Thursday
        long long d = first + (r.weekday - firstWeekday + 7) % 7 + 7LL * (r.week - 1);
        const int next = r.month == 12 ? 1 : r.month + 1;
        const long long monthEnd = daysFromCivil(r.month == 12 ? year + 1 : year, next, 1);
        while (d >= monthEnd)
            d -= 7;
        day = d;
    }
    return day * 86400 + r.timeSeconds;
}

bool PosixTzRule::dstAt(long long t) const {
    if (!m_hasDst)
        return false;
    const int year = yearOf(floorDiv(t + m_stdOffset, 86400));
    const long long start = transitionLocal(m_start, year) - m_stdOffset;
    const long long end = transitionLocal(m_end, year) - m_dstOffset;
    return start < end ? (t >= start && t < end) : (t < end || t >= start);
}

PosixTzRule::Offset PosixTzRule::at(long long unixSeconds) const {
    return dstAt(unixSeconds) ? Offset{m_dstOffset, m_dstName} : Offset{m_stdOffset, m_stdName};
}

long long PosixTzRule::toUt(long long local, bool *inGap, long long *transition) const {
    const long long asDst = local - m_dstOffset, asStd = local - m_stdOffset;
    const bool dstFits = m_hasDst && dstAt(asDst), stdFits = !dstAt(asStd);
    if (inGap)
        *inGap = !dstFits && !stdFits;
    if (dstFits && stdFits)
        return std::min(asDst, asStd);
    if (dstFits)
        return asDst;
    if (stdFits)
        return asStd;
    // In the gap: read with the offset in force just before it.
    const long long before = std::min(asDst, asStd) - 1;
    const int offsetBefore = at(before).seconds;
    if (transition) {
        // The jump lies between the two readings; find it to the second.
        long long lo = std::min(asDst, asStd), hi = std::max(asDst, asStd);
        const bool loDst = dstAt(lo);
        while (hi - lo > 1) {
            const long long mid = lo + (hi - lo) / 2;
            (dstAt(mid) == loDst ? lo : hi) = mid;
        }
        *transition = hi;
    }
    return local - offsetBefore;
}

} // namespace lunafold::detail
