// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "astronomy/PrincipalPhase.h"

#include <QString>

#include <array>

namespace lunafold {

class SavedData;

/// The principal phases of a span as an iCalendar (RFC 5545) document, with one alarm for every
/// notice the notification settings would schedule, at the scheduler's offsets. Calendars keep
/// reminding while the app is closed, which the app's own notices cannot.
class CalendarExport {
  public:
    /// Earliest and latest instants the phase series answers for.
    static constexpr double kFirstUnixSeconds = -2177452800.0; // 1901-01-01T00:00:00Z
    static constexpr double kEndUnixSeconds = 4102444800.0;    // 2100-01-01T00:00:00Z
    static constexpr int kMaxMonths = 120;

    struct Result {
        QString text;  ///< the document, CRLF line ends, folded at 75 octets
        QString error; ///< set instead of text for a span outside 1901–2099 or a bad month count
    };

    /// Phases from @p from through @p months calendar months later (UTC), stamped @p now.
    static Result icsText(Instant from, int months, const SavedData &settings, Instant now);
    /// Writes the document atomically; returns an error text, empty on success.
    static QString writeFile(const QString &path, Instant from, int months, const SavedData &settings,
                             Instant now);

    /// Which of the three notices (a day ahead, half a day ahead, at the moment) the settings want
    /// for @p phase (0 new, 1 first quarter, 2 full, 3 last quarter).
    static std::array<bool, 3> wantedNotices(const SavedData &settings, PrincipalPhase phase);
};

} // namespace lunafold
