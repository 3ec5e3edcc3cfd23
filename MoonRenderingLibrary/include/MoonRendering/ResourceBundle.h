// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace lunafold::MoonRendering {

/// The module's compiled-in resources: the kernels, the surface maps, the images "moontransparent",
/// "starfield", "pointeronly" and "wolficon", and the colours. A build without them stops the
/// program at first use with "Fatal error: unable to find bundle named
/// MoonRenderingLibrary_MoonRenderingLibrary".
/// @return the resource folder, ":/MoonRenderingLibrary"
QString resourceBundlePath();

/// The path of a named image in the bundle ("starfield" → ":/MoonRenderingLibrary/starfield.svg"),
/// or std::nullopt for a name the bundle does not hold.
std::optional<QString> imageAssetPath(const QString &name);

/// A named colour of the dark scheme, "ViewBackgroundColor" or "ButtonColor" (colors.json in the
/// bundle, which QML can read too); std::nullopt for other names.
std::optional<QColor> colorAsset(const QString &name);

} // namespace lunafold::MoonRendering
