// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// A label on the leading side and a value on the trailing side, with a line above unless first.
ColumnLayout {
    id: row
    property string label
    property string value
    property bool first: false
    property bool wide: false
    Layout.fillWidth: true
    spacing: 8
    Rectangle { visible: !row.first; Layout.fillWidth: true; height: 1; color: Theme.separator }
    RowLayout {
        Layout.fillWidth: true
        Text {
            text: row.label
            color: "white"
            font.pixelSize: row.wide ? Theme.title3 : Theme.body
            Layout.fillWidth: true
            wrapMode: Text.Wrap
        }
        Text {
            text: row.value
            color: Theme.secondaryText
            font.pixelSize: row.wide ? Theme.title3 : Theme.body
            horizontalAlignment: Text.AlignRight
            // Top, not centred: the layout does not move a centred value back up once a label that
            // wrapped while the row was still narrow has unwrapped.
            Layout.alignment: Qt.AlignTop
        }
    }
    Accessible.role: Accessible.StaticText
    Accessible.name: row.label + " " + row.value
}
