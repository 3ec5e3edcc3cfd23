// SPDX-License-Identifier: MIT
import QtQuick
import "../components"

// A tab whose screen is still to come: its title on the app's background.
Item {
    id: view
    property string title
    property bool wide: false
    property bool shown: true
    Background { anchors.fill: parent }
    Text {
        x: 20
        y: 20
        text: view.title
        color: "white"
        font.bold: true
        font.pixelSize: Theme.largeTitle
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
}
