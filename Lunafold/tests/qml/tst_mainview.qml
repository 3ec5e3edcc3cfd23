// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Lunafold

// The swipe between tabs, driven through a real window with the mouse.
Item {
    id: root
    width: 390; height: 844

    MainView { id: main; anchors.fill: parent }
    Component { id: freshView; MainView { anchors.fill: parent } }

    TestCase {
        name: "MainView"
        when: windowShown

        function swipe(dx, dy) {
            mouseDrag(main, 200, 400, dx, dy, Qt.LeftButton, Qt.NoModifier, 20)
            wait(20)
        }

        function test_swipes_data() {
            return [
                { tag: "right 60 from Now wraps to Settings", from: 0, dx: 60, dy: 0, to: 4 },
                { tag: "left 60 from Settings wraps to Now", from: 4, dx: -60, dy: 0, to: 0 },
                { tag: "left 51 moves on", from: 2, dx: -51, dy: 0, to: 3 },
                { tag: "right 51 moves back", from: 2, dx: 51, dy: 0, to: 1 },
                { tag: "exactly 50 stays", from: 2, dx: -50, dy: 0, to: 2 },
                { tag: "mostly vertical stays", from: 2, dx: -30, dy: 200, to: 2 },
                { tag: "under the drag threshold stays", from: 2, dx: 8, dy: 0, to: 2 }
            ]
        }
        function test_swipes(data) {
            main.selectedTab = data.from
            swipe(data.dx, data.dy)
            compare(main.selectedTab, data.to)
        }

        // Start-up builds the shown tab alone; another is built on its first visit, then kept.
        function test_tabsAreBuiltOnTheirFirstVisitAndKept() {
            const view = createTemporaryObject(freshView, root)
            verify(findChild(view, "nowModel"))
            verify(!findChild(view, "futureView"))
            verify(!findChild(view, "locationModel"))
            view.selectedTab = 2
            const future = findChild(view, "futureView")
            verify(future)
            view.selectedTab = 0
            view.selectedTab = 2
            compare(findChild(view, "futureView"), future)
            verify(!findChild(view, "locationModel"))
        }

        function test_tabButtonsAndSwipesShareTheSelection() {
            const tabs = findChild(main, "tabBar")
            main.selectedTab = 4 // not the Location tab, whose map keeps drags for itself
            swipe(-70, 0)
            compare(tabs.currentIndex, 0)
            main.selectedTab = 7 // no such tab
            compare(main.selectedTab, 0)
        }
    }
}
