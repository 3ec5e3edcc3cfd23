// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import QtQuick.Window

// One day of the month grid. Days of the neighbouring months keep only an invisible number so
// the grid keeps its shape; they are silent and ignore taps.
Item {
    id: cell
    required property int index
    required property string dayText
    required property bool inMonth
    required property string phaseLabel
    required property string accessibilityLabel
    required property string moonImage
    property bool wide: false
    property real picturePoints: 35
    signal tapped(int index)

    readonly property real inset: wide ? 8 : 5
    // From the picture's size alone: a size that followed the given width would unsettle the grid.
    implicitWidth: picturePoints + 2 * inset
    implicitHeight: column.implicitHeight + 2 * inset

    Column {
        id: column
        anchors.centerIn: parent
        width: Math.min(cell.picturePoints, cell.width - 2 * cell.inset)
        spacing: 2
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: cell.dayText
            color: cell.inMonth ? Theme.text : Theme.clear
            font.pixelSize: cell.wide ? Theme.body : Theme.caption
            Accessible.ignored: true // the cell speaks for its parts
        }
        Image {
            visible: cell.inMonth
            width: parent.width
            height: width
            source: cell.inMonth ? cell.moonImage : ""
            fillMode: Image.PreserveAspectFit
            smooth: true
            Accessible.ignored: true
        }
        Text {
            visible: cell.inMonth
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: cell.phaseLabel.length > 0 ? cell.phaseLabel : " "
            color: Theme.text
            font.bold: true
            font.pixelSize: cell.wide ? Theme.caption : Theme.caption2
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 7
            Accessible.ignored: true
        }
    }

    TapHandler {
        enabled: cell.inMonth
        onTapped: cell.tapped(cell.index)
    }

    Accessible.ignored: !inMonth
    Accessible.role: Accessible.Button
    Accessible.name: accessibilityLabel
    Accessible.description: qsTranslate("Lunafold", "Shows moon details")
    Accessible.onPressAction: if (inMonth) tapped(index)
    activeFocusOnTab: inMonth
    Keys.onReturnPressed: tapped(index)
    Keys.onEnterPressed: tapped(index)
    Keys.onSpacePressed: tapped(index)
    FocusFrame { control: cell; inset: 1 }
}
