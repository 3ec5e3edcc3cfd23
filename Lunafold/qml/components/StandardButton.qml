// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic

// The app's button: a white label, optionally with an icon, on the button colour, rounded.
Button {
    id: control
    property real inset: 12
    padding: inset
    horizontalPadding: inset * 1.5
    spacing: 8
    font.pixelSize: Theme.body
    display: AbstractButton.TextBesideIcon
    icon.color: "white"
    icon.width: font.pixelSize * 1.2
    icon.height: font.pixelSize * 1.2
    palette.buttonText: "white"
    Accessible.name: text
    background: Rectangle {
        color: control.down ? Qt.darker(Theme.button, 1.3) : Theme.button
        radius: 12
    }
}
