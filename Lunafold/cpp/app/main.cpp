// SPDX-License-Identifier: MIT
// lunafold: the application window, or with --screenshot one tab rendered off-screen.
#include "AppBridge.h"
#include "AppClock.h"
#include "AppServices.h"
#include "LaunchOptions.h"
#include "LunafoldApp.h"
#include "NotificationAuthorizer.h"
#include "LocalNotificationCenter.h"
#include "Locator.h"
#include "PermissionPrompt.h"
#include "QmlTypes.h"
#include "SoundPlayer.h"
#include "Translations.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
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
        if (image.isNull() || !image.save(file, "PNG")) {
            std::fprintf(stderr, "lunafold: cannot write the screenshot %s\n", qPrintable(file));
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
    const bool screenshot = !options->screenshotFile.isEmpty();
    // Screenshots need no display; the scale must be set before the application exists.
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (options->devicePixelRatio)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*options->devicePixelRatio));
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
        qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");

    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Lunafold"));
    QGuiApplication::setOrganizationDomain(QStringLiteral("lunafold.app"));
    // A machine without a configured language (the C locale) reads like en_US.
    QLocale locale = options->locale.isEmpty() ? QLocale::system() : QLocale(options->locale);
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    useLocale(locale);
    if (options->at) {
        if (screenshot)
            AppClock::freeze(*options->at);
        else
            AppClock::startAt(*options->at);
    }

    AppServices::Options serviceOptions;
    serviceOptions.nmeaReplayFile = options->nmeaFile;
    serviceOptions.place = options->place;
    serviceOptions.placeZone = options->zone;
    serviceOptions.interactive = !screenshot;
    serviceOptions.soundDirectory = QCoreApplication::applicationDirPath() + QStringLiteral("/sounds");
    serviceOptions.playSound = SoundPlayer::playSound;
    AppServices services(serviceOptions);
    AppBridge bridge(!screenshot);

    // Screenshots leave the notifications and their permission alone.
    std::unique_ptr<LunafoldApp> lunafold;
    if (!screenshot) {
        lunafold = std::make_unique<LunafoldApp>(
            LunafoldApp::Environment{&services.center(), &services.authorizer(), {}, {}, app.applicationState()});
        QObject::connect(&app, &QGuiApplication::applicationStateChanged, lunafold.get(),
                         &LunafoldApp::applicationStateChanged);
    }

    registerQmlTypes(&services, &bridge);
    QQmlApplicationEngine engine;
    addImageProviders(engine);
    engine.load(QUrl(QStringLiteral("qrc:/qml/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        std::fputs("lunafold: the window could not be built\n", stderr);
        return 1;
    }
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    window->resize(options->size);
    if (QObject *main = window->findChild<QObject *>(QStringLiteral("mainView")))
        main->setProperty("selectedTab", options->tab);
    if (QObject *settings = window->findChild<QObject *>(QStringLiteral("settingsView")); settings && !options->page.isEmpty())
        QMetaObject::invokeMethod(settings, "openPage", Q_ARG(QVariant, options->page));
    if (screenshot)
        takeScreenshot(window, options->screenshotFile, services.locator(), !options->nmeaFile.isEmpty());
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &services, [&services] {
        services.permissionPrompt().abandon();
    });
    return app.exec();
}
