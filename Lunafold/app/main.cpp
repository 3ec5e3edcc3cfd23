// SPDX-License-Identifier: MIT
// lunafold: the application window, or with --screenshot one tab rendered off-screen.
#include "common/SafeWrite.h"
#include "core/app/AppServices.h"
#include "core/services/Locator.h"
#include "ui/app/AppInstance.h"
#include "ui/app/Application.h"
#include "ui/app/LaunchOptions.h"
#include "ui/app/LayoutCheck.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

#include <QDateTime>
#include <QFile>

#include <cstdio>
#include <ctime>

using namespace lunafold;

namespace {

// Waits for the place (a replayed position takes a moment) and the first frames, then grabs the
// window and quits with the outcome.
void takeScreenshot(QQuickWindow *window, const LaunchOptions &options, const Locator &locator,
                    bool awaitPlace) {
    if (awaitPlace && !locator.hasLocation()) {
        static int waited = 0;
        if (waited++ < 100) {
            QTimer::singleShot(100, window, [=, &options, &locator] {
                takeScreenshot(window, options, locator, awaitPlace);
            });
            return;
        }
    }
    QTimer::singleShot(600, window, [window, &options] {
        const QImage image = window->grabWindow();
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        const QString failure = image.isNull() || !image.save(&png, "PNG")
                                    ? QStringLiteral("nothing was drawn")
                                    : writeFileSafely(options.screenshotFile, png.data());
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "lunafold: cannot write the screenshot %s: %s\n",
                         qPrintable(options.screenshotFile), qPrintable(failure));
            QCoreApplication::exit(1);
            return;
        }
        QStringList findings;
        if (options.checkLayout)
            findings += layoutFindings(window);
        if (options.checkAccessibility)
            findings += accessibilityFindings(window);
        for (const QString &line : std::as_const(findings))
            std::printf("%s: %s\n", qPrintable(QFileInfo(options.screenshotFile).fileName()),
                        qPrintable(line));
        std::fflush(stdout);
        QCoreApplication::exit(findings.isEmpty() ? 0 : 3);
    });
}

// For the start-up benchmark (bench/startup.sh): at the first frame on screen, prints the wall
// clock in milliseconds, the CPU time of all threads so far and the resident memory, then quits.
void probeFirstFrame(QQuickWindow *window) {
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [] {
            static bool reported = false;
            if (reported)
                return;
            reported = true;
            QFile status(QStringLiteral("/proc/self/status"));
            QByteArray rss = "0";
            if (status.open(QIODevice::ReadOnly))
                for (const QByteArray &line : status.readAll().split('\n'))
                    if (line.startsWith("VmRSS:"))
                        rss = line.mid(6).trimmed().split(' ').value(0);
            std::printf("first frame %lld ms, rss %s KiB, cpu %ld ms\n", QDateTime::currentMSecsSinceEpoch(),
                        rss.constData(), static_cast<long>(std::clock() / (CLOCKS_PER_SEC / 1000)));
            std::fflush(stdout);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

// What start-up costs before the app does anything: the same process, platform and scene graph
// showing a window with one rectangle.
int probeEmptyWindow(const LaunchOptions &options) {
    QQmlApplicationEngine engine;
    engine.loadData(QByteArrayLiteral("import QtQuick\n"
                                      "Window { visible: true; color: \"black\"\n"
                                      "    Rectangle { anchors.fill: parent; anchors.margins: 20 } }"));
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    window->resize(options.size);
    probeFirstFrame(window);
    return QGuiApplication::exec();
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
    if (qgetenv("LUNAFOLD_FIRST_FRAME_PROBE") == "floor")
        return probeEmptyWindow(*options);
    // One app per user; screenshots run beside it and never show notices.
    AppInstance instance;
    const bool screenshot = !options->screenshotFile.isEmpty();
    if (const auto claim = screenshot ? AppInstance::Claim::First : instance.claim();
        claim != AppInstance::Claim::First) {
        std::fputs(claim == AppInstance::Claim::Forwarded
                       ? "lunafold: already running; its window was brought forward\n"
                       : "lunafold: already running\n",
                   stderr);
        return 0;
    }
    Application lunafold(*options, app);
    QObject::connect(&instance, &AppInstance::activationRequested, &lunafold,
                     [&lunafold](bool nowTab) { lunafold.bringForward(nowTab); });
    if (!lunafold.window()) {
        std::fputs("lunafold: the window could not be built\n", stderr);
        return 1;
    }
    if (qEnvironmentVariableIsSet("LUNAFOLD_FIRST_FRAME_PROBE"))
        probeFirstFrame(lunafold.window());
    // Without --place the place comes a moment later: a replayed position, or on a first run the
    // approximate place once the location service has answered.
    if (screenshot)
        takeScreenshot(lunafold.window(), *options, lunafold.services().locator(), !options->place);
    return app.exec();
}
