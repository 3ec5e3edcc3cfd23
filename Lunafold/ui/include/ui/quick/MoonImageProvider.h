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

    /// The app's moon pictures, for the screens and the share card (tests put in their own).
    static Renderer renderer();
    static void setRenderer(Renderer renderer);

    MoonImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};

class ActivityViewController;

/// Serves "image://share/<id>": the picture the share sheet shows.
class ShareImageProvider : public QQuickImageProvider {
  public:
    explicit ShareImageProvider(const ActivityViewController &sheet);
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

  private:
    const ActivityViewController &m_sheet;
};

} // namespace lunafold
