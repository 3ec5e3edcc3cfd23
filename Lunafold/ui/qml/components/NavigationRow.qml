// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// A menu row: a coloured icon tile, the label, and a chevron; or a link with an arrow.
Item {
    id: row
    property string label
    property url icon
    property color tileColor: Theme.clear
    property bool showTile: true
    property url trailingIcon: "qrc:/icons/chevron-right.svg"
    property real trailingOpacity: 0.3
    property bool wide: false
    signal clicked()
    Layout.fillWidth: true
    implicitHeight: content.implicitHeight + 2 * (wide ? 16 : 12)
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: row.clicked()
    activeFocusOnTab: true
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()
    Keys.onSpacePressed: row.clicked()
    FocusFrame { control: row; inset: 2 }

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 12
        Rectangle {
            visible: row.showTile
            width: row.wide ? 36 : 32
            height: width
            radius: 8
            color: row.tileColor
            Accessible.ignored: true
            Image {
                anchors.centerIn: parent
                source: row.icon
                sourceSize.width: row.wide ? 22 : 20
                sourceSize.height: row.wide ? 22 : 20
            }
        }
        Text {
            text: row.label
            color: Theme.text
            font.pixelSize: row.wide ? Theme.title3 : Theme.body
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            Accessible.ignored: true
        }
        Image {
            source: row.trailingIcon
            sourceSize.width: 14
            sourceSize.height: 14
            opacity: row.trailingOpacity
            Accessible.ignored: true
        }
    }
    TapHandler { onTapped: row.clicked() }
}
