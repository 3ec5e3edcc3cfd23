// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A full-width button in the app's button colour.
Button {
    id: button
    Layout.fillWidth: true
    icon.color: "white"
    icon.width: 20
    icon.height: 20
    font.pixelSize: Theme.body
    palette.buttonText: "white"
    Accessible.name: text
    background: Rectangle { color: button.down ? Qt.darker(Theme.button, 1.2) : Theme.button; radius: 12 }
    FocusFrame { control: button; radius: 14 }
    topPadding: 12
    bottomPadding: 12
}
