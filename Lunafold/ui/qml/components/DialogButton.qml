// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One of a dialog's answers, sharing the row with the others; `accent` marks the one that acts.
Button {
    id: button
    property bool accent: false
    palette.buttonText: Theme.text
    background: Rectangle {
        color: button.accent ? (button.down ? Theme.buttonPressed : Theme.button)
                             : (button.down ? Theme.controlPressed : Theme.control)
        radius: Theme.controlRadius
    }
    Layout.fillWidth: true
    Accessible.name: text
    FocusFrame { control: button }
}
