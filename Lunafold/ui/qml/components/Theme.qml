// SPDX-License-Identifier: MIT
pragma Singleton
import QtQuick
import Lunafold

// The dark scheme's colours and the type scale, which follows the platform's font size.
QtObject {
    readonly property color gradientTop: Qt.rgba(0.2, 0.1, 0.42, 1)
    readonly property color viewBackground: App.colorAsset("ViewBackgroundColor")
    readonly property color button: App.colorAsset("ButtonColor")
    readonly property color card: "#1c1c1e"
    readonly property color separator: Qt.rgba(1, 1, 1, 0.12)
    readonly property color header: Qt.rgba(1, 1, 1, 0.6)
    readonly property color secondaryText: Qt.rgba(1, 1, 1, 0.7)
    readonly property color focus: "#8fb8ff"
    readonly property color text: "white"
    readonly property color textOutline: "black"
    readonly property color secondaryIcon: "grey"
    readonly property color buttonPressed: Qt.darker(button, 1.2)
    // Where nothing should paint, named so every colour of a view still reads from here.
    readonly property color clear: "transparent"
    readonly property color dialog: "#2c2a3a"
    readonly property color control: "#48465a"
    readonly property color controlPressed: "#3a3848"
    readonly property color field: "#1c1b26"
    readonly property color sheet: "#1c1b26"
    readonly property color sheetHandle: "#55536a"
    readonly property color listRow: "#26243a"
    readonly property color toggleOff: "#48475a"
    readonly property color tabBar: "#121018"
    readonly property color tabInactive: "#9a98a8"
    readonly property color notificationsTile: "#e5453a"
    readonly property color aboutTile: "#2f6fe4"
    // Dark panes over the map, so white text and symbols stay readable on any tile.
    readonly property color mapControls: Qt.rgba(0, 0, 0, 0.45)
    readonly property color mapCredit: Qt.rgba(0, 0, 0, 0.55)
    readonly property real dialogRadius: 14
    readonly property real controlRadius: 8
    // Qt 6.4 describes Qt.application to tools without the font it has in Qt Quick.
    readonly property real base: Qt.application.font.pixelSize > 0 ? Qt.application.font.pixelSize : 14 // qmllint disable
    readonly property real body: base * 1.2
    readonly property real title2: base * 1.6
    readonly property real title3: base * 1.45
    readonly property real largeTitle: base * 2.4
    readonly property real footnote: base * 0.95
    readonly property real subheadline: base * 1.1
    readonly property real caption: base * 0.9
    readonly property real tabLabel: base * 0.75
    readonly property real caption2: base * 0.8
    readonly property real headline: base * 1.2
}
