// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Lunafold

// The Location tab in the tab container, driven with the mouse through a real window.
Item {
    id: root
    width: 390
    height: 844

    MainView { id: main; anchors.fill: parent }

    TestCase {
        name: "LocationTab"
        when: windowShown

        property var map

        // Degrees for a few points at the map's zoom.
        function slack(points) { return points * 360 / (256 * Math.pow(2, map.zoomLevel)) }
        // The same spot within a point.
        function samePlace(a, b) {
            fuzzyCompare(a.latitude, b.latitude, slack(1))
            fuzzyCompare(a.longitude, b.longitude, slack(1))
        }

        function init() {
            main.selectedTab = 3
            map = findChild(main, "map")
            verify(map)
            testDevice.setAccess(false) // qmllint disable unqualified
            // Paris anew each time: the same place published again would not move the camera.
            Locator.setChosenLocation(0, 0)
            Locator.setChosenLocation(48.8566, 2.3522)
            tryVerify(() => !map.animating && Math.abs(map.centerLatitude - 48.8566) < 1e-9, 3000)
        }

        function test_aDragOnTheMapPansItAndKeepsTheTab() {
            for (const [dx, dy] of [[-120, 0], [150, 0], [80, -90]]) {
                init()
                const x = map.width / 2, y = map.height / 2
                const grabbed = map.coordinateAt(x, y) // the centre
                mouseDrag(map, x, y, dx, dy, Qt.LeftButton, Qt.NoModifier, 20)
                compare(main.selectedTab, 3)
                // The point pressed on followed the pointer (before any glide).
                samePlace(map.coordinateAt(x + dx, y + dy), grabbed)
                verify(Math.abs(map.centerLongitude - grabbed.longitude) > slack(50), [dx, dy])
                // A drag is not a tap: the place stays.
                compare(Locator.latitude, 48.8566)
            }
        }

        function test_aSwipeBesideTheMapStillChangesTheTab() {
            mouseDrag(main, 200, 40, -70, 0, Qt.LeftButton, Qt.NoModifier, 20) // on the title
            compare(main.selectedTab, 4)
            main.selectedTab = 3
            const card = findChild(main, "coordinateRow1")
            mouseDrag(card, 20, 5, 70, 0, Qt.LeftButton, Qt.NoModifier, 20)
            compare(main.selectedTab, 2)
        }

        function test_aTapChoosesThePlaceThroughTheLocator() {
            const tapped = map.coordinateAt(300, 100)
            mouseClick(map, 300, 100)
            // Once no second tap can follow.
            tryVerify(() => Math.abs(Locator.latitude - tapped.latitude) < 1e-9, 2000)
            fuzzyCompare(Locator.longitude, tapped.longitude, 1e-9)
            compare(main.selectedTab, 3)
            const marker = findChild(map, "marker")
            verify(marker.visible)
            compare(marker.Accessible.name, "Selected Location")
        }

        function test_aPinchZoomsAndKeepsTheTab() {
            const zoom = map.zoomLevel
            const x = map.width / 2, y = map.height / 2
            const touch = touchEvent(map)
            touch.press(0, map, x - 40, y).press(1, map, x + 40, y).commit()
            for (let step = 1; step <= 8; ++step) {
                touch.move(0, map, x - 40 - 10 * step, y).move(1, map, x + 40 + 10 * step, y).commit()
                wait(10)
            }
            touch.release(0, map, x - 120, y).release(1, map, x + 120, y).commit()
            // From 80 to 240 points apart; on a busy machine the pinch may take hold late, so the
            // scale grew by at least the last step's 240 / 220 and at most 3.
            verify(map.zoomLevel >= zoom + Math.log2(240 / 220) - 1e-9 && map.zoomLevel <= zoom + Math.log2(3) + 1e-9,
                   map.zoomLevel - zoom)
            // Spread evenly about the middle, which stays where it was.
            samePlace(map.coordinateAt(x, y), {latitude: 48.8566, longitude: 2.3522})
            compare(main.selectedTab, 3)
        }

        // The wheel zooms out by half a step, a double tap in by one, about the point under the
        // pointer; neither chooses a place.
        function test_theWheelAndADoubleTapZoomAboutThePointer() {
            for (const wheel of [true, false]) {
                init()
                const zoom = map.zoomLevel
                const before = map.coordinateAt(100, 120)
                if (wheel)
                    mouseWheel(map, 100, 120, 0, -240)
                else
                    mouseDoubleClickSequence(map, 100, 120)
                tryVerify(() => !map.animating && Math.abs(map.zoomLevel - zoom - (wheel ? -0.5 : 1)) < 1e-9)
                samePlace(map.coordinateAt(100, 120), before)
            }
            verify(map.scaleBarText !== "")
            wait(Qt.styleHints.mouseDoubleClickInterval + 100)
            compare(Locator.latitude, 48.8566)
        }

        function test_theButtonsZoomAndComeBack() {
            const zoom = map.zoomLevel
            mouseClick(findChild(map, "zoomInButton"))
            tryVerify(() => !map.animating && Math.abs(map.zoomLevel - zoom - 1) < 1e-9)
            mouseClick(findChild(map, "zoomOutButton"))
            mouseClick(findChild(map, "zoomOutButton"))
            tryVerify(() => !map.animating && Math.abs(map.zoomLevel - zoom + 1) < 1e-9)
            map.panBy(150, -100)
            verify(Math.abs(map.centerLongitude - 2.3522) > slack(100))
            mouseClick(findChild(map, "recentreButton"))
            tryVerify(() => !map.animating)
            fuzzyCompare(map.centerLatitude, 48.8566, 1e-9)
            fuzzyCompare(map.centerLongitude, 2.3522, 1e-9)
            // The zoom of a flight to the place (the map's height may have changed since).
            verify(Math.abs(map.zoomLevel - zoom) < 0.5, map.zoomLevel - zoom)
            compare(Locator.latitude, 48.8566) // buttons choose nothing
        }

        // Without tiles the map opens where the place and its neighbours are named.
        function test_namesAroundThePlaceWithoutTiles() {
            // Paris, Sydney, a village in the Alps.
            for (const [latitude, longitude] of [[48.8566, 2.3522], [-33.8688, 151.2093], [44.7016, 6.8686]]) {
                Locator.setChosenLocation(latitude, longitude)
                tryVerify(() => !map.animating && Math.abs(map.centerLatitude - latitude) < 1e-9, 3000)
                verify(!map.tilesShown)
                verify(!findChild(map, "attribution").visible)
                verify(map.labelNames.length >= 3, [latitude, longitude, map.labelNames])
            }
        }

        // The scale bar and the buttons are where the map keeps names away from, as they change.
        function test_controlsAreKeptClearOfNames() {
            for (const zoomed of [false, true]) {
                if (zoomed) {
                    mouseClick(findChild(map, "zoomOutButton"))
                    tryVerify(() => !map.animating, 3000)
                }
                const areas = map.controlAreas
                compare(areas.length, 2)
                for (const name of ["scaleBar", "mapButtons"]) {
                    const item = findChild(map, name)
                    const r = item.mapToItem(map, 0, 0, item.width, item.height)
                    verify(areas.some(a => [a.x - r.x, a.y - r.y, a.width - r.width, a.height - r.height]
                                      .every(d => Math.abs(d) < 0.5)), name + (zoomed ? " after zooming out" : ""))
                }
            }
        }

        function test_placeLineAndButton() {
            const line = findChild(main, "placeLine")
            verify(line.visible)
            compare(line.text, "Paris, Île-de-France")
            Locator.setChosenLocation(-30, -140) // the open Pacific has no place name
            verify(!line.visible)
            const button = findChild(main, "currentLocationButton")
            compare(button.text, "Current Location unavailable")
            compare(button.Accessible.name, button.text)
            verify(button.enabled)
            testDevice.setAccess(true) // qmllint disable unqualified
            compare(button.text, "Current Location")
            compare(map.Accessible.name, "Map")
        }
        // Typed letters list places; clicking one makes it the place and moves the map there.
        function test_searchByNameAndChoose() {
            const field = findChild(main, "placeSearchField")
            mouseClick(field)
            for (const key of [Qt.Key_C, Qt.Key_H, Qt.Key_A, Qt.Key_M, Qt.Key_O, Qt.Key_N])
                keyClick(key)
            const results = findChild(main, "placeSearchModel")
            tryVerify(() => results.count > 0, 3000)
            const first = findChild(main, "placeResult0")
            verify(first && first.visible)
            compare(first.title, "Chamonix-Mont-Blanc")
            mouseClick(first)
            tryCompare(Locator, "friendlyLocationText", "Chamonix-Mont-Blanc, Rhône-Alpes")
            fuzzyCompare(Locator.latitude, 45.92375, 1e-6)
            compare(field.text, "")
            compare(results.count, 0)
            tryVerify(() => !map.animating && Math.abs(map.centerLatitude - 45.92375) < 1e-6, 3000)
            compare(main.selectedTab, 3)
        }
    }
}
