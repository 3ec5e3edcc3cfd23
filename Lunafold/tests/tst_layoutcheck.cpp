// SPDX-License-Identifier: MIT
// The layout and accessibility checks of the screenshot mode, on small scenes with one fault each.
#include "ui/app/LayoutCheck.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

using namespace lunafold;

class TestLayoutCheck : public QObject {
    Q_OBJECT

    QQmlEngine m_engine;

    struct Row {
        const char *tag, *body, *finding; // finding: empty where there is nothing to find
    };

    // Each row's body, in a 200 × 100 window, gives the row's finding and no other (a parent's
    // stands for its children).
    void check(QStringList (*findings)(QQuickWindow *), std::initializer_list<Row> rows) {
        for (const Row &row : rows) {
            QQmlComponent component(&m_engine);
            component.setData(QByteArray("import QtQuick\nimport QtQuick.Controls.Basic\n"
                                         "Window { width: 200; height: 100; visible: true\n") +
                                  row.body + "\n}",
                              QUrl(u"qrc:/scene.qml"_qs));
            std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow *>(component.create()));
            QVERIFY2(window, qPrintable(component.errorString()));
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            const QStringList found = findings(window.get());
            const QLatin1String finding(row.finding);
            QVERIFY2(found.size() == (finding.isEmpty() ? 0 : 1) &&
                         (finding.isEmpty() || found.first().contains(finding)),
                     qPrintable(QLatin1String(row.tag) + u": "_qs + found.join(u'\n')));
        }
    }

  private Q_SLOTS:
    void findsWhatIsCutOrOutside() {
        check(
            layoutFindings,
            {{"text that fits", R"(Text { width: 150; text: "Moon" })", ""},
             {"elided title",
              R"(Text { width: 40; elide: Text.ElideRight; text: "Zukunft und Vergangenheit" })",
              "elided text \"Zukunft und Vergangenheit\""},
             {"elision meant",
              R"(Text { property bool elideIntended: true; width: 40; elide: Text.ElideRight; text: "Zukunft und Vergangenheit" })",
              ""},
             {"text running past its box", R"(Text { width: 40; text: "Zukunft und Vergangenheit" })",
              "text wider than its box"},
             {"wrapped text",
              R"(Text { width: 190; wrapMode: Text.WordWrap; text: "Zukunft und Vergangenheit" })", ""},
             {"text shrunk to fit",
              R"(Text { width: 60; height: 20; font.pixelSize: 20; minimumPixelSize: 4; fontSizeMode: Text.HorizontalFit; text: "Zukunft und Vergangenheit" })",
              ""},
             {"button past the right edge", R"(Rectangle { x: 150; width: 80; height: 10 })",
              "partly outside the window"},
             {"column off the left edge", R"(Rectangle { x: -5; width: 20; height: 10 })",
              "partly outside the window"},
             {"hidden item outside", R"(Rectangle { visible: false; x: 150; width: 80; height: 10 })", ""},
             {"transparent item outside", R"(Rectangle { opacity: 0; x: 150; width: 80; height: 10 })", ""},
             {"below the window in a scrolling page",
              R"(Flickable { anchors.fill: parent; contentHeight: 400; Rectangle { y: 300; width: 50; height: 50 } })",
              ""},
             {"below the window in a page that does not scroll",
              R"(Flickable { anchors.fill: parent; contentHeight: 100; Rectangle { y: 80; width: 50; height: 50 } })",
              "partly outside the window"},
             {"past the side of a scrolling page",
              R"(Flickable { anchors.fill: parent; contentHeight: 400; Rectangle { x: 180; y: 300; width: 50; height: 50 } })",
              "partly outside the window"}});
    }

    void findsControlsWithoutAName() {
        check(
            accessibilityFindings,
            {{"button with a text", R"(Button { text: "Share" })", ""},
             {"icon button named", R"(ToolButton { icon.source: "x.svg"; Accessible.name: "Share" })", ""},
             {"icon button unnamed", R"(ToolButton { icon.source: "x.svg" })",
              "control without an accessible name"},
             {"tappable item unnamed", R"(Item { width: 40; height: 40; TapHandler {} })",
              "control without an accessible name"},
             {"tappable item hidden",
              R"(Item { width: 40; height: 40; Accessible.ignored: true; TapHandler {} })",
              "tappable but hidden from screen readers"},
             {"tappable item named as text",
              R"(Item { width: 40; height: 40; Accessible.role: Accessible.StaticText; Accessible.name: "24th"; TapHandler {} })",
              "without a control's role"},
             {"day cell",
              R"(Item { width: 40; height: 40; Accessible.role: Accessible.Button; Accessible.name: "24th Full"; TapHandler {} })",
              ""},
             {"tap turned off", R"(Item { width: 40; height: 40; TapHandler { enabled: false } })", ""},
             {"parts of a named control",
              R"(Item { width: 40; height: 40; Accessible.role: Accessible.Button; Accessible.name: "Day"; TapHandler {} Item { width: 10; height: 10; TapHandler {} } })",
              ""}});
    }
};

QTEST_MAIN(TestLayoutCheck)
#include "tst_layoutcheck.moc"
