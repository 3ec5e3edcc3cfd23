// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold
import Lunafold.Components

// One day in detail: day steps and a date picker, the moon at the start of the day, its
// illuminated share and phase, moonrise, moonset and transit.
Item {
    id: view
    required property FutureDetailViewModel model
    property bool wide: false
    signal back()
    readonly property alias datePicker: picker

    Background { anchors.fill: parent }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 40
        boundsBehavior: Flickable.StopAtBounds
        ColumnLayout {
            id: column
            x: (parent.width - width) / 2
            y: 8
            width: Math.min(680, view.width - 40)
            spacing: 20
            Item {
                Layout.fillWidth: true
                implicitHeight: backButton.implicitHeight
                ToolButton {
                    id: backButton
                    objectName: "backButton"
                    x: -12
                    text: qsTranslate("Lunafold", "Back")
                    icon.source: "qrc:/icons/chevron-left.svg"
                    icon.width: 17
                    icon.height: 17
                    icon.color: Theme.button
                    palette.buttonText: Theme.button
                    font.pixelSize: Theme.body
                    background: null
                    Accessible.name: text
                    onClicked: view.back()
                    FocusFrame { control: parent }
                }
                ScreenTitle {
                    anchors.centerIn: parent
                    compact: true
                    text: qsTranslate("Lunafold", "Moon Detail")
                }
            }
            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: view.wide ? 16 : 4
                SymbolButton {
                    objectName: "todayButton"
                    symbol: "uturn-backward"
                    name: qsTranslate("Lunafold", "Today")
                    onClicked: view.model.today()
                }
                SymbolButton {
                    objectName: "previousDayButton"
                    symbol: "chevron-left"
                    name: qsTranslate("Lunafold", "Previous day")
                    enabled: view.model.canGoBack
                    onClicked: view.model.previousDay()
                }
                Button {
                    objectName: "dateButton"
                    text: view.model.dateText
                    font.pixelSize: Theme.body
                    palette.buttonText: Theme.text
                    background: Rectangle { color: Theme.card; radius: 8 }
                    Accessible.name: qsTranslate("Lunafold", "Date")
                    onClicked: picker.open()
                    FocusFrame { control: parent }
                }
                SymbolButton {
                    objectName: "nextDayButton"
                    symbol: "chevron-right"
                    name: qsTranslate("Lunafold", "Next day")
                    enabled: view.model.canGoForward
                    onClicked: view.model.nextDay()
                }
            }
            Section {
                id: midnight
                Layout.fillWidth: true
                wide: view.wide
                title: qsTranslate("Lunafold", "At Midnight")
                PhaseAnimatedMoon {
                    Layout.alignment: Qt.AlignHCenter
                    readonly property real edge: view.wide ? Math.min(midnight.width - 32, 400) : 220
                    Layout.preferredWidth: view.wide ? edge : midnight.width - 24
                    Layout.preferredHeight: edge
                    dateInterval: view.model.dateInterval
                    rasterExtent: view.wide ? 400 : 220
                    latitude: view.model.latitude
                    longitude: view.model.longitude
                    animated: view.model.animateDateChange
                    Accessible.ignored: false
                    Accessible.role: Accessible.Graphic
                    Accessible.name: view.model.moonDescription
                }
                TextRow { wide: view.wide; label: view.model.moonRow }
                TextRow { wide: view.wide; label: view.model.phaseSentence }
            }
            Section {
                Layout.fillWidth: true
                wide: view.wide
                title: qsTranslate("Lunafold", "Rise & Set")
                // A fixed count of rows whose texts change: the items stay, only their texts move.
                Repeater {
                    model: 2
                    TextRow {
                        required property int index
                        readonly property var row: view.model.riseSetRows[index]
                        first: index === 0
                        wide: view.wide
                        label: row ? row.label : ""
                        value: row ? row.value : ""
                    }
                }
            }
            Section {
                Layout.fillWidth: true
                wide: view.wide
                title: qsTranslate("Lunafold", "Transit")
                TextRow {
                    readonly property var row: view.model.transitRows[0]
                    first: true
                    wide: view.wide
                    label: row ? row.label : ""
                    value: row ? row.value : ""
                }
            }
        }
    }

    DatePickerPopup { id: picker; model: view.model }

    // Left and Right step the days while no picker is open.
    Shortcut { sequence: "Left"; enabled: view.visible && !picker.visible; onActivated: view.model.previousDay() }
    Shortcut { sequence: "Right"; enabled: view.visible && !picker.visible; onActivated: view.model.nextDay() }
}
