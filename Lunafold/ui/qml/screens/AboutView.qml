// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold
import Lunafold.Components

// Support, contact and legal links, and the version.
Flickable {
    id: view
    property bool wide: false
    signal back()
    contentHeight: column.implicitHeight + 40
    boundsBehavior: Flickable.StopAtBounds

    AboutViewModel { id: model; objectName: "aboutModel"; locator: Locator }
    Component.onCompleted: model.opened()

    function follow(url) {
        if (!model.openUrl(url)) {
            linkDialog.address = url.toString()
            linkDialog.open()
        }
    }
    LinkDialog { id: linkDialog; objectName: "linkDialog"; onCopyRequested: (text) => model.copyText(text) }

    ColumnLayout {
        id: column
        x: Math.max(20, (view.width - width) / 2)
        y: 12
        width: Math.min(680, view.width - 40)
        spacing: 20
        TitleBar { title: qsTranslate("Lunafold", "About"); onBack: view.back() }
        Group {
            NavigationRow { showTile: false; wide: view.wide; trailingIcon: "qrc:/icons/arrow-up-right.svg"; trailingOpacity: 0.9; label: qsTranslate("Lunafold", "Support and Information"); onClicked: view.follow(model.supportUrl) }
            Separator {}
            NavigationRow { showTile: false; wide: view.wide; trailingIcon: "qrc:/icons/arrow-up-right.svg"; trailingOpacity: 0.9; label: qsTranslate("Lunafold", "Website"); onClicked: view.follow(model.websiteUrl) }
            Separator {}
            NavigationRow { objectName: "contactRow"; showTile: false; wide: view.wide; trailingIcon: "qrc:/icons/arrow-up-right.svg"; trailingOpacity: 0.9; label: qsTranslate("Lunafold", "Contact us"); onClicked: view.follow(model.contactUrl) }
        }
        Group {
            NavigationRow { showTile: false; wide: view.wide; trailingIcon: "qrc:/icons/arrow-up-right.svg"; trailingOpacity: 0.9; label: qsTranslate("Lunafold", "Terms of Use"); onClicked: view.follow(model.termsUrl) }
            Separator {}
            NavigationRow { showTile: false; wide: view.wide; trailingIcon: "qrc:/icons/arrow-up-right.svg"; trailingOpacity: 0.9; label: qsTranslate("Lunafold", "Privacy Policy"); onClicked: view.follow(model.privacyUrl) }
        }
        Text {
            objectName: "placeDataCredit"
            text: model.placeDataCredit
            color: Theme.secondaryText
            font.pixelSize: Theme.caption
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Accessible.name: text
        }
        Text {
            visible: model.versionLine !== ""
            text: model.versionLine
            color: Theme.secondaryText
            font.pixelSize: Theme.footnote
            Layout.alignment: Qt.AlignHCenter
            Accessible.name: text
        }
    }
}
