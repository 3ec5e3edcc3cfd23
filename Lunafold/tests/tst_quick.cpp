// SPDX-License-Identifier: MIT
// Qt Quick tests of the screens, with the app's QML types and without services.
#include "QmlTypes.h"

#include <QImage>
#include <QQmlEngine>
#include <QtQuickTest>

class Setup : public QObject {
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable() {
        lunafold::registerQmlTypes(nullptr, nullptr);
        lunafold::MoonImageProvider::setRenderer(
            [](lunafold::Instant, bool, std::optional<double>, std::optional<double>, int w, int h) {
                QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::gray);
                return image;
            });
    }
    void qmlEngineAvailable(QQmlEngine *engine) { lunafold::addImageProviders(*engine); }
};

QUICK_TEST_MAIN_WITH_SETUP(screens, Setup)
#include "tst_quick.moc"
