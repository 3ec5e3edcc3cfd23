// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// A label on the leading side and a value on the trailing side, with a line above unless first.
Item {
    id: row
    property string label
    property string value
    property bool first: false
    property bool wide: false
    // One line whose font shrinks (down to a fifth) rather than wrapping.
    property bool oneLine: false
    readonly property real gap: first ? 0 : 8
    Layout.fillWidth: true
    implicitHeight: gap + Math.max(labelText.implicitHeight, valueText.implicitHeight)
    Accessible.role: Accessible.StaticText
    Accessible.name: row.label + " " + row.value

    Rectangle {
        visible: !row.first
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: -row.gap / 2 }
        height: 1
        color: Theme.separator
    }
    Text {
        id: labelText
        anchors { left: parent.left; right: valueText.left; rightMargin: 12; top: parent.top; topMargin: row.gap }
        text: row.label
        color: Theme.text
        font.pixelSize: row.wide ? Theme.title3 : Theme.body
        wrapMode: row.oneLine ? Text.NoWrap : Text.Wrap
        fontSizeMode: row.oneLine ? Text.HorizontalFit : Text.FixedSize
        minimumPixelSize: Math.max(4, Math.round(font.pixelSize * 0.2))
        Accessible.ignored: true
    }
    Text {
        id: valueText
        anchors { right: parent.right; baseline: labelText.baseline }
        text: row.value
        color: Theme.secondaryText
        font.pixelSize: row.wide ? Theme.title3 : Theme.body
        Accessible.ignored: true
    }
}
