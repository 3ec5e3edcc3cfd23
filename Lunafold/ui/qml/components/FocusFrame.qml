// SPDX-License-Identifier: MIT
import QtQuick

// The ring around the control that has the keyboard focus. Inside a scrolling page the page
// follows the focus, so Tab never moves it out of sight.
Rectangle {
    id: frame
    required property Item control
    property real inset: -2
    anchors.fill: control
    anchors.margins: inset
    radius: 8
    color: Theme.clear
    border.width: 2
    border.color: Theme.focus
    // Controls show it for keyboard focus only; plain items take focus from the keyboard alone.
    visible: control.visualFocus !== undefined ? control.visualFocus : control.activeFocus // qmllint disable
    Accessible.ignored: true
    onVisibleChanged: if (visible) reveal()

    function reveal() {
        for (let p = control.parent; p; p = p.parent) {
            if (p.contentY === undefined || p.contentHeight === undefined || p.flickableDirection === undefined)
                continue
            const top = control.mapToItem(p.contentItem, 0, 0).y - 12
            const bottom = top + control.height + 24
            if (top < p.contentY)
                p.contentY = Math.max(0, top)
            else if (bottom > p.contentY + p.height)
                p.contentY = Math.min(Math.max(0, p.contentHeight - p.height), bottom - p.height)
            return
        }
    }
}
