// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// Rows on a rounded card under an optional header, separated by thin lines.
ColumnLayout {
    id: group
    property string title
    property bool wide: false
    property real inset: 0
    default property alias rows: column.data
    spacing: 8
    Layout.fillWidth: true
    Text {
        visible: group.title !== ""
        leftPadding: 6
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        text: group.title
        color: Theme.header
        font.weight: Font.DemiBold
        font.pixelSize: group.wide ? Theme.subheadline : Theme.footnote
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
    Rectangle {
        Layout.fillWidth: true
        color: Theme.card
        radius: 14
        implicitHeight: column.implicitHeight + 2 * group.inset
        ColumnLayout {
            id: column
            anchors.fill: parent
            anchors.margins: group.inset
            spacing: 0
        }
    }
}
