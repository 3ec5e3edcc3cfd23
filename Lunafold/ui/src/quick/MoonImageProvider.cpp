// SPDX-License-Identifier: MIT
#include "ui/quick/MoonImageProvider.h"

#include "MoonRendering/MoonRendering.h"
#include "ui/quick/ActivityViewController.h"

#include <mutex>

namespace lunafold {
namespace {

std::mutex g_rendererMutex;
// The app's pictures: the GPU sphere through its caches, or the flat picture.
MoonImageProvider::Renderer &installed() {
    static MoonImageProvider::Renderer renderer = &MoonRendering::moonImage;
    return renderer;
}

} // namespace

MoonImageProvider::Renderer MoonImageProvider::renderer() {
    std::lock_guard lock(g_rendererMutex);
    return installed();
}

void MoonImageProvider::setRenderer(Renderer renderer) {
    std::lock_guard lock(g_rendererMutex);
    installed() = std::move(renderer);
}

MoonImageProvider::MoonImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

ShareImageProvider::ShareImageProvider(const ActivityViewController &sheet)
    : QQuickImageProvider(QQuickImageProvider::Image), m_sheet(sheet) {}

QImage ShareImageProvider::requestImage(const QString &, QSize *size, const QSize &) {
    const QImage image = m_sheet.image();
    if (size)
        *size = image.size();
    return image;
}

QImage MoonImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize) {
    const QStringList parts = id.split(u'/');
    bool okTime = false, okPixels = false;
    const double seconds = parts.value(0).toDouble(&okTime);
    int pixels = parts.value(4).toInt(&okPixels);
    const auto instant = Instant::fromUnixSeconds(seconds);
    if (parts.size() != 5 || !okTime || !okPixels || !instant || pixels <= 0 || pixels > 4096)
        return {};
    if (requestedSize.isValid() && requestedSize.width() > 0)
        pixels =
            std::min(requestedSize.width(), requestedSize.height() > 0 ? requestedSize.height() : pixels);
    auto degrees = [](const QString &s) -> std::optional<double> {
        bool ok = false;
        const double v = s.toDouble(&ok);
        return ok ? std::optional<double>(v) : std::nullopt;
    };
    const Renderer render = renderer();
    if (!render)
        return {};
    QImage image = render(*instant, parts[1] == QLatin1String("1"), degrees(parts[2]), degrees(parts[3]),
                          pixels, pixels);
    if (size)
        *size = image.size();
    return image;
}

} // namespace lunafold
