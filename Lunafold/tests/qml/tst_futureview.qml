// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Lunafold.Screens

// April 2024 in Paris, weeks from Sunday: 31 March leads the grid, 30 April is cell 30.
Item {
    width: 390; height: 844

    FutureView { id: view; anchors.fill: parent; shown: true }

    TestCase {
        name: "FutureView"
        when: windowShown

        function cell(i) { return findChild(view, "day" + i) }
        function detailButton(name) { return findChild(view.detail, name) }

        function init() {
            view.detail.datePicker.close()
            view.detailPopup.close()
            tryVerify(() => !view.detailPopup.visible)
            view.calendar.today()
            waitForRendering(view)
        }

        function test_nextDayFromTheLastDayShowsTheFirstOfTheNextMonth() {
            const last = cell(30)
            compare(last.Accessible.description, "Shows moon details")
            mouseClick(last)
            tryVerify(() => view.detailPopup.opened)
            compare(detailButton("dateButton").text, "Apr 30, 2024")
            mouseClick(detailButton("nextDayButton"))
            compare(detailButton("dateButton").text, "May 1, 2024") // the grid follows: tst_future
            mouseClick(detailButton("backButton"))
            tryVerify(() => !view.detailPopup.visible)
        }

        function test_trailingCellsIgnoreTaps() {
            const before = view.calendar.selectedDate
            for (const i of [0, 31, 34]) { // 31 March, 1 and 4 May
                const trailing = cell(i)
                verify(!trailing.inMonth)
                verify(trailing.Accessible.ignored)
                mouseClick(trailing)
            }
            wait(50)
            verify(!view.detailPopup.visible)
            compare(view.calendar.selectedDate, before)
        }

        // The open day is not modal (so the wheel reaches its date picker): it still keeps the
        // keyboard focus and the taps from the month grid it covers.
        function test_theOpenDayKeepsFocusAndTapsFromTheGrid() {
            mouseClick(cell(23))
            tryVerify(() => view.detailPopup.opened)
            const within = (item) => { for (; item; item = item.parent) if (item === view.detail) return true; return false }
            for (let i = 0; i < 25; ++i) {
                keyClick(Qt.Key_Tab)
                verify(within(view.Window.window.activeFocusItem), "Tab " + (i + 1) + " left the day")
            }
            const behind = cell(2).mapToItem(view, cell(2).width / 2, cell(2).height / 2) // 2 April
            mouseClick(view, behind.x, behind.y)
            wait(50)
            compare(detailButton("dateButton").text, "Apr 23, 2024")
            compare(view.calendar.monthTitle, "April, 2024")
        }

        // A notch of the wheel turns a month, down to the later ones; a touchpad's small steps add
        // up, but not from one opening of the picker to the next. The range's ends are tst_datepicker's.
        function test_wheelTurnsThePickersMonths_data() {
            return [
                { tag: "touchpad steps short of a notch", steps: [-40, -40], title: "April 2024" },
                { tag: "into the year before", steps: [120, 120, 120, 120], title: "December 2023" },
                { tag: "touchpad steps that add up", steps: [-90, 60, -90], title: "May 2024" },
            ]
        }
        function test_wheelTurnsThePickersMonths(data) {
            mouseClick(cell(23))
            tryVerify(() => view.detailPopup.opened)
            mouseClick(detailButton("dateButton"))
            const picker = view.detail.datePicker
            tryVerify(() => picker.opened)
            compare(picker.months.title, "April 2024")
            const day = findChild(picker.contentItem, "pickerDay9")
            data.steps.forEach(step => mouseWheel(day, day.width / 2, day.height / 2, 0, step))
            compare(picker.months.title, data.title)
            compare(detailButton("dateButton").text, "Apr 23, 2024") // turning picks nothing
            picker.close()
            tryVerify(() => !picker.visible)
        }
    }
}
