// SPDX-License-Identifier: MIT
#include "ui/quick/RenderView.h"

#include "astronomy/AstroInterface.h"
#include "common/Localization.h"
#include "core/text/UIHelper.h"

#include "MoonRendering/ResourceBundle.h"

#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

namespace lunafold {

QStringList RenderView::lines(Instant now, const TimeZone &zone) {
    const QString percent = localeNumber(AstroInterface::getMoonFraction(now) * 100.0, 4);
    return {localized(QT_TRANSLATE_NOOP("Lunafold", "Lunafold App")),
            UIHelper::countdownText(now, zone, true),
            UIHelper::countdownText(now, zone, false),
            UIHelper::phaseText(now, zone, true),
            trFormat(QT_TRANSLATE_NOOP("Lunafold", "Moon is %@%% of full."), {percent}),
            trFormat(QT_TRANSLATE_NOOP("Lunafold", "Moon is in %@."), {UIHelper::emojiWithSign(now)})};
}

QImage RenderView::render(Instant now, const TimeZone &zone, double scale,
                          const MoonImageProvider::Renderer &moon) {
    if (!(scale > 0.0) || scale > 8.0)
        return {};
    QImage card(static_cast<int>(kWidth * scale), static_cast<int>(kHeight * scale),
                QImage::Format_ARGB32_Premultiplied);
    card.setDevicePixelRatio(scale);
    QPainter p(&card);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

    QLinearGradient background(0, 0, 0, kHeight);
    background.setColorAt(0, QColor::fromRgbF(0.2f, 0.1f, 0.42f));
    background.setColorAt(
        1, MoonRendering::colorAsset(QStringLiteral("ViewBackgroundColor")).value_or(Qt::black));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), background);

    // Six lines of 20 points, then the 280-point moon block: the card's 400 points exactly.
    const QStringList texts = lines(now, zone);
    QFont font = p.font();
    font.setPixelSize(15);
    p.setPen(Qt::white);
    for (int i = 0; i < texts.size(); ++i) {
        font.setWeight(i == 0 ? QFont::Black : QFont::Normal);
        p.setFont(font);
        p.drawText(QRectF(8, i * 20.0, kWidth - 16, 20), Qt::AlignCenter | Qt::TextSingleLine, texts[i]);
    }
    const QRectF block(0, 120, kWidth, 280);
    // The star field is drawn at the card's resolution (it is a vector picture).
    QImageReader starReader(QStringLiteral(":/MoonRenderingLibrary/starfield.svg"));
    starReader.setScaledSize((block.size() * scale).toSize());
    if (const QImage stars = starReader.read(); !stars.isNull())
        p.drawImage(block, stars);
    const int pixels = static_cast<int>(150 * scale);
    const QImage picture = moon(now, false, std::nullopt, std::nullopt, pixels, pixels);
    if (!picture.isNull())
        p.drawImage(QRectF(block.center().x() - 75, block.center().y() - 75, 150, 150), picture);
    p.end();
    return card;
}

} // namespace lunafold
