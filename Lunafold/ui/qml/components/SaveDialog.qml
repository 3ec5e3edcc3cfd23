// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Where to save a file: a path to accept or edit, then Save or Cancel. The caller writes the
// file and shows the outcome in `status`.
Popup {
    id: dialog
    property string title
    property string path
    property string status
    signal saveRequested(string path)

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(420, parent ? parent.width - 32 : 420)
    modal: true
    focus: true // Escape closes it
    padding: 20
    background: Rectangle { color: "#2c2a3a"; radius: 14 }
    onOpened: { field.text = dialog.path; dialog.status = ""; field.forceActiveFocus() }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12
        Text {
            text: dialog.title
            color: "white"
            font.bold: true
            font.pixelSize: Theme.body
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        TextField {
            id: field
            objectName: dialog.objectName + "Path"
            Layout.fillWidth: true
            color: "white"
            selectByMouse: true
            font.pixelSize: Theme.footnote
            background: Rectangle { color: "#1c1b26"; radius: 8; border.color: "#48465a" }
            Accessible.name: qsTranslate("Lunafold", "File")
            onAccepted: dialog.saveRequested(text)
        }
        Text {
            visible: dialog.status !== ""
            text: dialog.status
            color: Theme.secondaryText
            font.pixelSize: Theme.footnote
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            Button {
                id: cancelButton
                text: qsTranslate("Lunafold", "Cancel")
                Layout.fillWidth: true
                palette.buttonText: "white"
                background: Rectangle { color: cancelButton.down ? "#3a3848" : "#48465a"; radius: 8 }
                Accessible.name: text
                onClicked: dialog.close()
            }
            Button {
                id: saveButton
                objectName: dialog.objectName + "Save"
                text: qsTranslate("Lunafold", "Save")
                Layout.fillWidth: true
                palette.buttonText: "white"
                background: Rectangle { color: saveButton.down ? Qt.darker(Theme.button, 1.2) : Theme.button; radius: 8 }
                Accessible.name: text
                onClicked: dialog.saveRequested(field.text)
            }
        }
    }
}
