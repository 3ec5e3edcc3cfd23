// SPDX-License-Identifier: MIT
import QtQuick

// A map's scale: a bar of barWidth points and the distance it stands for.
Rectangle {
    id: scale
    property real barWidth
    property string text
    implicitWidth: Math.max(barWidth, label.implicitWidth) + 16
    implicitHeight: label.implicitHeight + 16
    radius: 6
    color: Theme.mapControls
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Text {
        id: label
        x: 8
        y: 4
        text: scale.text
        color: Theme.text
        font.pixelSize: Theme.caption
        Accessible.ignored: true
    }
    Rectangle {
        x: 8
        y: label.y + label.height + 2
        width: scale.barWidth
        height: 3
        color: Theme.text
        Accessible.ignored: true
    }
}
