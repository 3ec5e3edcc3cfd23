// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A labelled switch inside a card, with a line above unless it is the first row.
ColumnLayout {
    id: row
    property string label
    property bool checked
    property bool first: false
    property bool wide: false
    signal toggled(bool on)
    Layout.fillWidth: true
    spacing: 8
    Rectangle { visible: !row.first; Layout.fillWidth: true; height: 1; color: Theme.separator }
    Switch {
        id: toggle
        Layout.fillWidth: true
        text: row.label
        checked: row.checked
        font.pixelSize: row.wide ? Theme.title3 : Theme.body
        onToggled: row.toggled(checked)
        FocusFrame { control: toggle }
        Accessible.name: row.label
        indicator: Rectangle {
            implicitWidth: 50
            implicitHeight: 30
            x: toggle.width - width - toggle.rightPadding
            y: (toggle.height - height) / 2
            radius: 15
            color: toggle.checked ? Theme.button : Theme.toggleOff
            Rectangle {
                x: toggle.checked ? parent.width - width - 2 : 2
                y: 2
                width: 26; height: 26; radius: 13
                color: Theme.text
                Behavior on x { NumberAnimation { duration: 120 } }
            }
        }
        contentItem: Text {
            text: toggle.text
            font: toggle.font
            color: Theme.text
            wrapMode: Text.Wrap
            verticalAlignment: Text.AlignVCenter
            rightPadding: toggle.indicator.width + 12
        }
    }
}
