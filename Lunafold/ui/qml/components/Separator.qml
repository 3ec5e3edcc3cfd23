// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// The one-point line between rows of a card, inset from the leading edge.
Rectangle {
    property real inset: 16
    Layout.fillWidth: true
    Layout.leftMargin: inset
    height: 1
    color: Theme.separator
    Accessible.ignored: true
}
