// SPDX-License-Identifier: MIT
import QtQuick

// The map's buttons for a mouse: zoom in, zoom out and back to the chosen place.
Rectangle {
    id: buttons
    property bool canRecentre: false
    signal zoomIn()
    signal zoomOut()
    signal recentre()
    implicitWidth: 44
    implicitHeight: column.implicitHeight
    radius: 10
    color: Theme.mapControls

    Column {
        id: column
        SymbolButton {
            objectName: "zoomInButton"
            symbol: "plus"
            name: qsTranslate("Lunafold", "Zoom In")
            onClicked: buttons.zoomIn()
        }
        SymbolButton {
            objectName: "zoomOutButton"
            symbol: "minus"
            name: qsTranslate("Lunafold", "Zoom Out")
            onClicked: buttons.zoomOut()
        }
        SymbolButton {
            objectName: "recentreButton"
            symbol: "scope"
            name: qsTranslate("Lunafold", "Show Selected Location")
            enabled: buttons.canRecentre
            onClicked: buttons.recentre()
        }
    }
}
