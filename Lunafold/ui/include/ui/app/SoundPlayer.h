// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lunafold {

/// Plays the app's sound resources; a missing or unplayable sound is only logged.
/// The files are Core Audio (CAF) files, which the media backends here cannot read, so they are
/// decoded with libsndfile and played as PCM.
class SoundPlayer {
  public:
    /// Main thread only. Returns at once; the last sound keeps playing in the background.
    static void playSound(const QString &name, const QString &type);
    /// $LUNAFOLD_SOUNDS_DIR, else share/lunafold/sounds (see resourceDirectory).
    static QString soundDirectory();
    /// The resource's file in soundDirectory(); empty when it is missing.
    static QString soundPath(const QString &name, const QString &type);
    /// Whether a sound is playing now.
    static bool isPlaying();
};

} // namespace lunafold
