// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// A screen's title in the large-title font. A long one shrinks by up to a quarter to stay on one
// line and wraps beyond that, so it is never cut off on a narrow phone.
Text {
    id: title
    color: "white"
    font.bold: true
    font.pixelSize: width > 0 && natural.width > width
                    ? Math.max(Theme.largeTitle * 0.75, Math.floor(Theme.largeTitle * width / natural.width))
                    : Theme.largeTitle
    wrapMode: Text.WordWrap
    Layout.fillWidth: true
    Accessible.role: Accessible.Heading
    Accessible.name: text

    TextMetrics {
        id: natural
        text: title.text
        font.family: title.font.family
        font.bold: true
        font.pixelSize: Theme.largeTitle
    }
}
