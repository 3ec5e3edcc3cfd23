// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Controls.impl
import QtQuick.Layouts

// The app's button: a white label, optionally with an icon, on the button colour, rounded.
Button {
    id: control
    property real inset: 12
    padding: inset
    horizontalPadding: inset * 1.5
    spacing: 8
    font.pixelSize: Theme.body
    display: AbstractButton.TextBesideIcon
    icon.color: Theme.text
    icon.width: font.pixelSize * 1.2
    icon.height: font.pixelSize * 1.2
    palette.buttonText: Theme.text
    Accessible.name: text
    // The label wraps rather than being cut when a translation is long for a narrow phone (the
    // user sets Layout.maximumWidth).
    contentItem: RowLayout {
        spacing: control.spacing
        IconImage {
            visible: String(control.icon.source) !== ""
            source: control.icon.source
            color: control.icon.color
            sourceSize.width: control.icon.width
            sourceSize.height: control.icon.height
            Layout.alignment: Qt.AlignVCenter
            Accessible.ignored: true
        }
        Text {
            text: control.text
            font: control.font
            color: Theme.text
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
            Layout.maximumWidth: implicitWidth
            Accessible.ignored: true
        }
    }
    background: Rectangle {
        color: control.down ? Qt.darker(Theme.button, 1.3) : Theme.button
        radius: 12
    }
    FocusFrame { control: control; radius: 14 }
}
