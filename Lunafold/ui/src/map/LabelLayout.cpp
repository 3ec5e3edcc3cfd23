// SPDX-License-Identifier: MIT
#include "ui/map/LabelLayout.h"

#include "core/map/MapCamera.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace lunafold {
namespace {

constexpr double kDotRadius = 2.5;
constexpr double kGap = 4.0;     // between the dot and the name
constexpr double kHalo = 3.0;    // width of the dark outline, points
constexpr double kPadding = 2.0; // kept free around every label
constexpr int kMaxCandidates = 400;
constexpr int kMaxSprites = 3000;

const QColor kTextColours[3] = {QColor(0xff, 0xff, 0xff), QColor(0xee, 0xec, 0xf8), QColor(0xd4, 0xd2, 0xe6)};
const QColor kHaloColour(0x0b, 0x10, 0x20, 215);

bool overlaps(const QRectF &box, const std::vector<QRectF> &taken) {
    for (const QRectF &other : taken)
        if (box.intersects(other))
            return true;
    return false;
}

} // namespace

int LabelLayout::styleFor(qint64 population) {
    return population >= 1000000 ? 0 : population >= 100000 ? 1 : 2;
}

QFont LabelLayout::font(int style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    static constexpr double sizes[3] = {15.0, 13.0, 11.5};
    static constexpr QFont::Weight weights[3] = {QFont::DemiBold, QFont::Medium, QFont::Normal};
    font.setPixelSize(qRound(sizes[style]));
    font.setWeight(weights[style]);
    return font;
}

QSizeF LabelLayout::textSize(const QString &name, int style) {
    auto found = m_sizes[style].constFind(name);
    if (found != m_sizes[style].constEnd())
        return *found;
    if (m_sizes[style].size() > kMaxSprites)
        m_sizes[style].clear();
    const QFontMetricsF metrics(font(style));
    const QSizeF size(metrics.horizontalAdvance(name) + 2 * kHalo, metrics.height() + 2 * kHalo);
    m_sizes[style].insert(name, size);
    return size;
}

std::vector<PlacedLabel> LabelLayout::layout(const MapCamera &camera, const PlaceLabels &labels,
                                             const std::vector<QRectF> &keepClear,
                                             const std::optional<Marker> &marker) {
    std::vector<PlacedLabel> placed;
    const QSizeF viewport = camera.viewport();
    if (viewport.isEmpty())
        return placed;
    // A name cut by the view's edge reads as a different name: it shows whole or not at all.
    const double size = camera.worldSize();
    const QRectF view(QPointF(0, 0), viewport);
    const QPointF origin = camera.visibleWorld().topLeft();
    std::vector<QRectF> taken = keepClear;
    // A name's box to the right of what it names, else to its left, if it shows whole beside @p mark
    // (the dot, or nothing) and clear of what is taken, @p pad around; it is taken then.
    const auto placeBeside = [&](QPointF centre, double clearance, QSizeF text, QRectF mark,
                                 double pad) -> std::optional<QRectF> {
        for (const double side : {1.0, -1.0}) {
            const double x = side > 0 ? centre.x() + clearance + kGap - kHalo
                                      : centre.x() - clearance - kGap + kHalo - text.width();
            const QRectF box(x, centre.y() - text.height() / 2, text.width(), text.height());
            const QRectF whole = box.united(mark);
            if (!view.contains(whole) || overlaps(whole.adjusted(-pad, -pad, pad, pad), taken))
                continue;
            taken.push_back(whole.adjusted(-kPadding, -kPadding, kPadding, kPadding));
            return box;
        }
        return std::nullopt;
    };

    // The marker's own place, named at any zoom. Its name comes from the nearest of the places
    // data, which may lie some way off the chosen point.
    const PlaceLabels::Label *own = nullptr;
    if (marker && view.contains(marker->tip)) {
        const QPointF at = origin + marker->tip / size;
        const auto around = [&](double reach) { // world units
            return QRectF(at - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach));
        };
        const QString name = marker->placeName.section(u',', 0, 0).trimmed();
        if (!name.isEmpty()) {
            const double reach = kOwnPlaceReachMeters / camera.metersPerPoint() / size;
            labels.visit(around(reach), PlaceLabels::kLastZoom, [&](const PlaceLabels::Label &label, double) {
                if (label.name != name)
                    return true;
                own = &label;
                return false;
            });
        }
        if (!own)
            labels.visit(around(3.0 / size), PlaceLabels::kLastZoom,
                         [&](const PlaceLabels::Label &label, double) {
                             own = &label;
                             return false;
                         });
    }
    if (own) {
        // Beside the pin's head; the pin is kept clear already, so no padding against it.
        const int style = styleFor(own->population);
        const QPointF head(marker->tip.x(), marker->tip.y() - kPinHeight * 0.65);
        if (const auto box = placeBeside(head, kPinWidth / 2, textSize(own->name, style), {}, 0))
            placed.push_back({own->name, style, marker->tip, *box, false});
    }

    int candidates = 0;
    labels.visit(camera.visibleWorld(), camera.zoom(), [&](const PlaceLabels::Label &label, double worldX) {
        if (&label == own)
            return true;
        const QPointF anchor((worldX - origin.x()) * size, (label.world.y() - origin.y()) * size);
        const int style = styleFor(label.population);
        const QRectF dot(anchor.x() - kDotRadius, anchor.y() - kDotRadius, 2 * kDotRadius, 2 * kDotRadius);
        if (const auto box = placeBeside(anchor, 0, textSize(label.name, style), dot, kPadding))
            placed.push_back({label.name, style, anchor, *box});
        return ++candidates < kMaxCandidates && int(placed.size()) < kMaxLabels;
    });
    return placed;
}

