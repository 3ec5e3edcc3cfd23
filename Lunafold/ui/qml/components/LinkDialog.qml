// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Shown when no browser opens: the address to read or copy, and a way to close.
DialogFrame {
    id: dialog
    property string address
    signal copyRequested(string text)

    title: qsTranslate("Lunafold", "No browser could be opened. The address:")
    onOpened: copyButton.forceActiveFocus()
    onAboutToShow: copied.visible = false

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
        DialogButton {
            objectName: "linkClose"
            text: qsTranslate("Lunafold", "Close")
            onClicked: dialog.close()
        }
        DialogButton {
            id: copyButton
            objectName: "linkCopy"
            text: qsTranslate("Lunafold", "Copy")
            accent: true
            onClicked: { dialog.copyRequested(dialog.address); copied.visible = true }
        }
    }
}
