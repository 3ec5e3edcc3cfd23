// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Lunafold

// A place by name: the field, and under it the matches as the user types; a choice sets the place.
ColumnLayout {
    id: search
    spacing: 6

    PlaceSearchModel { id: results; objectName: "placeSearchModel"; locator: Locator; places: Places }

    TextField {
        id: field
        objectName: "placeSearchField"
        Layout.fillWidth: true
        color: Theme.text
        placeholderText: qsTranslate("Lunafold", "Search for a place")
        placeholderTextColor: Theme.secondaryText
        selectByMouse: true
        inputMethodHints: Qt.ImhNoPredictiveText
        font.pixelSize: Theme.body
        background: Rectangle { color: Theme.field; radius: 8; border.color: field.activeFocus ? Theme.button : Theme.control }
        Accessible.name: qsTranslate("Lunafold", "Search for a place")
        onTextEdited: results.query = text
        onAccepted: if (results.count > 0) search.pick(0)
        Keys.onEscapePressed: { text = ""; results.query = "" }
    }

    function pick(row) {
        results.choose(row)
        field.text = ""
        field.focus = false
    }

    Text {
        visible: results.emptyText !== ""
        text: results.emptyText
        color: Theme.secondaryText
        font.pixelSize: Theme.footnote
    }

    Repeater {
        model: results
        delegate: ItemDelegate {
            id: result
            required property int index
            required property string title
            required property string detail
            objectName: "placeResult" + index
            Layout.fillWidth: true
            padding: 8
            contentItem: Column {
                Text { text: result.title; color: Theme.text; font.pixelSize: Theme.body; width: parent.width; elide: Text.ElideRight }
                Text { text: result.detail; color: Theme.secondaryText; font.pixelSize: Theme.footnote; width: parent.width; elide: Text.ElideRight }
            }
            background: Rectangle { color: result.down || result.activeFocus ? Theme.controlPressed : Theme.listRow; radius: 8 }
            Accessible.name: title + ", " + detail
            // Later: choosing empties the list, which would destroy this delegate inside its own click.
            onClicked: Qt.callLater(search.pick, index) // qmllint disable
        }
    }
}
