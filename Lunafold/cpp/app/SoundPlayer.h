// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lunafold {

/// Plays the app's sound resources; a missing or unplayable sound is only logged.
class SoundPlayer {
public:
    /// Main thread only. Returns at once; playback continues in the background.
    static void playSound(const QString &name, const QString &type);
    /// Where the sound resources are looked up ($LUNAFOLD_SOUNDS_DIR, else beside the program).
    static QString soundPath(const QString &name, const QString &type);
};

} // namespace lunafold
