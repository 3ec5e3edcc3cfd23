// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Lunafold

// The app without a mouse: real key events through the window, and what a screen reader is told.
Item {
    id: root
    width: 390; height: 844

    MainView { id: main; anchors.fill: parent }

    TestCase {
        name: "Keyboard"
        when: windowShown

        property var future
        property var settings

        // Tabs are built on their first visit.
        function initTestCase() {
            main.selectedTab = 2
            future = findChild(main, "futureView")
            main.selectedTab = 4
            settings = findChild(main, "settingsView")
        }

        function focused() { return root.Window.window.activeFocusItem }
        function keys(...list) { for (const key of list) keyClick(key) }
        function focusRingShows(item) {
            return Array.from(item.children).some(c => c.control === item && c.border !== undefined && c.visible)
        }
        function tabTo(objectName) {
            for (let i = 0; i < 60; ++i) {
                keyClick(Qt.Key_Tab)
                if (focused() && focused().objectName === objectName)
                    return focused()
            }
            fail("Tab never reached " + objectName)
        }

        function init() {
            future.detail.datePicker.close()
            future.detailPopup.close()
            tryVerify(() => !future.detailPopup.visible)
            settings.openPage("")
            main.selectedTab = 0
            main.forceActiveFocus()
        }

        function test_controlDigitsShowTheTabs() {
            for (let tab = 0; tab < 5; ++tab) {
                main.selectedTab = tab === 0 ? 3 : 0
                keyClick(Qt.Key_1 + tab, Qt.ControlModifier)
                compare(main.selectedTab, tab, "Ctrl+" + (tab + 1))
            }
        }

        // The open day and its date picker cover the tab bar: a tab shortcut closes them.
        function test_controlDigitsLeaveTheOpenDay_data() {
            return [{ tag: "Ctrl+1 from the day", page: "detail", key: Qt.Key_1, tab: 0 },
                    { tag: "Ctrl+5 from the date picker", page: "datepicker", key: Qt.Key_5, tab: 4 }]
        }
        function test_controlDigitsLeaveTheOpenDay(data) {
            main.selectedTab = 2
            future.calendar.today()
            future.openPage(data.page)
            const picker = future.detail.datePicker
            tryVerify(() => future.detailPopup.opened && picker.opened === (data.page === "datepicker"))
            keyClick(data.key, Qt.ControlModifier)
            compare(main.selectedTab, data.tab)
            tryVerify(() => !future.detailPopup.visible && !picker.visible)
            // Back on Future, the month grid shows and the arrows page its months, not the old day's.
            keyClick(Qt.Key_3, Qt.ControlModifier)
            verify(!future.detailPopup.visible)
            keyClick(Qt.Key_Right)
            compare(future.calendar.monthTitle, "May, 2024")
        }

        function test_tabMovesAVisibleFocusInReadingOrderAndKeysActivate() {
            main.selectedTab = 4
            const notifications = tabTo("notificationSettingsRow")
            verify(focusRingShows(notifications))
            keyClick(Qt.Key_Tab)
            verify(focused().objectName === "aboutRow" && focusRingShows(focused()))
            verify(!focusRingShows(notifications))
            keyClick(Qt.Key_Tab, Qt.ShiftModifier)
            compare(focused().objectName, "notificationSettingsRow")
            keys(Qt.Key_Tab, Qt.Key_Space)
            const stack = findChild(settings, "settingsStack")
            tryCompare(stack, "depth", 2)
            keyClick(Qt.Key_Escape)
            tryCompare(stack, "depth", 1)
        }

        function test_arrowsStepMonthsThenDaysAndEscapeCloses() {
            main.selectedTab = 2
            future.calendar.today()
            keyClick(Qt.Key_Left) // Right is checked when leaving the open day
            compare(future.calendar.monthTitle, "March, 2024")
            future.calendar.today()
            const day = tabTo("day23") // 23 April: the grid begins on Sunday 31 March
            verify(focusRingShows(day))
            compare(day.Accessible.name, "23rd ")
            keyClick(Qt.Key_Return)
            tryVerify(() => future.detailPopup.opened)
            const date = findChild(future.detail, "dateButton")
            compare(date.text, "Apr 23, 2024")
            keys(Qt.Key_Right, Qt.Key_Right, Qt.Key_Left)
            compare(date.text, "Apr 24, 2024")
            keyClick(Qt.Key_Escape)
            tryVerify(() => !future.detailPopup.visible)
        }

        function test_datePickerReachesTheEndsFromTheKeyboardAndPicksWithATap() {
            main.selectedTab = 2
            future.openPage("datepicker")
            const picker = future.detail.datePicker
            tryVerify(() => picker.opened)
            const date = findChild(future.detail, "dateButton")
            compare(date.text, "Apr 23, 2024")
            keyClick(Qt.Key_Down)
            compare(date.text, "Apr 30, 2024")
            keyClick(Qt.Key_PageDown)
            compare(date.text, "May 30, 2024")
            keyClick(Qt.Key_PageUp, Qt.ShiftModifier)
            compare(date.text, "May 30, 2023")
            compare(picker.months.title, "May 2023")
            // The title opens the years; Home is 1901, then a month.
            mouseClick(findChild(picker.contentItem, "pickerTitle"))
            compare(picker.mode, "years")
            compare(findChild(picker.contentItem, "pickerYears").currentIndex, 2023 - 1901)
            keys(Qt.Key_Home, Qt.Key_Return)
            compare(picker.mode, "months")
            keys(Qt.Key_Left, Qt.Key_Return) // from May to April
            compare(date.text, "Apr 30, 1901")
            compare(picker.mode, "days")
            keys(Qt.Key_PageUp, Qt.Key_PageUp, Qt.Key_PageUp, Qt.Key_PageUp)
            compare(date.text, "Jan 1, 1901") // not before the first day; the last is tst_datepicker's
            verify(!findChild(picker.contentItem, "pickerPreviousMonth").enabled)
            mouseClick(findChild(picker.contentItem, "pickerTitle"))
            keys(Qt.Key_End, Qt.Key_Return, Qt.Key_End, Qt.Key_Return) // 2099, December
            compare(date.text, "Dec 1, 2099")
            mouseClick(findChild(picker.contentItem, "pickerPreviousMonth"))
            compare(picker.months.title, "November 2099")
            const day = findChild(picker.contentItem, "pickerDay9")
            compare(day.Accessible.name, "Monday, November 9, 2099")
            mouseClick(day)
            compare(date.text, "Nov 9, 2099")
            mouseClick(findChild(picker.contentItem, "pickerDone"))
            tryVerify(() => !picker.visible)
        }

        function test_moonPicturesAreDescribed() {
            const picture = findChild(main, "moonImage")
            compare(picture.Accessible.role, Accessible.Graphic)
            compare(picture.Accessible.name, "Waxing gibbous, 100% lit") // 99.77 % lit
        }

        function test_linksShowTheirAddressWhenNoBrowserOpens() {
            main.selectedTab = 4
            settings.openPage("about")
            tryCompare(findChild(settings, "settingsStack"), "busy", false)
            const contact = findChild(settings, "contactRow")
            mouseClick(contact) // the offscreen platform has no browser
            const dialog = findChild(settings, "linkDialog")
            tryVerify(() => dialog.opened)
            verify(dialog.address.startsWith("https://lunafold.app/contact?app=Lunafold&ver="))
            compare(findChild(dialog.contentItem, "linkAddress").text, dialog.address)
            keyClick(Qt.Key_Escape)
            tryVerify(() => !dialog.visible)
        }
    }
}
