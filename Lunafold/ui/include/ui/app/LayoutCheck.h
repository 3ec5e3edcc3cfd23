// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QQuickWindow;

namespace lunafold {

/// Texts elided or cut off without being meant to, and visible items that stick out of the
/// window, one line each. A text may declare its elision wanted with the property
/// `elideIntended: true`. Items inside a vertically scrolling view may lie below or above the
/// window; items inside a clipping item are left to it.
QStringList layoutFindings(QQuickWindow *window);

/// Controls a screen reader cannot name: buttons, switches, links and tappable items whose
/// accessible name is empty, or that are hidden from accessibility while they can be tapped.
/// Switches accessibility on first, as a screen reader would.
QStringList accessibilityFindings(QQuickWindow *window);

} // namespace lunafold
