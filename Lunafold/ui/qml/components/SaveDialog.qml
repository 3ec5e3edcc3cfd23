// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Where to save a file: a path to accept or edit, then Save or Cancel. The caller writes the
// file and shows the outcome in `status`.
DialogFrame {
    id: dialog
    property string path
    property string status
    signal saveRequested(string path)

    onOpened: { field.text = dialog.path; dialog.status = ""; field.forceActiveFocus() }

    TextField {
        id: field
        objectName: dialog.objectName + "Path"
        Layout.fillWidth: true
        color: Theme.text
        selectByMouse: true
        font.pixelSize: Theme.footnote
        background: Rectangle { color: Theme.field; radius: Theme.controlRadius; border.color: Theme.control }
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
        DialogButton {
            text: qsTranslate("Lunafold", "Cancel")
            onClicked: dialog.close()
        }
        DialogButton {
            objectName: dialog.objectName + "Save"
            text: qsTranslate("Lunafold", "Save")
            accent: true
            onClicked: dialog.saveRequested(field.text)
        }
    }
}
