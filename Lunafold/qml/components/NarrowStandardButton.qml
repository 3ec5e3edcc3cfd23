// SPDX-License-Identifier: MIT
import QtQuick

// The standard button with its label only 5 points from the edges.
StandardButton {
    inset: 5
    horizontalPadding: 5
}
