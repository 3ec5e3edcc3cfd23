// SPDX-License-Identifier: MIT
#include "ui/app/Application.h"

#include "core/app/AppServices.h"
#include "core/app/LunafoldApp.h"
#include "core/app/PermissionPrompt.h"
#include "core/geo/PlaceData.h"
#include "core/services/NotificationAuthorizer.h"
#include "core/text/Translations.h"
#include "notices/AppClock.h"
#include "notices/AppIds.h"
#include "notices/LocalNotificationCenter.h"
#include "notices/NoticeDelivery.h"
#include "ui/app/AppBridge.h"
#include "ui/app/AppGraph.h"
#include "ui/app/SoundPlayer.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <utility>

namespace lunafold {

namespace {

constexpr std::chrono::seconds kReadDataAnyway{3};

// Every GPU driver on Linux is reached through a DRM render node.
bool hasGpu() {
    return !QDir(QStringLiteral("/dev/dri"))
                .entryList({QStringLiteral("renderD*")}, QDir::System | QDir::AllEntries)
                .isEmpty();
}

} // namespace

void Application::prepareProcess(const LaunchOptions &options) {
    // Screenshots need no display; the scale must be set before the application exists.
    if (!options.screenshotFile.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (options.devicePixelRatio)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*options.devicePixelRatio));
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
        qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    if (hasGpu())
        return;
    // Without a GPU, OpenGL would be Mesa's llvmpipe: Qt's own software renderer (which draws the
    // screenshots too) shows the same screens with half the start-up work and memory.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") && qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // And the sphere's compute would run on Mesa's lavapipe: the CPU shading draws the same sphere
    // without the Vulkan driver's start-up and hundred megabytes.
    if (qEnvironmentVariableIsEmpty("LUNAFOLD_RHI"))
        qputenv("LUNAFOLD_RHI", "cpu");
}

Application::Application(const LaunchOptions &options, QGuiApplication &app) {
    const bool screenshot = !options.screenshotFile.isEmpty();
    QGuiApplication::setApplicationName(QStringLiteral("Lunafold"));
    QGuiApplication::setOrganizationDomain(QStringLiteral("lunafold.app"));
    QGuiApplication::setDesktopFileName(kAppId); // ties the window to its desktop entry and icon
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG as every Linux program reads them; --locale overrides.
    useUserLocale(options.locale);
    if (options.at) {
        if (screenshot)
            AppClock::freeze(*options.at);
        else
            AppClock::startAt(*options.at);
    }

    AppServices::Options serviceOptions;
    serviceOptions.nmeaReplayFile = options.nmeaFile;
    serviceOptions.place = options.place;
    serviceOptions.placeZone = options.zone;
    serviceOptions.interactive = !screenshot;
    serviceOptions.deliverNotices = !screenshot;
    serviceOptions.soundDirectory = SoundPlayer::soundDirectory();
    serviceOptions.language = QLocale().name(); // as useUserLocale() chose it above
    serviceOptions.playSound = SoundPlayer::playSound;
    // The window's first frame does not wait for the places (screenshots show the place's name).
    serviceOptions.placesPreloadedByCaller = !screenshot;
    // Screenshots never go online: the same picture everywhere, and no network needed.
    m_graph = std::make_unique<AppGraph>(AppGraph::Parts{serviceOptions, nullptr, !screenshot});
    AppServices &services = *m_graph->services();
    const AppGraph *graph = m_graph.get();

    // Screenshots leave the notifications and their permission alone.
    if (!screenshot) {
        m_lunafold = std::make_unique<LunafoldApp>(
            LunafoldApp::Environment{&services.center(),
                                     &services.authorizer(),
                                     {},
                                     [graph] { graph->rescheduleNotifications(); },
                                     app.applicationState()});
        connect(&app, &QGuiApplication::applicationStateChanged, m_lunafold.get(),
                &LunafoldApp::applicationStateChanged);
    }
    connect(&app, &QCoreApplication::aboutToQuit, this,
            [&services] { services.permissionPrompt().abandon(); });
    if (NoticeDelivery *delivery = services.noticeDelivery())
        connect(delivery, &NoticeDelivery::noticeActivated, this, [this] { bringForward(true); });

    // The CPU shading's surface maps are decoded on another core while the screens are built.
    if (qgetenv("LUNAFOLD_RHI") == "cpu")
        m_graph->preloadMoonMaps();
    m_engine = std::make_unique<QQmlApplicationEngine>();
    m_graph->attach(*m_engine);
    m_engine->load(QUrl(QStringLiteral("qrc:/Lunafold/Main.qml")));
    if (m_engine->rootObjects().isEmpty())
        return;
    m_window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().constFirst());
    m_window->resize(options.size);
    if (!screenshot)
        readDataAfterFirstFrame();
    if (QObject *main = m_window->findChild<QObject *>(QStringLiteral("mainView")))
        main->setProperty("selectedTab", options.tab);
    const QString pageOwner =
        options.tab == 2 ? QStringLiteral("futureView") : QStringLiteral("settingsView");
    QObject *owner = m_window->findChild<QObject *>(pageOwner);
    if (owner && !options.page.isEmpty())
        QMetaObject::invokeMethod(owner, "openPage", Q_ARG(QVariant, options.page));
}

void Application::readDataAfterFirstFrame() {
    auto read = [graph = m_graph.get(), done = std::make_shared<bool>(false)] {
        if (std::exchange(*done, true))
            return;
        graph->places().preload();
        // The map's data, so that the Location tab opens without reading it.
        QThreadPool::globalInstance()->start([graph] {
            graph->placeLabels();
            graph->basemap();
        });
    };
    connect(m_window, &QQuickWindow::frameSwapped, this, read, Qt::SingleShotConnection);
    // A window that is never shown reads them all the same.
    QTimer::singleShot(kReadDataAnyway, this, read);
}

void Application::bringForward(bool nowTab) {
    if (!m_window)
        return;
    if (QObject *main = m_window->findChild<QObject *>(QStringLiteral("mainView")); main && nowTab)
        main->setProperty("selectedTab", 0);
    m_window->show();
    m_window->raise();
    m_window->requestActivate();
}

Application::~Application() {
    // The window goes before the services it shows.
    m_engine.reset();
    m_graph->services()->permissionPrompt().abandon();
}

} // namespace lunafold
