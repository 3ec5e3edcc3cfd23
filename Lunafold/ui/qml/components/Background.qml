// SPDX-License-Identifier: MIT
import QtQuick

// The screens' gradient, optionally with the star field over it.
Rectangle {
    property bool stars: false
    gradient: Gradient {
        GradientStop { position: 0; color: Theme.gradientTop }
        GradientStop { position: 1; color: Theme.viewBackground }
    }
    Image {
        anchors.fill: parent
        visible: parent.stars
        source: parent.stars ? "qrc:/MoonRenderingLibrary/starfield.svg" : ""
        // Cropped rather than stretched: stretched stars turn into streaks on a tall phone.
        fillMode: Image.PreserveAspectCrop
        sourceSize.width: Math.max(width, height)
        sourceSize.height: Math.max(width, height)
        opacity: 0.45
        Accessible.ignored: true
    }
}
