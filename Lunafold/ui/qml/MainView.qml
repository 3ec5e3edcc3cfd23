// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold
import Lunafold.Components
import Lunafold.Screens

// The five tabs; a horizontal swipe moves to the neighbouring tab, wrapping at the ends.
Item {
    id: root
    property bool wide: false
    readonly property alias model: model
    property alias selectedTab: model.selectedTab
    signal reviewWanted()
    signal shareRequested()
    signal howlRequested()

    MainViewModel { id: model }

    // One bit per tab built so far: the first frame needs the Now tab alone, and each other tab is
    // built on its first visit, then kept with its state.
    property int builtTabs: 0
    function built(tab: int): int { return (builtTabs & 1 << tab) !== 0 ? 1 : 0 }

    StackLayout {
        id: pages
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: tabs.top }
        currentIndex: model.selectedTab
        onCurrentIndexChanged: root.builtTabs |= 1 << currentIndex
        Component.onCompleted: root.builtTabs |= 1 << currentIndex

        Item { id: nowTab }
        Item { id: riseSetTab }
        Item { id: futureTab }
        Item { id: locationTab }
        Item { id: settingsTab }

        // Only the end of the drag counts; buttons and lists inside keep their own gestures.
        DragHandler {
            id: swipe
            target: null
            dragThreshold: 10
            grabPermissions: PointerHandler.CanTakeOverFromItems | PointerHandler.ApprovesTakeOverByAnything
            onActiveChanged: if (!active) model.dragEnded(translation.x)
        }
    }

    // The tabs' screens, each in its page. An Instantiator of one, not a Loader: Qt 6.4's Loader
    // cannot build this file's bound components; and unlike a Repeater's, its objects stay in the
    // object tree that findChild() searches.
    Instantiator {
        model: root.built(0)
        NowView {
            parent: nowTab
            anchors.fill: parent
            wide: root.wide
            shown: pages.currentIndex === 0 && root.visible
            onShareRequested: root.shareRequested()
            onHowlRequested: root.howlRequested()
        }
    }
    Instantiator {
        model: root.built(1)
        RiseSetView {
            parent: riseSetTab
            anchors.fill: parent
            wide: root.wide
            shown: pages.currentIndex === 1 && root.visible
        }
    }
    Instantiator {
        model: root.built(2)
        FutureView {
            objectName: "futureView"
            parent: futureTab
            anchors.fill: parent
            wide: root.wide
            shown: pages.currentIndex === 2 && root.visible
        }
    }
    Instantiator {
        model: root.built(3)
        LocationView {
            parent: locationTab
            anchors.fill: parent
            wide: root.wide
            shown: pages.currentIndex === 3 && root.visible
        }
    }
    Instantiator {
        model: root.built(4)
        SettingsView {
            objectName: "settingsView"
            parent: settingsTab
            anchors.fill: parent
            wide: root.wide
            shown: pages.currentIndex === 4 && root.visible
        }
    }

    TabBar {
        id: tabs
        objectName: "tabBar"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        currentIndex: model.selectedTab
        onCurrentIndexChanged: model.selectedTab = currentIndex
        background: Rectangle { color: Theme.tabBar }
        Repeater {
            model: [
                { title: qsTranslate("Lunafold", "Now"), icon: "house" },
                { title: qsTranslate("Lunafold", "Rise & Set", "tab"), icon: "moon" },
                { title: qsTranslate("Lunafold", "Future"), icon: "calendar" },
                { title: qsTranslate("Lunafold", "Location"), icon: "location" },
                { title: qsTranslate("Lunafold", "Settings"), icon: "gear" }
            ]
            TabButton {
                id: tab
                required property var modelData
                text: modelData.title.replace(/&/g, "&&") // a single & would mark a mnemonic
                background: Rectangle { color: Theme.clear }
                leftPadding: 2
                rightPadding: 2
                icon.source: "qrc:/icons/" + modelData.icon + ".svg"
                icon.color: checked ? Theme.button : Theme.tabInactive
                display: AbstractButton.TextUnderIcon
                // A long label shrinks to its tab's width instead of being cut.
                font.pixelSize: Math.max(7, Math.min(Theme.tabLabel,
                                                     Math.floor(Theme.tabLabel * (root.width / 5 - leftPadding - rightPadding) / labelWidth.width)))
                TextMetrics { id: labelWidth; text: tab.modelData.title; font.pixelSize: Theme.tabLabel }
                palette.buttonText: checked ? Theme.button : Theme.tabInactive
                Accessible.name: modelData.title
                FocusFrame { control: parent }
            }
        }
    }

    // Ctrl+1 … Ctrl+5 show the tabs, wherever the focus is.
    Instantiator {
        model: 5
        Shortcut {
            required property int index
            sequence: "Ctrl+" + (index + 1)
            context: Qt.ApplicationShortcut
            onActivated: model.selectedTab = index
        }
    }

    // Screenshots are not runs of the app: they leave the review bookkeeping alone.
    function askForReview() { if (visible && App.reviewDue()) root.reviewWanted() }
    onVisibleChanged: askForReview()
    Component.onCompleted: askForReview()
}
