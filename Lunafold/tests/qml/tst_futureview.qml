// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Lunafold.Screens

// April 2024 in Paris, weeks from Sunday: 31 March leads the grid, 30 April is cell 30.
Item {
    width: 390
    height: 844

    FutureView { id: view; anchors.fill: parent; shown: true }

    TestCase {
        name: "FutureView"
        when: windowShown

        function cell(i) { return findChild(view, "day" + i) }
        function detailButton(name) { return findChild(view.detail, name) }

        function init() {
            view.detailPopup.close()
            tryVerify(() => !view.detailPopup.visible)
            view.calendar.today()
            waitForRendering(view)
        }

        function test_nextDayFromTheLastDayShowsTheFirstOfTheNextMonth() {
            const last = cell(30)
            compare(last.dayText, "30")
            compare(last.Accessible.name, "30th ")
            compare(last.Accessible.description, "Shows moon details")
            compare(cell(24).Accessible.name, "24th Full")
            mouseClick(last)
            tryVerify(() => view.detailPopup.opened)
            compare(detailButton("dateButton").text, "Apr 30, 2024")
            mouseClick(detailButton("nextDayButton"))
            compare(detailButton("dateButton").text, "May 1, 2024")
            compare(view.calendar.monthTitle, "May, 2024")
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
            compare(view.calendar.monthTitle, "April, 2024")
        }

        function test_datePickerOffersOnly1901To2099() {
            mouseClick(cell(15))
            tryVerify(() => view.detailPopup.opened)
            mouseClick(detailButton("dateButton"))
            const picker = view.detail.datePicker
            tryVerify(() => picker.opened)
            const title = findChild(picker.contentItem, "pickerTitle")
            mouseClick(title)
            const years = findChild(picker.contentItem, "pickerYears")
            compare(years.count, 199)
            compare(years.currentIndex, 2024 - 1901)
            years.choose(years.count - 1)
            findChild(picker.contentItem, "pickerMonths").choose(3)
            compare(detailButton("dateButton").text, "Apr 15, 2099")
            mouseClick(title)
            findChild(picker.contentItem, "pickerYears").choose(0)
            findChild(picker.contentItem, "pickerMonths").choose(3)
            compare(detailButton("dateButton").text, "Apr 15, 1901")
            picker.close()
        }
    }
}
