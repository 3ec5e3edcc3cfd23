// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import Lunafold
import Lunafold.Components

ApplicationWindow {
    id: window
    width: 390
    height: 844
    visible: true
    title: "Lunafold"
    color: Theme.viewBackground
    palette.window: Theme.viewBackground
    palette.windowText: Theme.text
    palette.text: Theme.text
    palette.buttonText: Theme.text
    palette.button: Theme.card

    // Phones get the narrow layout, tablets and desktops the wide one.
    readonly property bool wide: width >= 600

    MainView {
        id: main
        objectName: "mainView"
        anchors.fill: parent
        wide: window.wide
        onReviewWanted: review.open()
        onHowlRequested: App.playHowl()
        onShareRequested: App.share(Screen.devicePixelRatio)
    }

    ShareSheetView { objectName: "shareSheet" }

    PromptDialog {
        id: permission
        objectName: "permissionDialog"
        title: qsTranslate("Lunafold", "“Lunafold” Would Like to Send You Notifications")
        message: qsTranslate("Lunafold", "Notifications may include alerts, sounds and icon badges.")
        acceptText: qsTranslate("Lunafold", "Allow")
        rejectText: qsTranslate("Lunafold", "Don’t Allow")
        onAnswered: (yes) => PermissionPrompt.answer(yes)
    }

    // The question waits on a worker thread until it is answered here.
    Connections {
        target: PermissionPrompt
        function onAskingChanged() { if (PermissionPrompt.asking) permission.open() }
    }
    Component.onCompleted: if (PermissionPrompt.asking) permission.open()

    PromptDialog {
        id: review
        objectName: "reviewDialog"
        title: qsTranslate("Lunafold", "Enjoying Lunafold?")
        message: qsTranslate("Lunafold", "A short review helps other moon watchers find the app.")
        acceptText: qsTranslate("Lunafold", "Rate Lunafold")
        rejectText: qsTranslate("Lunafold", "Not Now")
        onAnswered: (yes) => { if (yes) App.openReviewPage() }
    }
}
