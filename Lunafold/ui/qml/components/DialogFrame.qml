// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A modal card centred over the window: an optional bold title, then the dialog's own items in a
// column. It never grows wider than `maxWidth` and keeps `margin` free on either side.
Popup {
    id: dialog
    property string title
    property int titleAlignment: Text.AlignLeft
    property real maxWidth: 420
    property real margin: 16
    property alias contentSpacing: column.spacing
    default property alias content: column.data

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(maxWidth, parent ? parent.width - 2 * margin : maxWidth)
    modal: true
    focus: true
    padding: 20
    background: Rectangle { color: Theme.dialog; radius: Theme.dialogRadius }

    // The content's id makes the assignment immediate, which a dialog built once can afford.
    contentItem: ColumnLayout { // qmllint disable deferred-property-id
        id: column
        spacing: 12
        Text {
            visible: dialog.title !== ""
            text: dialog.title
            color: Theme.text
            font.bold: true
            font.pixelSize: Theme.body
            wrapMode: Text.Wrap
            horizontalAlignment: dialog.titleAlignment
            Layout.fillWidth: true
        }
    }
}
