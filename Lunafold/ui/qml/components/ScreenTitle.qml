// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts

// A screen's title in the large-title font. A long one shrinks by up to a quarter to stay on one
// line and wraps beyond that, so it is never cut off on a narrow phone. A `compact` title is the
// smaller one that sits between a pushed screen's buttons.
Text {
    id: title
    property bool compact: false
    readonly property real fullSize: compact ? Theme.headline : Theme.largeTitle
    color: Theme.text
    font.weight: compact ? Font.DemiBold : Font.Bold
    // A compact title takes its own width, so only a large one has a width to fit.
    font.pixelSize: !compact && width > 0 && natural.width > width
                    ? Math.max(fullSize * 0.75, Math.floor(fullSize * width / natural.width))
                    : fullSize
    wrapMode: Text.WordWrap
    Layout.fillWidth: true
    Accessible.role: Accessible.Heading
    Accessible.name: text

    TextMetrics {
        id: natural
        text: title.text
        font.family: title.font.family
        font.weight: title.font.weight
        font.pixelSize: title.fullSize
    }
}
