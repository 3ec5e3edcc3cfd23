// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A pushed screen's top: a back button and the title in the large-title font.
ColumnLayout {
    id: bar
    property string title
    signal back()
    spacing: 4
    ToolButton {
        objectName: "backButton"
        icon.source: "qrc:/icons/chevron-left.svg"
        icon.color: Theme.text
        icon.width: 20
        icon.height: 20
        background: Rectangle { color: Theme.clear }
        Accessible.name: qsTranslate("Lunafold", "Back")
        onClicked: bar.back()
        FocusFrame { control: parent }
    }
    ScreenTitle {
        text: bar.title
    }
}
