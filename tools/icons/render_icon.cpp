// SPDX-License-Identifier: MIT
// Renders the app's SVG icon into the PNG sizes of the hicolor icon theme, at build time.
// Usage: lunafold-render-icon ICON.svg OUTDIR SIZE... (writes OUTDIR/NxN/apps/<name>.png)
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: lunafold-render-icon ICON.svg OUTDIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "lunafold-render-icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName();
    for (const QString &sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        QDir().mkpath(dir);
        if (!image.save(dir + u'/' + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "lunafold-render-icon: cannot write into %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
