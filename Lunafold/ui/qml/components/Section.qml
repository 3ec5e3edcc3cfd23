// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// A titled section: the title in capitals above its card.
ColumnLayout {
    id: section
    property string title
    property bool wide: false
    default property alias rows: card.rows
    spacing: 6
    Text {
        text: section.title.toUpperCase()
        color: Theme.header
        font.weight: Font.DemiBold
        font.pixelSize: section.wide ? Theme.subheadline : Theme.footnote
        Accessible.role: Accessible.Heading
        Accessible.name: section.title
    }
    Card {
        id: card
        Layout.fillWidth: true
        inset: section.wide ? 16 : 12
    }
}
