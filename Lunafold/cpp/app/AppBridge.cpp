// SPDX-License-Identifier: MIT
#include "AppBridge.h"

#include "ActivityViewController.h"
#include "AppClock.h"
#include "RenderView.h"
#include "SoundPlayer.h"

#include <QDesktopServices>
#include <QUrl>

namespace lunafold {

void AppBridge::playHowl() { SoundPlayer::playSound(QStringLiteral("wolfhowl"), QStringLiteral("caf")); }

ActivityViewController &AppBridge::shareSheet() {
    static ActivityViewController sheet;
    return sheet;
}

void AppBridge::share(double scale) {
    QImage card = RenderView::render(AppClock::now(), scale, MoonImageProvider::renderer());
    if (card.isNull())
        return;
    shareSheet().present(ImageWrapper{QUuid::createUuid(), std::move(card)});
}

void AppBridge::openReviewPage() { QDesktopServices::openUrl(QUrl(QStringLiteral("https://lunafold.app/review"))); }

} // namespace lunafold
