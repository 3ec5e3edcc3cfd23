// SPDX-License-Identifier: MIT
#include "ui/app/AppBridge.h"

#include "MoonRendering/ResourceBundle.h"
#include "core/viewmodels/ScreenPlace.h"
#include "notices/AppClock.h"
#include "ui/app/SoundPlayer.h"
#include "ui/quick/ActivityViewController.h"
#include "ui/quick/RenderView.h"

#include <QDesktopServices>
#include <QUrl>

namespace lunafold {

void AppBridge::playHowl() {
    SoundPlayer::playSound(QStringLiteral("wolfhowl"), QStringLiteral("caf"));
}

QColor AppBridge::colorAsset(const QString &name) const {
    return MoonRendering::colorAsset(name).value_or(QColor(Qt::black));
}

ActivityViewController &AppBridge::shareSheet() {
    static ActivityViewController sheet;
    return sheet;
}

void AppBridge::share(double scale) {
    QImage card = RenderView::render(AppClock::now(), ScreenPlace::of(m_locator).zone, scale,
                                     MoonImageProvider::renderer());
    if (card.isNull())
        return;
    shareSheet().present(ImageWrapper{QUuid::createUuid(), std::move(card)});
}

void AppBridge::openReviewPage() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://lunafold.app/review")));
}

} // namespace lunafold
