// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lunafold

// A month calendar for the detail's date, from January 1901 to December 2099. The title opens a
// list of years and then of months to jump far; the arrows, the mouse wheel and a swipe turn the
// months; with the keyboard the arrows move the day, Page Up/Down the month (with Shift the year).
DialogFrame {
    id: picker
    required property FutureDetailViewModel model
    readonly property alias months: shown
    property string mode: "days" // "days", "years" or "months"

    maxWidth: 380
    margin: 12
    padding: 12
    contentSpacing: 8
    DatePickerModel { id: shown }

    onAboutToShow: {
        mode = "days"
        wheelArea.pending = 0 // half a notch left from last time is not a step now
        shown.show(model.selectedYear, model.selectedMonth)
    }
    onOpened: days.forceActiveFocus()

    function pick(date) {
        model.pickDate(date.year, date.month, date.day)
        shown.show(model.selectedYear, model.selectedMonth)
    }
    function moveDays(n) { pick(shown.addDays(model.selectedYear, model.selectedMonth, model.selectedDay, n)) }
    function moveMonths(n) { pick(shown.addMonths(model.selectedYear, model.selectedMonth, model.selectedDay, n)) }

    // A notch of the wheel is a month; touchpads send smaller steps that add up. On the content:
    // the popup itself swallows every wheel event that reaches it, the background's too. The list
    // of years, under it, scrolls by itself.
    WheelHandler {
        id: wheelArea
        target: null
        enabled: picker.mode === "days"
        property real pending: 0
        onWheel: (wheel) => {
            pending += wheel.angleDelta.y !== 0 ? wheel.angleDelta.y : -wheel.angleDelta.x
            while (Math.abs(pending) >= 120) {
                shown.stepMonths(pending > 0 ? -1 : 1)
                pending -= pending > 0 ? 120 : -120
            }
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 0
        Button {
            id: titleButton
            objectName: "pickerTitle"
            Layout.fillWidth: true
            text: shown.title + (picker.mode === "days" ? "  ▾" : "  ▴")
            font.pixelSize: Theme.headline
            font.weight: Font.DemiBold
            palette.buttonText: Theme.text
            flat: true
            background: Rectangle { color: titleButton.down ? Theme.separator : Theme.clear; radius: Theme.controlRadius }
            contentItem: Text {
                text: titleButton.text
                font: titleButton.font
                color: Theme.text
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 10
                verticalAlignment: Text.AlignVCenter
            }
            Accessible.name: shown.title
            Accessible.description: qsTranslate("Lunafold", "Choose the year and month")
            onClicked: {
                picker.mode = picker.mode === "days" ? "years" : "days"
                if (picker.mode === "days")
                    days.forceActiveFocus()
            }
            FocusFrame { control: titleButton }
        }
        SymbolButton {
            objectName: "pickerPreviousMonth"
            visible: picker.mode === "days"
            symbol: "chevron-left"
            name: qsTranslate("Lunafold", "Previous month")
            enabled: shown.canGoBack
            onClicked: shown.stepMonths(-1)
        }
        SymbolButton {
            objectName: "pickerNextMonth"
            visible: picker.mode === "days"
            symbol: "chevron-right"
            name: qsTranslate("Lunafold", "Next month")
            enabled: shown.canGoForward
            onClicked: shown.stepMonths(1)
        }
    }

    DatePickerDays {
        id: days
        visible: picker.mode === "days"
        Layout.fillWidth: true
        months: shown
        selectedYear: picker.model.selectedYear
        selectedMonth: picker.model.selectedMonth
        selectedDay: picker.model.selectedDay
        onPicked: (day) => picker.pick({ year: shown.year, month: shown.month, day: day })
        onMovedDays: (n) => picker.moveDays(n)
        onMovedMonths: (n) => picker.moveMonths(n)
        onDone: picker.close()
    }

    DatePickerJump {
        id: jump
        visible: picker.mode !== "days"
        Layout.fillWidth: true
        Layout.preferredHeight: days.implicitHeight
        months: shown
        choosingYear: picker.mode === "years"
        onYearChosen: (year) => { shown.show(year, shown.month); picker.mode = "months" }
        onMonthChosen: (month) => {
            shown.show(shown.year, month)
            picker.pick({ year: shown.year, month: month, day: picker.model.selectedDay })
            picker.mode = "days"
            days.forceActiveFocus()
        }
        onVisibleChanged: if (visible) forceActiveFocus()
    }

    Button {
        objectName: "pickerDone"
        Layout.alignment: Qt.AlignHCenter
        text: qsTranslate("Lunafold", "Done")
        highlighted: true
        Accessible.name: text
        onClicked: picker.close()
        FocusFrame { control: parent }
    }
}
