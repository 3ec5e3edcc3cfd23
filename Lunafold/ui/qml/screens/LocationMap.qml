// SPDX-License-Identifier: MIT
import QtQuick
import Lunafold
import Lunafold.Components

// The Location screen's map: drag (with a glide) to pan, pinch, wheel, double tap or the buttons to
// zoom, tap to choose the place.
MapView {
    id: map
    locator: Locator
    clip: true
    Accessible.role: Accessible.Graphic
    Accessible.name: qsTranslate("Lunafold", "Map")

    // A drag here pans the map and never turns into the tab swipe: this handler may take the
    // point from any other and gives it up only to the pinch below, not to another drag. Its
    // threshold is the tap's, so a press is either a tap or a drag, never both.
    DragHandler {
        target: null
        grabPermissions: PointerHandler.CanTakeOverFromAnything | PointerHandler.ApprovesTakeOverByHandlersOfDifferentType
        property vector2d applied
        property vector2d velocity
        property double movedAt: 0
        onActiveChanged: {
            // A finger that stopped before it let go does not throw the map.
            if (!active && Date.now() - movedAt < 100)
                map.fling(velocity.x, velocity.y)
            applied = Qt.vector2d(0, 0)
            velocity = Qt.vector2d(0, 0)
        }
        onTranslationChanged: {
            if (!active)
                return
            map.panBy(activeTranslation.x - applied.x, activeTranslation.y - applied.y)
            applied = activeTranslation
            velocity = centroid.velocity
            movedAt = Date.now()
        }
    }

    PinchHandler {
        target: null
        grabPermissions: PointerHandler.CanTakeOverFromAnything
        property real appliedScale: 1
        property point lastCentroid
        onActiveChanged: {
            appliedScale = 1
            lastCentroid = centroid.position
        }
        onUpdated: {
            if (!active)
                return
            map.panBy(centroid.position.x - lastCentroid.x, centroid.position.y - lastCentroid.y)
            map.zoomBy(activeScale / appliedScale, centroid.position.x, centroid.position.y)
            appliedScale = activeScale
            lastCentroid = centroid.position
        }
    }

    WheelHandler {
        target: null
        onWheel: (event) => map.zoomBy(Math.pow(2, event.angleDelta.y / 480), point.position.x, point.position.y)
    }

    // A tap chooses the place once it is clear that no second tap follows; a double tap zooms in.
    TapHandler {
        onTapped: (point) => {
            if (singleTap.running) {
                singleTap.stop()
                map.zoomAround(2, point.position.x, point.position.y)
            } else {
                singleTap.at = point.position
                singleTap.restart()
            }
        }
    }
    Timer {
        id: singleTap
        property point at
        // Qt 6.4 describes styleHints to tools as a plain QObject.
        interval: Qt.styleHints.mouseDoubleClickInterval // qmllint disable type
        onTriggered: map.tapAt(at.x, at.y)
    }

    MapMarker {
        objectName: "marker"
        visible: map.hasMarker
        tipX: map.markerPoint.x
        tipY: map.markerPoint.y
        title: qsTranslate("Lunafold", "Selected Location")
    }

    // Names are laid out around the controls drawn over the map, never under them.
    controlAreas: [Qt.rect(scaleBar.x, scaleBar.y, scaleBar.width, scaleBar.height),
                   Qt.rect(buttons.x, buttons.y, buttons.width, buttons.height)]

    ScaleBar {
        id: scaleBar
        objectName: "scaleBar"
        anchors { left: parent.left; top: parent.top; margins: 10 }
        barWidth: map.scaleBarWidth
        text: map.scaleBarText
    }

    MapButtons {
        id: buttons
        objectName: "mapButtons"
        anchors { right: parent.right; top: parent.top; margins: 10 }
        canRecentre: map.hasMarker
        onZoomIn: map.zoomAround(2, map.width / 2, map.height / 2)
        onZoomOut: map.zoomAround(0.5, map.width / 2, map.height / 2)
        onRecentre: map.recentre()
    }

    // The tiles' licence asks for this whenever they show.
    Rectangle {
        objectName: "attribution"
        visible: map.tilesShown
        anchors { right: parent.right; bottom: parent.bottom }
        width: credit.implicitWidth + 10
        height: credit.implicitHeight + 4
        color: Theme.mapCredit
        Accessible.role: Accessible.StaticText
        Accessible.name: credit.text
        Text {
            id: credit
            anchors.centerIn: parent
            text: qsTranslate("Lunafold", "© OpenStreetMap contributors")
            color: Theme.text
            font.pixelSize: Theme.caption
            Accessible.ignored: true
        }
    }
}
