// SPDX-License-Identifier: MIT
import QtQuick
import Lunafold
import "../components"

// The Location screen's map: drag to pan, pinch or wheel to zoom, tap to choose the place.
MapView {
    id: map
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
        onActiveChanged: applied = Qt.vector2d(0, 0)
        onTranslationChanged: {
            if (!active)
                return
            map.panBy(activeTranslation.x - applied.x, activeTranslation.y - applied.y)
            applied = activeTranslation
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

    TapHandler {
        onTapped: map.tapAt(point.position.x, point.position.y)
    }

    MapMarker {
        objectName: "marker"
        visible: map.hasMarker
        tipX: map.markerPoint.x
        tipY: map.markerPoint.y
        title: qsTranslate("Lunafold", "Selected Location")
    }

    ScaleBar {
        anchors { left: parent.left; top: parent.top; margins: 10 }
        barWidth: map.scaleBarWidth
        text: map.scaleBarText
    }
}
