// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lunafold

// The share sheet: the card, saved to a file the user picks or copied to the clipboard.
Drawer {
    id: sheet
    edge: Qt.BottomEdge
    focus: true // Escape closes it
    width: parent ? parent.width : 0
    height: parent ? Math.min(parent.height * (expanded ? 0.92 : 0.6), implicitHeight + 40) : 0
    property bool expanded: false
    property string status
    Connections {
        target: ShareSheet
        function onImageChanged() { if (ShareSheet.presented) sheet.open() }
    }
    onClosed: { ShareSheet.dismiss(); status = ""; expanded = false }
    background: Rectangle { color: Theme.sheet; radius: 14 }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 12
        Rectangle {
            Layout.alignment: Qt.AlignHCenter
            width: 40; height: 5; radius: 2.5; color: Theme.sheetHandle
            Accessible.ignored: true
            TapHandler { onTapped: sheet.expanded = !sheet.expanded }
        }
        Image {
            Layout.fillWidth: true
            Layout.fillHeight: true
            source: ShareSheet.imageSource
            fillMode: Image.PreserveAspectFit
            cache: false
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTranslate("Lunafold", "Moon picture to share")
        }
        Text {
            visible: sheet.status !== ""
            text: sheet.status
            color: Theme.secondaryText
            font.pixelSize: Theme.footnote
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            Button {
                text: qsTranslate("Lunafold", "Save Image…")
                Accessible.name: text
                Layout.fillWidth: true
                onClicked: saveDialog.open()
            }
            Button {
                text: qsTranslate("Lunafold", "Copy")
                Accessible.name: text
                Layout.fillWidth: true
                onClicked: { ShareSheet.copyToClipboard(); sheet.status = qsTranslate("Lunafold", "Copied.") }
            }
            Button {
                text: qsTranslate("Lunafold", "Done")
                Accessible.name: text
                Layout.fillWidth: true
                onClicked: sheet.close()
            }
        }
    }

    SaveDialog {
        id: saveDialog
        objectName: "saveImageDialog"
        title: qsTranslate("Lunafold", "Save Image…")
        path: ShareSheet.suggestedFileName
        onSaveRequested: (path) => {
            const error = ShareSheet.save(path)
            if (error !== "") {
                status = error
                return
            }
            close()
            sheet.status = qsTranslate("Lunafold", "Saved.")
        }
    }
}
