// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

#include <QQuickImageProvider>

#include <functional>
#include <optional>

namespace lunafold {

/// Serves "image://moon/<unix seconds>/<orient 0|1>/<latitude|none>/<longitude|none>/<pixels>":
/// the moon picture for the screens, drawn on the GUI thread through the renderer's caches.
class MoonImageProvider : public QQuickImageProvider {
public:
    using Renderer = std::function<QImage(Instant, bool orientToSky, std::optional<double> latitude,
                                          std::optional<double> longitude, int width, int height)>;

    explicit MoonImageProvider(Renderer renderer);
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    Renderer m_renderer;
};

} // namespace lunafold
