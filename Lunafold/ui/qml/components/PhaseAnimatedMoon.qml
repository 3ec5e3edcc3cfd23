// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Window
import Lunafold

// The moon for an instant that can be animated: while dateInterval eases to a new value, every
// frame asks for the picture of the instant in between, so the phase visibly sweeps.
Image {
    id: moon
    property real dateInterval: 0      // seconds since 2001-01-01T00:00:00Z
    property real rasterExtent: 220    // the picture's edge in points
    property real latitude: 0
    property real longitude: 0
    property bool animated: true

    Behavior on dateInterval {
        enabled: moon.animated && !MotionPreference.reduceMotion
        // qmllint disable unqualified
        NumberAnimation { duration: 600; easing.type: Easing.Bezier; easing.bezierCurve: [0.42, 0, 0.58, 1, 1, 1] }
        // qmllint enable unqualified
    }

    source: MoonPictures.upright(dateInterval, latitude, longitude, Math.round(rasterExtent * Screen.devicePixelRatio))
    fillMode: Image.PreserveAspectFit
    cache: false
    smooth: true
    Accessible.ignored: true
}
