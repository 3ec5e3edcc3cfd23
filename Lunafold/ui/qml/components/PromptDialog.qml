// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A small centred question with two answers.
Popup {
    id: dialog
    property string title
    property string message
    property string acceptText
    property string rejectText
    signal answered(bool yes)

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(320, parent ? parent.width - 40 : 320)
    modal: true
    // Escape is the cautious answer.
    closePolicy: Popup.CloseOnEscape
    focus: true
    property bool replied: false
    onAboutToShow: replied = false
    onClosed: if (!replied) answered(false)
    padding: 20
    background: Rectangle { color: "#2c2a3a"; radius: 14 }

    ColumnLayout {
        anchors.fill: parent
        spacing: 14
        Text {
            text: dialog.title
            color: "white"
            font.bold: true
            font.pixelSize: Theme.body
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
        }
        Text {
            text: dialog.message
            color: Theme.secondaryText
            font.pixelSize: Theme.footnote
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            Button {
                id: rejectButton
                objectName: dialog.objectName + "Reject"
                text: dialog.rejectText
                palette.buttonText: "white"
                background: Rectangle { color: rejectButton.down ? "#3a3848" : "#48465a"; radius: 8 }
                Layout.fillWidth: true
                Accessible.name: text
                onClicked: { dialog.replied = true; dialog.close(); dialog.answered(false) }
                FocusFrame { control: parent }
            }
            Button {
                id: acceptButton
                objectName: dialog.objectName + "Accept"
                text: dialog.acceptText
                palette.buttonText: "white"
                background: Rectangle { color: acceptButton.down ? Qt.darker(Theme.button, 1.2) : Theme.button; radius: 8 }
                Layout.fillWidth: true
                Accessible.name: text
                onClicked: { dialog.replied = true; dialog.close(); dialog.answered(true) }
                FocusFrame { control: parent }
            }
        }
    }
}
