// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// A rounded card whose rows are separated by thin lines.
Rectangle {
    id: card
    property real inset: 12
    default property alias rows: column.data
    color: Theme.card
    radius: 14
    implicitHeight: column.implicitHeight + 2 * inset
    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: card.inset
        spacing: 8
    }
}
