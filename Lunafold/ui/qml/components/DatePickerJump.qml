// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Lunafold

// The picker's far jumps: every year from 1901 to 2099, then the twelve months of the one chosen.
// Arrows move, Home and End reach the ends, Enter chooses.
Item {
    id: jump
    required property DatePickerModel months
    property bool choosingYear: true
    signal yearChosen(int year)
    signal monthChosen(int month)

    onActiveFocusChanged: if (activeFocus) list.forceActiveFocus()

    GridView {
        id: list
        objectName: jump.choosingYear ? "pickerYears" : "pickerMonths"
        anchors.fill: parent
        clip: true
        readonly property int columns: jump.choosingYear ? 4 : 3
        cellWidth: width / columns
        cellHeight: jump.choosingYear ? 44 : height / 4
        keyNavigationEnabled: true
        boundsBehavior: Flickable.StopAtBounds
        model: jump.choosingYear ? jump.months.maximumYear - jump.months.minimumYear + 1 : jump.months.monthNames
        // Starts on the shown year or month each time; the arrows move on from there.
        function start() {
            currentIndex = jump.choosingYear ? jump.months.year - jump.months.minimumYear : jump.months.month - 1
            positionViewAtIndex(currentIndex, GridView.Center)
        }
        onModelChanged: start()
        onVisibleChanged: if (visible) start()
        Accessible.role: Accessible.List
        Accessible.name: jump.choosingYear ? qsTranslate("Lunafold", "Year") : qsTranslate("Lunafold", "Month")

        function choose(i) {
            if (jump.choosingYear)
                jump.yearChosen(jump.months.minimumYear + i)
            else
                jump.monthChosen(i + 1)
        }
        Keys.onPressed: (event) => {
            if (event.key === Qt.Key_Home) currentIndex = 0
            else if (event.key === Qt.Key_End) currentIndex = count - 1
            else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space) choose(currentIndex)
            else return
            event.accepted = true
        }

        delegate: Item {
            id: entry
            required property int index
            required property var modelData
            readonly property string label: jump.choosingYear ? String(jump.months.minimumYear + index) : modelData
            width: list.cellWidth
            height: list.cellHeight
            Rectangle {
                anchors.fill: parent
                anchors.margins: 3
                radius: 8
                color: entry.GridView.isCurrentItem ? Theme.button : Theme.clear
                border.width: entry.GridView.isCurrentItem && list.activeFocus ? 2 : 0
                border.color: Theme.focus
            }
            Text {
                anchors.fill: parent
                anchors.margins: 4
                text: entry.label
                color: Theme.text
                font.pixelSize: Theme.body
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 9
                Accessible.ignored: true
            }
            TapHandler { gesturePolicy: TapHandler.ReleaseWithinBounds; onTapped: list.choose(entry.index) }
            Accessible.role: Accessible.Button
            Accessible.name: entry.label
            Accessible.onPressAction: list.choose(entry.index)
        }
    }
}
