// SPDX-License-Identifier: MIT
#include "AppBridge.h"

#include "SoundPlayer.h"

#include <QDesktopServices>
#include <QUrl>

namespace lunafold {

void AppBridge::playHowl() { SoundPlayer::playSound(QStringLiteral("wolfhowl"), QStringLiteral("caf")); }

void AppBridge::openReviewPage() { QDesktopServices::openUrl(QUrl(QStringLiteral("https://lunafold.app/review"))); }

} // namespace lunafold
