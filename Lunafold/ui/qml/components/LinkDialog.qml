// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Shown when no browser opens: the address to read or copy, and a way to close.
Popup {
    id: dialog
    property string address
    signal copyRequested(string text)

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(420, parent ? parent.width - 32 : 420)
    modal: true
    focus: true
    padding: 20
    background: Rectangle { color: "#2c2a3a"; radius: 14 }
    onOpened: copyButton.forceActiveFocus()
    onAboutToShow: copied.visible = false

    ColumnLayout {
        anchors.fill: parent
        spacing: 12
        Text {
            text: qsTranslate("Lunafold", "No browser could be opened. The address:")
            color: "white"
            font.bold: true
            font.pixelSize: Theme.body
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        TextEdit {
            objectName: "linkAddress"
            text: dialog.address
            readOnly: true
            selectByMouse: true
            color: Theme.secondaryText
            font.pixelSize: Theme.footnote
            wrapMode: TextEdit.WrapAnywhere
            Layout.fillWidth: true
            activeFocusOnTab: false
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            id: copied
            visible: false
            text: qsTranslate("Lunafold", "Copied.")
            color: Theme.secondaryText
            font.pixelSize: Theme.footnote
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            Button {
                id: linkCloseButton
                objectName: "linkClose"
                text: qsTranslate("Lunafold", "Close")
                palette.buttonText: "white"
                background: Rectangle { color: linkCloseButton.down ? "#3a3848" : "#48465a"; radius: 8 }
                Layout.fillWidth: true
                Accessible.name: text
                onClicked: dialog.close()
                FocusFrame { control: parent }
            }
            Button {
                id: copyButton
                objectName: "linkCopy"
                text: qsTranslate("Lunafold", "Copy")
                palette.buttonText: "white"
                background: Rectangle { color: copyButton.down ? Qt.darker(Theme.button, 1.2) : Theme.button; radius: 8 }
                Layout.fillWidth: true
                Accessible.name: text
                onClicked: { dialog.copyRequested(dialog.address); copied.visible = true }
                FocusFrame { control: parent }
            }
        }
    }
}
