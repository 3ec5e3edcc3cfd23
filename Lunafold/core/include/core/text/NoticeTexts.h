// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/PrincipalPhase.h"

#include <QtGlobal>

namespace lunafold {

/// The phase notices, by phase (in PrincipalPhase order) and by notice (0: a day ahead, 1: half a
/// day ahead, 2: at the moment). English keys, looked up when shown.
inline constexpr const char *kNoticeTexts[4][3] = {
    {QT_TRANSLATE_NOOP("Lunafold", "New Moon is in less than 24 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold", "New Moon is in less than 12 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold", "New Moon is exactly now.")},
    {QT_TRANSLATE_NOOP("Lunafold",
                       "First Quarter is in less than 24 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold",
                       "First Quarter is in less than 12 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold", "First Quarter is exactly now.")},
    {QT_TRANSLATE_NOOP("Lunafold", "Full Moon is in less than 24 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold", "Full Moon is in less than 12 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold", "Full Moon is exactly now.")},
    {QT_TRANSLATE_NOOP("Lunafold",
                       "Last Quarter is in less than 24 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold",
                       "Last Quarter is in less than 12 hours - counting down to the minute now."),
     QT_TRANSLATE_NOOP("Lunafold", "Last Quarter is exactly now.")},
};

inline const char *noticeKey(PrincipalPhase phase, int notice) {
    return kNoticeTexts[phaseNumber(phase)][notice];
}

} // namespace lunafold
