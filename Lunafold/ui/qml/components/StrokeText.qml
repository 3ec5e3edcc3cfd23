// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick

// Text with an outline: four copies in the stroke colour, offset diagonally by strokeWidth,
// under the text itself.
Item {
    id: root
    property string text
    property real strokeWidth: 1
    property color strokeColor: Theme.textOutline
    property color color: Theme.text
    property font font
    implicitWidth: label.implicitWidth + 2 * strokeWidth
    implicitHeight: label.implicitHeight + 2 * strokeWidth
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Repeater {
        model: [Qt.point(1, 1), Qt.point(-1, -1), Qt.point(-1, 1), Qt.point(1, -1)]
        Text {
            required property point modelData
            x: root.strokeWidth * (1 + modelData.x)
            y: root.strokeWidth * (1 + modelData.y)
            text: root.text
            font: root.font
            color: root.strokeColor
            Accessible.ignored: true
        }
    }
    Text {
        id: label
        x: root.strokeWidth
        y: root.strokeWidth
        text: root.text
        font: root.font
        color: root.color
        Accessible.ignored: true
    }
}
