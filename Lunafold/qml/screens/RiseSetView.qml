// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold
import "../components"

// Today's and tomorrow's moonrise, moonset and transit at the chosen place, and the moon now.
Item {
    id: view
    property bool wide: false
    property bool shown: true

    RiseSetViewModel { id: model; active: view.shown }

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
            Text {
                text: qsTranslate("Lunafold", "Rise and Set")
                color: "white"
                font.bold: true
                font.pixelSize: Theme.largeTitle
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Repeater {
                model: view.sections
                Section {
                    required property var modelData
                    Layout.fillWidth: true
                    wide: view.wide
                    title: modelData.title
                    Repeater {
                        model: modelData.rows
                        TextRow {
                            required property var modelData
                            required property int index
                            first: index === 0
                            wide: view.wide
                            label: modelData.label
                            value: modelData.value
                        }
                    }
                }
            }
        }
    }

    readonly property var sections: model.hasLocation ? [
        { title: qsTranslate("Lunafold", "Rise & Set"), rows: model.riseSetRows },
        { title: qsTranslate("Lunafold", "Transit"), rows: model.transitRows },
        { title: qsTranslate("Lunafold", "Other"), rows: model.otherRows }
    ] : []
}
