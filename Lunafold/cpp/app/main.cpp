// SPDX-License-Identifier: MIT
// lunafold: the application window, or with --screenshot one tab rendered off-screen.
#include "AppServices.h"
#include "Application.h"
#include "LaunchOptions.h"
#include "Locator.h"
#include "common/SafeWrite.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

using namespace lunafold;

namespace {

// Waits for the place (a replayed position takes a moment) and the first frames, then grabs the
// window and quits with the outcome.
void takeScreenshot(QQuickWindow *window, const QString &file, const Locator &locator, bool awaitPlace) {
    if (awaitPlace && !locator.hasLocation()) {
        static int waited = 0;
        if (waited++ < 100) {
            QTimer::singleShot(100, window, [=, &locator] { takeScreenshot(window, file, locator, awaitPlace); });
            return;
        }
    }
    QTimer::singleShot(600, window, [window, file] {
        const QImage image = window->grabWindow();
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        const QString failure = image.isNull() || !image.save(&png, "PNG") ? QStringLiteral("nothing was drawn")
                                                                          : writeFileSafely(file, png.data());
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "lunafold: cannot write the screenshot %s: %s\n", qPrintable(file),
                         qPrintable(failure));
            QCoreApplication::exit(1);
            return;
        }
        QCoreApplication::exit(0);
    });
}

} // namespace

int main(int argc, char **argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        std::fputs(qPrintable(LaunchOptions::usage()), stdout);
        return 0;
    }
    QString error;
    const auto options = LaunchOptions::parse(arguments, &error);
    if (!options) {
        std::fprintf(stderr, "lunafold: %s\n%s", qPrintable(error), qPrintable(LaunchOptions::usage()));
        return 2;
    }
    Application::prepareProcess(*options);
    QGuiApplication app(argc, argv);
    Application lunafold(*options, app);
    if (!lunafold.window()) {
        std::fputs("lunafold: the window could not be built\n", stderr);
        return 1;
    }
    if (!options->screenshotFile.isEmpty())
        takeScreenshot(lunafold.window(), options->screenshotFile, lunafold.services().locator(),
                       !options->nmeaFile.isEmpty());
    return app.exec();
}
