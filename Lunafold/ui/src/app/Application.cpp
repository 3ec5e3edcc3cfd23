// SPDX-License-Identifier: MIT
#include "ui/app/Application.h"

#include "ui/app/AppBridge.h"
#include "notices/AppIds.h"
#include "notices/AppClock.h"
#include "core/app/AppServices.h"
#include "notices/LocalNotificationCenter.h"
#include "core/app/LunafoldApp.h"
#include "notices/NoticeDelivery.h"
#include "ui/map/MapSettings.h"
#include "core/services/NotificationAuthorizer.h"
#include "core/app/PermissionPrompt.h"
#include "ui/app/QmlTypes.h"
#include "ui/app/SoundPlayer.h"
#include "ui/map/TileSource.h"
#include "core/text/Translations.h"

#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QStandardPaths>

namespace lunafold {

void Application::prepareProcess(const LaunchOptions &options) {
    // Screenshots need no display; the scale must be set before the application exists.
    if (!options.screenshotFile.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (options.devicePixelRatio)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*options.devicePixelRatio));
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
        qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
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
    m_services = std::make_unique<AppServices>(serviceOptions);
    m_bridge = std::make_unique<AppBridge>(!screenshot);

    // Screenshots leave the notifications and their permission alone.
    if (!screenshot) {
        m_lunafold = std::make_unique<LunafoldApp>(LunafoldApp::Environment{
            &m_services->center(), &m_services->authorizer(), {}, {}, app.applicationState()});
        connect(&app, &QGuiApplication::applicationStateChanged, m_lunafold.get(),
                &LunafoldApp::applicationStateChanged);
    }
    connect(&app, &QCoreApplication::aboutToQuit, this, [this] { m_services->permissionPrompt().abandon(); });
    if (NoticeDelivery *delivery = m_services->noticeDelivery())
        connect(delivery, &NoticeDelivery::noticeActivated, this, [this] { bringForward(true); });

    // Screenshots never go online: the same picture everywhere, and no network needed.
    if (!screenshot)
        startMapTiles();

    registerQmlTypes(m_services.get(), m_bridge.get());
    m_engine = std::make_unique<QQmlApplicationEngine>();
    addImageProviders(*m_engine);
    m_engine->load(QUrl(QStringLiteral("qrc:/qml/Main.qml")));
    if (m_engine->rootObjects().isEmpty())
        return;
    m_window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().constFirst());
    m_window->resize(options.size);
    if (QObject *main = m_window->findChild<QObject *>(QStringLiteral("mainView")))
        main->setProperty("selectedTab", options.tab);
    const QString pageOwner = options.tab == 2 ? QStringLiteral("futureView") : QStringLiteral("settingsView");
    QObject *owner = m_window->findChild<QObject *>(pageOwner);
    if (owner && !options.page.isEmpty())
        QMetaObject::invokeMethod(owner, "openPage", Q_ARG(QVariant, options.page));
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

void Application::startMapTiles() {
    MapSettings &settings = MapSettings::shared();
    QString cache = qEnvironmentVariable("LUNAFOLD_CACHE_DIR");
    if (cache.isEmpty())
        cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/lunafold");
    TileSource::Options options;
    options.urlTemplate = settings.tileUrlTemplate();
    options.cacheDirectory = cache + QStringLiteral("/tiles");
    m_tiles = std::make_unique<TileSource>(options);
    m_tiles->setEnabled(settings.onlineMap());
    connect(&settings, &MapSettings::onlineMapChanged, m_tiles.get(),
            [this, &settings] { m_tiles->setEnabled(settings.onlineMap()); });
    TileSource::setShared(m_tiles.get());
}

Application::~Application() {
    // The window goes before the services it shows.
    m_engine.reset();
    m_services->permissionPrompt().abandon();
}

} // namespace lunafold
