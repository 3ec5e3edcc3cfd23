// SPDX-License-Identifier: MIT
#include "core/text/PhaseNames.h"

#include "common/Localization.h"

#include <string_view>

namespace lunafold {
namespace {

// The engine's names are the keys; marked here so that lupdate sees them, and checked so that
// the two cannot drift apart.
constexpr const char *kKeys[] = {
    QT_TRANSLATE_NOOP("Lunafold", "New Moon"),
    QT_TRANSLATE_NOOP("Lunafold", "First Quarter"),
    QT_TRANSLATE_NOOP("Lunafold", "Full Moon"),
    QT_TRANSLATE_NOOP("Lunafold", "Last Quarter"),
};

constexpr bool keysAreTheEngineNames() {
    for (const PrincipalPhase phase : kPrincipalPhases)
        if (std::string_view(kKeys[phaseNumber(phase)]) != principalPhaseName(phase))
            return false;
    return true;
}
static_assert(keysAreTheEngineNames());

} // namespace

QString phaseName(PrincipalPhase phase) {
    return localized(kKeys[phaseNumber(phase)]);
}

} // namespace lunafold