const QImage &LabelPainter::sprite(const PlacedLabel &label, double scale) {
    QHash<QString, QImage> &sprites = m_sprites[label.style];
    auto found = sprites.constFind(label.name);
    if (found != sprites.constEnd())
        return *found;
    if (sprites.size() > kMaxSprites)
        sprites.clear();
    const QSize pixels(qCeil(label.text.width() * scale), qCeil(label.text.height() * scale));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QFont font = LabelLayout::font(label.style);
    QPainterPath path;
    path.addText(kHalo, kHalo + QFontMetricsF(font).ascent(), font, label.name);
    painter.strokePath(path, QPen(kHaloColour, kHalo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, kTextColours[label.style]);
    painter.end();
    return *sprites.insert(label.name, image);
}

void LabelPainter::paint(QPainter &painter, const std::vector<PlacedLabel> &placed) {
    if (placed.empty())
        return;
    const QTransform device = painter.deviceTransform();
    const double scale = std::max(1.0, std::abs(device.m11()));
    if (scale != m_scale) {
        for (auto &sprites : m_sprites)
            sprites.clear();
        m_scale = scale;
        // The dot, drawn once at this scale.
        const int side = qCeil((2 * kDotRadius + 2) * scale);
        m_dot = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        m_dot.fill(Qt::transparent);
        QPainter dot(&m_dot);
        dot.setRenderHint(QPainter::Antialiasing);
        dot.scale(scale, scale);
        dot.setPen(QPen(kHaloColour, 1.2));
        dot.setBrush(kTextColours[0]);
        dot.drawEllipse(QPointF(kDotRadius + 1, kDotRadius + 1), kDotRadius, kDotRadius);
    }
    // The prepared images go onto whole device pixels without any transform: a plain copy, many
    // times faster than drawing through the painter's scale, and as sharp as they were drawn.
    painter.save();
    painter.resetTransform();
    const double dotOffset = (kDotRadius + 1) * scale;
    for (const PlacedLabel &label : placed) {
        if (!label.dot)
            continue;
        const QPointF at = device.map(label.anchor);
        painter.drawImage(QPoint(qRound(at.x() - dotOffset), qRound(at.y() - dotOffset)), m_dot);
    }
    for (const PlacedLabel &label : placed) {
        const QPointF at = device.map(label.text.topLeft());
        painter.drawImage(QPoint(qRound(at.x()), qRound(at.y())), sprite(label, scale));
    }
    painter.restore();
}

} // namespace lunafold
