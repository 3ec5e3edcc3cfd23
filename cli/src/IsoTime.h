// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/CivilDate.h"
#include "astronomy/Instant.h"

#include <optional>
#include <string>
#include <string_view>

namespace lunafold::cli {

/// "YYYY-MM-DD", or "YYYY-MM-DDTHH:MM[:SS[.fff]]" followed by "Z" or an offset "±HH:MM";
/// a bare date means its midnight UT. A date-time without a zone is refused (it would be ambiguous).
std::optional<Instant> parseInstant(std::string_view text);
std::optional<CivilDate> parseDate(std::string_view text);
/// "YYYY-MM" → year and month (day 1).
std::optional<CivilDate> parseMonth(std::string_view text);

/// UTC, whole seconds (rounded), with a Z: "2024-04-08T18:21:05Z".
std::string formatInstant(Instant instant);
std::string formatDate(const CivilDate &date);

} // namespace lunafold::cli
