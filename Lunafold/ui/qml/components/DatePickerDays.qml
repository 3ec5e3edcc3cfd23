// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Lunafold

// The days of the picker's month under the weekday initials. It takes the keyboard focus as one
// control and moves the selected day; a sideways swipe turns the months.
ColumnLayout {
    id: days
    required property DatePickerModel months
    property int selectedYear
    property int selectedMonth
    property int selectedDay
    signal picked(int day)
    signal movedDays(int n)
    signal movedMonths(int n)
    signal done()
    spacing: 4
    activeFocusOnTab: true
    readonly property bool showsSelection: selectedYear === months.year && selectedMonth === months.month

    Accessible.role: Accessible.Table
    Accessible.name: months.title

    Keys.onPressed: (event) => {
        const shift = event.modifiers & Qt.ShiftModifier
        switch (event.key) {
        case Qt.Key_Left: days.movedDays(-1); break
        case Qt.Key_Right: days.movedDays(1); break
        case Qt.Key_Up: days.movedDays(-7); break
        case Qt.Key_Down: days.movedDays(7); break
        case Qt.Key_PageUp: days.movedMonths(shift ? -12 : -1); break
        case Qt.Key_PageDown: days.movedMonths(shift ? 12 : 1); break
        case Qt.Key_Return: case Qt.Key_Enter: case Qt.Key_Space: days.done(); break
        default: return
        }
        event.accepted = true
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 0
        Repeater {
            model: days.months.weekdayHeaders
            Text {
                required property string modelData
                Layout.fillWidth: true
                Layout.preferredWidth: 10
                horizontalAlignment: Text.AlignHCenter
                text: modelData
                color: Theme.header
                font.weight: Font.DemiBold
                font.pixelSize: Theme.footnote
                Accessible.ignored: true
            }
        }
    }

    GridLayout {
        id: grid
        Layout.fillWidth: true
        columns: 7
        columnSpacing: 0
        rowSpacing: 0
        // Always six weeks, whose numbers change: turning a month neither rebuilds the cells nor
        // resizes the picker under the pointer.
        Repeater {
            model: 42
            Item {
                id: cell
                required property int index
                readonly property int modelData: index < days.months.days.length ? days.months.days[index] : 0
                readonly property bool selected: days.showsSelection && modelData === days.selectedDay
                objectName: modelData > 0 ? "pickerDay" + modelData : ""
                Layout.fillWidth: true
                Layout.preferredWidth: 10
                implicitHeight: 40
                Rectangle {
                    anchors.centerIn: parent
                    width: Math.min(parent.width, parent.height) - 2
                    height: width
                    radius: width / 2
                    visible: cell.selected
                    color: Theme.button
                    border.width: days.activeFocus ? 2 : 0
                    border.color: Theme.focus
                }
                Text {
                    anchors.centerIn: parent
                    text: cell.modelData > 0 ? cell.modelData : ""
                    color: Theme.text
                    font.pixelSize: Theme.body
                    font.bold: cell.selected
                    Accessible.ignored: true
                }
                TapHandler {
                    // The tap is the picker's alone: a passive one would also reach the month grid behind.
                    gesturePolicy: TapHandler.ReleaseWithinBounds
                    enabled: cell.modelData > 0
                    onTapped: days.picked(cell.modelData)
                }
                Accessible.ignored: cell.modelData === 0
                Accessible.role: Accessible.Button
                Accessible.name: cell.modelData > 0 ? days.months.spokenDate(days.months.year, days.months.month, cell.modelData) : ""
                Accessible.selected: cell.selected
                Accessible.onPressAction: if (cell.modelData > 0) days.picked(cell.modelData)
            }
        }
        DragHandler {
            target: null
            xAxis.enabled: true
            yAxis.enabled: false
            onActiveChanged: if (!active && Math.abs(translation.x) > 40) days.months.stepMonths(translation.x > 0 ? -1 : 1)
        }
    }
}
