// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Window
import Lunafold
import Lunafold.Components

// A month of moons, paged by month; a day opens its detail over the whole window.
Item {
    id: view
    property bool wide: false
    property bool shown: true
    readonly property alias calendar: calendar
    readonly property alias detailPopup: detailPopup
    readonly property alias detail: detailView

    CalendarViewModel {
        id: calendar
        locator: Locator
        active: view.shown
        regularWidth: view.wide
        devicePixelRatio: Screen.devicePixelRatio
    }
    FutureDetailViewModel { id: detailModel; calendar: calendar; locator: Locator }

    Background { anchors.fill: parent }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 40
        boundsBehavior: Flickable.StopAtBounds
        ColumnLayout {
            id: column
            x: (parent.width - width) / 2
            y: 20
            width: Math.min(view.wide ? 760 : 10000, view.width - (view.wide ? 40 : 24))
            spacing: view.wide ? 16 : 10
            ScreenTitle {
                text: qsTranslate("Lunafold", "Future and Past")
                Layout.leftMargin: view.wide ? 0 : 8
            }
            RowLayout {
                Layout.leftMargin: view.wide ? 0 : 8
                spacing: 0
                Text {
                    text: calendar.monthTitle
                    color: Theme.text
                    font.weight: Font.DemiBold
                    font.pixelSize: view.wide ? Theme.title2 : Theme.headline
                    // Long month names ("septiembre de 2024") shrink rather than push the buttons off.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Math.round(font.pixelSize * 0.7)
                    Layout.fillWidth: true
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                SymbolButton {
                    objectName: "todayButton"
                    symbol: "uturn-backward"
                    name: qsTranslate("Lunafold", "Today")
                    onClicked: calendar.today()
                }
                SymbolButton {
                    objectName: "previousMonthButton"
                    symbol: "chevron-left"
                    name: qsTranslate("Lunafold", "Previous month")
                    onClicked: calendar.previousMonth()
                }
                SymbolButton {
                    objectName: "nextMonthButton"
                    symbol: "chevron-right"
                    name: qsTranslate("Lunafold", "Next month")
                    onClicked: calendar.nextMonth()
                }
            }
            GridLayout {
                Layout.fillWidth: true
                columns: 7
                columnSpacing: view.wide ? 14 : 8
                Repeater {
                    model: calendar.weekdayHeaders
                    Text {
                        required property string modelData
                        Layout.fillWidth: true
                        Layout.preferredWidth: 10
                        horizontalAlignment: Text.AlignHCenter
                        text: modelData
                        color: Theme.header
                        font.weight: Font.DemiBold
                        font.pixelSize: view.wide ? Theme.body : Theme.footnote
                    }
                }
            }
            GridLayout {
                id: grid
                Layout.fillWidth: true
                columns: 7
                columnSpacing: view.wide ? 14 : 8
                rowSpacing: view.wide ? 14 : 8
                Repeater {
                    model: calendar
                    DayCell {
                        objectName: "day" + index
                        Layout.fillWidth: true
                        Layout.preferredWidth: 10
                        Layout.minimumWidth: 10
                        wide: view.wide
                        picturePoints: calendar.cellPoints
                        onTapped: (row) => { if (calendar.selectDay(row)) view.openDetail() }
                    }
                }
            }
        }
    }

    // Left and Right page through the months while the grid shows.
    Shortcut { sequence: "Left"; enabled: view.shown && !detailPopup.visible; onActivated: calendar.previousMonth() }
    Shortcut { sequence: "Right"; enabled: view.shown && !detailPopup.visible; onActivated: calendar.nextMonth() }

    // The day covers the tab bar: another tab (Ctrl+1 … 5) shows only once it is closed.
    onShownChanged: {
        if (!shown) {
            detailView.datePicker.close()
            detailPopup.close()
        }
    }

    // "detail" opens the selected day, "datepicker" its date picker too.
    function openPage(name) {
        openDetail()
        if (name === "datepicker")
            detailView.datePicker.open()
    }

    // Over the whole window, tabs included. The overlay is only known once the view is in its
    // window, so the popup moves there when it opens.
    function openDetail() {
        detailPopup.parent = Overlay.overlay
        detailPopup.open()
    }
    Popup {
        id: detailPopup
        x: 0
        y: 0
        width: parent ? parent.width : 0
        height: parent ? parent.height : 0
        padding: 0
        // Not modal: it covers the whole window anyway, and a modal popup swallows the wheel meant
        // for the date picker opened over it.
        modal: false
        focus: true
        closePolicy: Popup.CloseOnEscape
        background: null
        FutureDetailView {
            id: detailView
            anchors.fill: parent
            model: detailModel
            wide: view.wide
            onBack: detailPopup.close()
        }
    }
}
