// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold
import Lunafold.Components

// Which phases are announced and how; every change is saved and rescheduled at once.
Flickable {
    id: view
    property bool wide: false
    signal back()
    contentHeight: column.implicitHeight + 40
    boundsBehavior: Flickable.StopAtBounds

    NotificationsViewModel { id: model; settings: SavedData }

    ColumnLayout {
        id: column
        x: Math.max(20, (view.width - width) / 2)
        y: 12
        width: Math.min(680, view.width - 40)
        spacing: 20
        TitleBar { title: qsTranslate("Lunafold", "Notifications"); onBack: view.back() }
        Group {
            wide: view.wide
            inset: 12
            title: qsTranslate("Lunafold", "A notice comes 24 hours before each event; also:")
            ToggleRow { first: true; wide: view.wide; objectName: "howlToggle"; label: qsTranslate("Lunafold", "Howling Notifications"); checked: model.notifyHowl; onToggled: (on) => model.notifyHowl = on }
            ToggleRow { wide: view.wide; objectName: "twelveToggle"; label: qsTranslate("Lunafold", "Notify 12 hours before"); checked: model.notify12; onToggled: (on) => model.notify12 = on }
            ToggleRow { wide: view.wide; objectName: "exactToggle"; label: qsTranslate("Lunafold", "Notify at the Exact Moment"); checked: model.notifyExact; onToggled: (on) => model.notifyExact = on }
            ToggleRow { wide: view.wide; objectName: "quarterToggle"; label: qsTranslate("Lunafold", "Quarter Moon Notifications"); checked: model.notifyQuarter; onToggled: (on) => model.notifyQuarter = on }
        }
        WideButton {
            objectName: "howlTestButton"
            text: qsTranslate("Lunafold", "Wolf Howl test")
            icon.source: "qrc:/icons/speaker.svg"
            onClicked: App.playHowl()
        }
        Group {
            wide: view.wide
            inset: 12
            ToggleRow { first: true; wide: view.wide; objectName: "fullToggle"; label: qsTranslate("Lunafold", "Full Moon Notifications"); checked: model.notifyFull; onToggled: (on) => model.notifyFull = on }
            ToggleRow { wide: view.wide; objectName: "newToggle"; label: qsTranslate("Lunafold", "New Moon Notifications"); checked: model.notifyNew; onToggled: (on) => model.notifyNew = on }
        }
        Group {
            wide: view.wide
            inset: 12
            title: qsTranslate("Lunafold", "Current Location")
            ToggleRow { first: true; wide: view.wide; objectName: "locationToggle"; label: qsTranslate("Lunafold", "Current Location on Startup"); checked: model.useCurrentLocation; onToggled: (on) => model.useCurrentLocation = on }
        }
        WideButton {
            objectName: "exportButton"
            text: qsTranslate("Lunafold", "Export to calendar")
            icon.source: "qrc:/icons/calendar-export.svg"
            onClicked: exportDialog.open()
        }
        Text {
            id: exportStatus
            visible: text !== ""
            color: Theme.secondaryText
            font.pixelSize: Theme.footnote
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }

    SaveDialog {
        id: exportDialog
        objectName: "exportDialog"
        title: qsTranslate("Lunafold", "Export to calendar")
        path: model.suggestedCalendarFile
        onSaveRequested: (path) => {
            const error = model.exportCalendar(path)
            if (error !== "") {
                status = error
                return
            }
            close()
            exportStatus.text = qsTranslate("Lunafold", "The next twelve months of phases were saved with their alarms.")
        }
    }
}
