// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Lunafold
import Lunafold.Screens
import Lunafold.Components

// The Now screen's share button: the card is drawn and the sheet shows it, anew for every share.
Item {
    width: 390; height: 844

    NowView { id: now; anchors.fill: parent; onShareRequested: App.share(2) }
    ShareSheetView { id: sheet }

    TestCase {
        name: "Share"
        when: windowShown

        function test_everyShareIsANewPicture() {
            const button = findChild(now, "shareButton")
            mouseClick(button)
            tryVerify(() => sheet.opened)
            const first = ShareSheet.imageSource
            verify(first.startsWith("image://share/"))
            sheet.close()
            tryVerify(() => !ShareSheet.presented)
            compare(ShareSheet.imageSource, "")
            mouseClick(button)
            tryVerify(() => sheet.opened)
            verify(ShareSheet.imageSource.startsWith("image://share/"))
            verify(ShareSheet.imageSource !== first)
            sheet.close()
        }
    }
}
