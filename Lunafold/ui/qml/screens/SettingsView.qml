// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold
import Lunafold.Components

// The Settings tab: a short menu leading to the notification settings and About.
Item {
    id: view
    property bool wide: false
    property bool shown: true

    Background { anchors.fill: parent }

    // Opens "notifications" or "about" as if its row had been tapped.
    function openPage(name) {
        stack.pop(null)
        if (name === "notifications")
            stack.push(notifications)
        else if (name === "about")
            stack.push(about)
    }

    // Escape leaves a page; a dialog open on it takes the key first.
    Shortcut { sequence: "Escape"; enabled: view.shown && stack.depth > 1; onActivated: stack.pop() }

    StackView {
        id: stack
        objectName: "settingsStack"
        anchors.fill: parent
        initialItem: menu
    }

    Component {
        id: menu
        Flickable {
            contentHeight: column.implicitHeight + 40
            boundsBehavior: Flickable.StopAtBounds
            ColumnLayout {
                id: column
                x: Math.max(20, (parent.width - width) / 2)
                y: 20
                width: Math.min(680, view.width - 40)
                spacing: 20
                ScreenTitle {
                    text: qsTranslate("Lunafold", "Settings")
                }
                Group {
                    NavigationRow {
                        objectName: "notificationSettingsRow"
                        wide: view.wide
                        label: qsTranslate("Lunafold", "Notification Settings")
                        icon: "qrc:/icons/bell.svg"
                        tileColor: Theme.notificationsTile
                        onClicked: stack.push(notifications)
                    }
                    Separator { inset: 16 + (view.wide ? 36 : 32) + 12 }
                    NavigationRow {
                        objectName: "aboutRow"
                        wide: view.wide
                        label: qsTranslate("Lunafold", "About")
                        icon: "qrc:/icons/info.svg"
                        tileColor: Theme.aboutTile
                        onClicked: stack.push(about)
                    }
                }
                Group {
                    wide: view.wide
                    inset: 12
                    ToggleRow {
                        objectName: "onlineMapToggle"
                        first: true
                        wide: view.wide
                        label: qsTranslate("Lunafold", "Online map")
                        checked: MapSettings.onlineMap
                        onToggled: (on) => MapSettings.onlineMap = on
                    }
                }
                Text {
                    Layout.fillWidth: true
                    leftPadding: 6
                    wrapMode: Text.Wrap
                    text: qsTranslate("Lunafold", "Shows OpenStreetMap's streets on the Location map. Map tiles are downloaded while this is on; nothing else leaves the device.")
                    color: Theme.header
                    font.pixelSize: view.wide ? Theme.subheadline : Theme.footnote
                }
            }
        }
    }

    Component {
        id: notifications
        NotificationsView { wide: view.wide; onBack: stack.pop() }
    }
    Component {
        id: about
        AboutView { wide: view.wide; onBack: stack.pop() }
    }
}
