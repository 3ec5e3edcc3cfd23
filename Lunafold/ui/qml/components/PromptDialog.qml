// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A small centred question with two answers.
DialogFrame {
    id: dialog
    property string message
    property string acceptText
    property string rejectText
    signal answered(bool yes)

    maxWidth: 320
    margin: 20
    titleAlignment: Text.AlignHCenter
    contentSpacing: 14
    // Escape is the cautious answer.
    closePolicy: Popup.CloseOnEscape
    property bool replied: false
    onAboutToShow: replied = false
    onClosed: if (!replied) answered(false)

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
        DialogButton {
            objectName: dialog.objectName + "Reject"
            text: dialog.rejectText
            onClicked: { dialog.replied = true; dialog.close(); dialog.answered(false) }
        }
        DialogButton {
            objectName: dialog.objectName + "Accept"
            text: dialog.acceptText
            accent: true
            onClicked: { dialog.replied = true; dialog.close(); dialog.answered(true) }
        }
    }
}
