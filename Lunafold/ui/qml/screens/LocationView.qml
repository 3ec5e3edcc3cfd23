// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Lunafold
import Lunafold.Components

// Where the calculations are made: the place, a map to pick another point, the way back to the
// device's position and the coordinates with the time zone.
Item {
    id: view
    property bool wide: false
    property bool shown: true
    readonly property real columnWidth: wide ? Math.min(680, width - 40) : width - 40

    LocationViewModel { id: viewModel; objectName: "locationModel"; locator: Locator }
    onShownChanged: if (shown) viewModel.refresh()

    Background { anchors.fill: parent }

    Flickable {
        id: page
        anchors.fill: parent
        contentHeight: column.height
        interactive: contentHeight > height + 1
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            width: page.width
            height: Math.max(page.height, implicitHeight)
            spacing: 16

            ColumnLayout {
                Layout.fillWidth: true
                Layout.maximumWidth: view.columnWidth
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 20
                spacing: 20
                ScreenTitle {
                    text: qsTranslate("Lunafold", "Location")
                }
                Text {
                    objectName: "placeLine"
                    visible: viewModel.placeVisible
                    text: viewModel.placeText
                    color: Theme.text
                    font.pixelSize: view.wide ? Theme.title2 : Theme.title3
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                RowLayout {
                    visible: viewModel.statusText !== ""
                    Layout.fillWidth: true
                    spacing: 12
                    Text {
                        objectName: "statusLine"
                        text: viewModel.statusText
                        color: Theme.secondaryText
                        font.pixelSize: Theme.footnote
                        wrapMode: Text.Wrap
                        Layout.fillWidth: true
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                    StandardButton {
                        objectName: "cancelLocatingButton"
                        inset: 5 // the label only 5 points from the edges
                        horizontalPadding: 5
                        visible: viewModel.locating
                        text: qsTranslate("Lunafold", "Cancel")
                        onClicked: viewModel.cancelLocating()
                    }
                }
                PlaceSearchField {
                    Layout.fillWidth: true
                }
            }

            LocationMap {
                objectName: "map"
                active: view.shown
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumHeight: 220
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.maximumWidth: view.columnWidth
                Layout.alignment: Qt.AlignHCenter
                Layout.bottomMargin: 20
                spacing: 20
                StandardButton {
                    objectName: "currentLocationButton"
                    Layout.maximumWidth: view.columnWidth
                    text: viewModel.currentLocationText
                    icon.source: "qrc:/icons/" + viewModel.currentLocationIcon + ".svg"
                    onClicked: viewModel.startCurrentLocation()
                }
                Section {
                    Layout.fillWidth: true
                    wide: view.wide
                    title: qsTranslate("Lunafold", "Coordinates")
                    // Fixed rows bound to the model: nothing is rebuilt when the place changes.
                    Repeater {
                        model: 3
                        TextRow {
                            required property int index
                            readonly property var row: viewModel.coordinateRows[index]
                            objectName: "coordinateRow" + index
                            visible: row !== undefined
                            first: index === 0
                            wide: view.wide
                            label: row ? row.label : ""
                            value: row ? row.value : ""
                        }
                    }
                }
            }
        }
    }
}
