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

    // A 200 × 100 window holding @p body.
    std::unique_ptr<QQuickWindow> scene(const QByteArray &body) {
        QQmlComponent component(&m_engine);
        component.setData("import QtQuick\nimport QtQuick.Controls.Basic\n"
                          "Window { width: 200; height: 100; visible: true\n" +
                              body + "\n}",
                          QUrl(QStringLiteral("qrc:/scene.qml")));
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow *>(component.create()));
        if (!window)
            qWarning() << component.errors();
        return window;
    }

    // The row's scene gives the row's finding and no other (a parent's stands for its children).
    void check(QStringList (*findings)(QQuickWindow *)) {
        QFETCH(QByteArray, body);
        QFETCH(QString, finding);
        auto window = scene(body);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList found = findings(window.get());
        QVERIFY2(found.size() == (finding.isEmpty() ? 0 : 1) &&
                     (finding.isEmpty() || found.first().contains(finding)),
                 qPrintable(found.join(u'\n')));
    }

    void addRow(const char *tag, const char *body, const char *finding) {
        QTest::newRow(tag) << QByteArray(body) << QString::fromLatin1(finding);
    }

  private Q_SLOTS:
    void findsWhatIsCutOrOutside_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("finding"); // empty: nothing to find
        addRow("text that fits", R"(Text { width: 150; text: "Moon" })", "");
        addRow("elided title",
               R"(Text { width: 40; elide: Text.ElideRight; text: "Zukunft und Vergangenheit" })",
               "elided text \"Zukunft und Vergangenheit\"");
        addRow("elision meant",
               R"(Text { property bool elideIntended: true; width: 40; elide: Text.ElideRight;
                                          text: "Zukunft und Vergangenheit" })",
               "");
        addRow("text running past its box", R"(Text { width: 40; text: "Zukunft und Vergangenheit" })",
               "text wider than its box");
        addRow("wrapped text",
               R"(Text { width: 190; wrapMode: Text.WordWrap; text: "Zukunft und Vergangenheit" })", "");
        addRow("text shrunk to fit", R"(Text { width: 60; height: 20; font.pixelSize: 20; minimumPixelSize: 4;
                                               fontSizeMode: Text.HorizontalFit; text: "Zukunft und Vergangenheit" })",
               "");
        addRow("button past the right edge", R"(Rectangle { x: 150; width: 80; height: 10 })",
               "partly outside the window");
        addRow("column off the left edge", R"(Rectangle { x: -5; width: 20; height: 10 })",
               "partly outside the window");
        addRow("hidden item outside", R"(Rectangle { visible: false; x: 150; width: 80; height: 10 })", "");
        addRow("transparent item outside", R"(Rectangle { opacity: 0; x: 150; width: 80; height: 10 })", "");
        addRow(
            "below the window in a scrolling page",
            R"(Flickable { anchors.fill: parent; contentHeight: 400; Rectangle { y: 300; width: 50; height: 50 } })",
            "");
        addRow(
            "below the window in a page that does not scroll",
            R"(Flickable { anchors.fill: parent; contentHeight: 100; Rectangle { y: 80; width: 50; height: 50 } })",
            "partly outside the window");
        addRow(
            "past the side of a scrolling page",
            R"(Flickable { anchors.fill: parent; contentHeight: 400; Rectangle { x: 180; y: 300; width: 50; height: 50 } })",
            "partly outside the window");
    }
    void findsWhatIsCutOrOutside() { check(layoutFindings); }

    void findsControlsWithoutAName_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("finding");
        addRow("button with a text", R"(Button { text: "Share" })", "");
        addRow("icon button named", R"(ToolButton { icon.source: "x.svg"; Accessible.name: "Share" })", "");
        addRow("icon button unnamed", R"(ToolButton { icon.source: "x.svg" })",
               "control without an accessible name");
        addRow("switch named by its text", R"(Switch { text: "Howl" })", "");
        addRow("tappable item unnamed", R"(Item { width: 40; height: 40; TapHandler {} })",
               "control without an accessible name");
        addRow("tappable item hidden",
               R"(Item { width: 40; height: 40; Accessible.ignored: true; TapHandler {} })",
               "tappable but hidden from screen readers");
        addRow("tappable item named as text",
               R"(Item { width: 40; height: 40; Accessible.role: Accessible.StaticText;
                                                        Accessible.name: "24th"; TapHandler {} })",
               "without a control's role");
        addRow("day cell", R"(Item { width: 40; height: 40; Accessible.role: Accessible.Button;
                                     Accessible.name: "24th Full"; TapHandler {} })",
               "");
        addRow("tap turned off", R"(Item { width: 40; height: 40; TapHandler { enabled: false } })", "");
        addRow("parts of a named control",
               R"(Item { width: 40; height: 40; Accessible.role: Accessible.Button;
                                                      Accessible.name: "Day"; TapHandler {}
                                                      Item { width: 10; height: 10; TapHandler {} } })",
               "");
    }
    void findsControlsWithoutAName() { check(accessibilityFindings); }
};

QTEST_MAIN(TestLayoutCheck)
#include "tst_layoutcheck.moc"
