// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lunafold

// Day, month and year wheels for the detail's date; the years run from 1901 to 2099 only, and
// the model keeps every pick inside that range.
Popup {
    id: picker
    required property FutureDetailViewModel model
    readonly property alias yearWheel: year

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    padding: 16
    background: Rectangle { color: "#2c2a3a"; radius: 14 }

    property bool syncing: false
    // Jumps straight to the model's date: an animated turn across two centuries takes a while.
    function sync() {
        syncing = true
        day.show(model.selectedDay - 1)
        month.show(model.selectedMonth - 1)
        year.show(model.selectedYear - model.minimumYear)
        syncing = false
    }
    // A day the month lacks (31 February) is brought back by the model, and the wheel follows.
    function apply() {
        // Only what the user turns counts: the wheels also move while they are built and synced.
        if (!opened || syncing || day.moving || month.moving || year.moving)
            return
        model.pickDate(year.currentIndex + model.minimumYear, month.currentIndex + 1, day.currentIndex + 1)
        sync()
    }
    onAboutToShow: sync()
    onOpened: sync()

    // Numbered wheels show first + index; the month wheel shows its names.
    component Wheel: Tumbler {
        id: wheel
        property bool numbered: true
        property int first: 1
        visibleItemCount: 5
        function show(i) {
            currentIndex = i
            positionViewAtIndex(i, Tumbler.Center)
        }
        onMovingChanged: picker.apply()
        onCurrentIndexChanged: picker.apply()
        delegate: Component {
            Text {
                required property var modelData
                required property int index
                text: wheel.numbered ? wheel.first + index : modelData
                color: "white"
                font.pixelSize: Theme.body
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                opacity: 1.0 - Math.abs(Tumbler.displacement) / (wheel.visibleItemCount / 2)
            }
        }
    }

    contentItem: ColumnLayout {
        spacing: 12
        Item {
            implicitWidth: wheels.implicitWidth
            implicitHeight: wheels.implicitHeight
            // The band of the chosen row.
            Rectangle {
                width: parent.width
                height: parent.height / day.visibleItemCount
                anchors.verticalCenter: parent.verticalCenter
                radius: 8
                color: Theme.separator
            }
            RowLayout {
                id: wheels
                spacing: 8
                Wheel {
                    id: day
                    model: 31
                    implicitWidth: 48
                    Accessible.name: qsTranslate("Lunafold", "Day")
                }
                Wheel {
                    id: month
                    model: picker.model.monthNames
                    implicitWidth: 130
                    numbered: false
                    Accessible.name: qsTranslate("Lunafold", "Month")
                }
                Wheel {
                    id: year
                    model: picker.model.maximumYear - picker.model.minimumYear + 1
                    implicitWidth: 72
                    wrap: false // 2099 is not followed by 1901
                    first: picker.model.minimumYear
                    Accessible.name: qsTranslate("Lunafold", "Year")
                }
            }
        }
        Button {
            Layout.alignment: Qt.AlignHCenter
            text: qsTranslate("Lunafold", "Done")
            highlighted: true
            Accessible.name: text
            onClicked: picker.close()
        }
    }
}
