// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace lunafold {

/// The four principal phases in the order of a lunation; the value is the phase number the
/// framework layer and the command line use (0 new … 3 last quarter).
enum class PrincipalPhase { NewMoon = 0, FirstQuarter = 1, FullMoon = 2, LastQuarter = 3 };

inline constexpr std::array<PrincipalPhase, 4> kPrincipalPhases = {
    PrincipalPhase::NewMoon, PrincipalPhase::FirstQuarter, PrincipalPhase::FullMoon,
    PrincipalPhase::LastQuarter};

constexpr int phaseNumber(PrincipalPhase phase) noexcept {
    return static_cast<int>(phase);
}

/// The phase that comes next in the lunation (last quarter is followed by new moon).
constexpr PrincipalPhase followingPhase(PrincipalPhase phase) noexcept {
    return static_cast<PrincipalPhase>((phaseNumber(phase) + 1) % 4);
}

/// "New Moon", "First Quarter", "Full Moon", "Last Quarter": the one table of the names, in
/// English; the app looks its translations up by them.
constexpr std::string_view principalPhaseName(PrincipalPhase phase) noexcept {
    constexpr std::array<std::string_view, 4> names = {"New Moon", "First Quarter", "Full Moon",
                                                       "Last Quarter"};
    return names[static_cast<std::size_t>(phase)];
}

} // namespace lunafold
