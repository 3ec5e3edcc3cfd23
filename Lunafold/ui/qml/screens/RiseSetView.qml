// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold
import Lunafold.Components

// Today's and tomorrow's moonrise, moonset and transit at the chosen place, and the moon now.
Item {
    id: view
    property bool wide: false
    property bool shown: true

    RiseSetViewModel { id: viewModel; objectName: "riseSetModel"; locator: Locator; active: view.shown }

    Background { anchors.fill: parent }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 40
        boundsBehavior: Flickable.StopAtBounds
        ColumnLayout {
            id: column
            x: Math.max(20, (parent.width - width) / 2)
            y: 20
            width: Math.min(680, view.width - 40)
            spacing: 24
            ScreenTitle {
                text: qsTranslate("Lunafold", "Rise and Set")
            }
            // Fixed sections and row counts whose texts change every refresh: the items stay.
            Repeater {
                model: viewModel.hasLocation ? 3 : 0
                Section {
                    id: section
                    required property int index
                    readonly property var sectionRows: [viewModel.riseSetRows, viewModel.transitRows, viewModel.otherRows][index]
                    Layout.fillWidth: true
                    wide: view.wide
                    title: view.sectionTitles[index]
                    Repeater {
                        model: [4, 2, 5][section.index]
                        TextRow {
                            required property int index
                            readonly property var row: section.sectionRows[index]
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

    readonly property var sectionTitles: [qsTranslate("Lunafold", "Rise & Set"), qsTranslate("Lunafold", "Transit"),
                                          qsTranslate("Lunafold", "Other")]
}
