// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A full-width button in the app's button colour.
Button {
    id: button
    Layout.fillWidth: true
    icon.color: Theme.text
    icon.width: 20
    icon.height: 20
    font.pixelSize: Theme.body
    palette.buttonText: Theme.text
    Accessible.name: text
    background: Rectangle { color: button.down ? Theme.buttonPressed : Theme.button; radius: 12 }
    FocusFrame { control: button; radius: 14 }
    topPadding: 12
    bottomPadding: 12
}
