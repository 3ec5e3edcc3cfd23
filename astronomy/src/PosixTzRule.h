// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lunafold::detail {

/// The POSIX TZ rule ("EST5EDT,M3.2.0,M11.1.0") that a compiled zone file carries in its footer
/// for the years after its last explicit transition (2037 in Debian's files). The date/tz library
/// reads only the explicit transitions, so without this every zone would lose daylight-saving
/// time from 2038 on.
class PosixTzRule {
  public:
    static std::optional<PosixTzRule> parse(std::string_view text);
    /// The footer of the compiled zone file for @p zoneName, parsed; std::nullopt if absent.
    static std::optional<PosixTzRule> forZone(const std::string &zoneName);

    struct Offset {
        int seconds; ///< east of Greenwich
        std::string abbreviation;
    };
    /// Offset in force at a UT instant (Unix seconds).
    Offset at(long long unixSeconds) const;
    /// The UT instant of a wall-clock time (seconds of a local calendar since the Unix epoch):
    /// the earlier one when the time occurs twice; in a gap, the wall time read with the offset
    /// before the gap (so it lands after the jump). @p transition, when not null, receives the
    /// instant of the jump in the gap case.
    long long toUt(long long localSeconds, bool *inGap = nullptr, long long *transition = nullptr) const;

  private:
    struct Rule {
        char kind = 'M'; // 'M' month/week/day, 'J' 1-based day without Feb 29, 'N' 0-based day
        int month = 0, week = 0, weekday = 0, day = 0;
        int timeSeconds = 7200; // local wall time of the change
    };
    long long transitionLocal(const Rule &r, int year) const;
    bool dstAt(long long unixSeconds) const;

    std::string m_stdName, m_dstName;
    int m_stdOffset = 0, m_dstOffset = 0; // east of Greenwich
    bool m_hasDst = false;
    Rule m_start, m_end;
};

} // namespace lunafold::detail
