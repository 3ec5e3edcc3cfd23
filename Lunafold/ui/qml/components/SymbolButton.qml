// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic

// A white 17-point symbol without a frame, spoken by its name.
ToolButton {
    id: button
    property string symbol  // an icon of the app's set
    property string name
    implicitWidth: 44
    implicitHeight: 44
    display: AbstractButton.IconOnly
    icon.source: "qrc:/icons/" + symbol + ".svg"
    icon.width: 17
    icon.height: 17
    icon.color: Theme.text
    opacity: enabled ? 1 : 0.35
    background: Rectangle { color: button.down ? Theme.separator : Theme.clear; radius: width / 2 }
    Accessible.name: name
    FocusFrame { control: button; radius: width / 2 }
}
