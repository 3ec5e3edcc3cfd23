// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Window
import Lunafold
import Lunafold.Components

// The moon now: countdowns, today's phase, the illuminated share, the picture and two buttons.
Item {
    id: view
    property bool wide: false
    property bool shown: true
    signal shareRequested()
    signal howlRequested()

    NowViewModel {
        id: model
        locator: Locator
        objectName: "nowModel"
        // The platform's interface orientations: portrait 1, upside down 2, landscape left 3, right 4.
        interfaceOrientation: Screen.orientation === Qt.InvertedPortraitOrientation ? 2
                            : Screen.orientation === Qt.LandscapeOrientation ? 3
                            : Screen.orientation === Qt.InvertedLandscapeOrientation ? 4 : 1
        active: view.shown
        // Not before the layout has sized the moon: a picture of a size never shown delays start-up.
        rasterPixels: moonArea.diameter > 0 ? Math.round(model.rasterEdge(moonArea.diameter) * Screen.devicePixelRatio) : 0
    }

    Background { anchors.fill: parent; stars: true }

    // A wide screen held upright puts the moon, large, under the texts rather than beside them:
    // beside them it would be small over an empty half screen.
    readonly property bool besides: wide && width > height

    GridLayout {
        anchors.fill: parent
        columns: view.besides ? 2 : 1
        columnSpacing: 0
        rowSpacing: 0

        ColumnLayout {
            id: texts
            Layout.margins: 20
            // Beside the moon: a column of up to 540 points; above it: the full width (at most 680
            // points on a tablet, centred).
            Layout.preferredWidth: view.besides ? Math.min(540, view.width * 0.5) : -1
            Layout.maximumWidth: view.besides ? 540 : view.wide ? 680 : -1
            Layout.fillWidth: !view.besides
            Layout.alignment: view.besides ? Qt.AlignTop : Qt.AlignTop | Qt.AlignHCenter
            spacing: 20
            ScreenTitle {
                text: qsTranslate("Lunafold", "Moon Phase")
            }
            Section {
                Layout.fillWidth: true
                wide: view.wide
                title: qsTranslate("Lunafold", "Upcoming")
                TextRow { first: true; wide: view.wide; label: model.firstCountdown }
                TextRow { wide: view.wide; label: model.secondCountdown }
            }
            Section {
                Layout.fillWidth: true
                wide: view.wide
                title: qsTranslate("Lunafold", "Now")
                TextRow { first: true; wide: view.wide; label: model.phaseSentence }
                TextRow {
                    wide: view.wide
                    oneLine: true
                    label: model.moonRow
                }
            }
        }

        Item {
            id: moonArea
            Layout.fillWidth: true
            Layout.fillHeight: true
            readonly property real diameter: model.moonDiameter(width, height, view.wide)

            Image {
                anchors.centerIn: moonImage
                visible: model.showPointer
                source: visible ? "qrc:/MoonRenderingLibrary/pointeronly.svg" : ""
                height: 1.5 * moonArea.diameter
                width: height
                sourceSize.height: height
                fillMode: Image.PreserveAspectFit
                rotation: model.pointerRotation
                Accessible.ignored: true
            }
            Image {
                id: moonImage
                objectName: "moonImage"
                anchors.horizontalCenter: parent.horizontalCenter
                y: Math.max(10, (parent.height - height - buttons.height - 20) / 2)
                width: moonArea.diameter
                height: moonArea.diameter
                source: moonArea.diameter > 0 ? model.moonImageSource : ""
                cache: false
                smooth: true
                Accessible.role: Accessible.Graphic
                Accessible.name: model.moonDescription
            }
            RowLayout {
                id: buttons
                anchors.top: moonImage.bottom
                anchors.topMargin: 10
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 24
                ToolButton {
                    objectName: "howlButton"
                    icon.source: "qrc:/MoonRenderingLibrary/wolficon.svg"
                    icon.width: 25
                    icon.height: 25
                    icon.color: Theme.text
                    background: Rectangle { color: Theme.clear }
                    Accessible.name: qsTranslate("Lunafold", "Wolf Howl")
                    onClicked: view.howlRequested()
                    FocusFrame { control: parent }
                }
                ToolButton {
                    objectName: "shareButton"
                    icon.source: "qrc:/icons/share.svg"
                    icon.width: 25
                    icon.height: 25
                    icon.color: Theme.secondaryIcon
                    background: Rectangle { color: Theme.clear }
                    Accessible.name: qsTranslate("Lunafold", "Share")
                    onClicked: view.shareRequested()
                    FocusFrame { control: parent }
                }
            }
        }
    }
}
