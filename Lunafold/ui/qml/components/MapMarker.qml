// SPDX-License-Identifier: MIT
import QtQuick

// A map marker: a pin whose tip is at (tipX, tipY) in the parent, with its title below.
Item {
    id: marker
    property real tipX
    property real tipY
    property string title
    x: tipX - width / 2
    y: tipY - pin.height
    width: Math.max(pin.width, label.implicitWidth)
    height: pin.height + label.implicitHeight + 2
    Accessible.role: Accessible.Graphic
    Accessible.name: title

    Image {
        id: pin
        anchors.horizontalCenter: parent.horizontalCenter
        width: 30
        height: 42
        sourceSize.width: width
        sourceSize.height: height
        source: "qrc:/icons/marker.svg"
        Accessible.ignored: true
    }
    Text {
        id: label
        anchors { horizontalCenter: parent.horizontalCenter; top: pin.bottom; topMargin: 2 }
        text: marker.title
        color: Theme.text
        style: Text.Outline
        styleColor: Theme.textOutline
        font.pixelSize: Theme.caption
        font.weight: Font.DemiBold
        Accessible.ignored: true
    }
}
