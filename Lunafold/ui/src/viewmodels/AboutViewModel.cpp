// SPDX-License-Identifier: MIT
#include "ui/viewmodels/AboutViewModel.h"

#include "astronomy/TimeZone.h"
#include "common/AppInfo.h"
#include "common/Localization.h"
#include "core/services/LocationPlatform.h"
#include "core/services/Locator.h"
#include "core/services/NotificationAuthorizer.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>
#include <QSysInfo>
#include <QThreadPool>
#include <QUrlQuery>

#include <sys/utsname.h>

namespace lunafold {
namespace {

QString locationPermissionText(LocationAuthorization status) {
    switch (status) {
    case LocationAuthorization::notDetermined:
        return QStringLiteral("notDetermined");
    case LocationAuthorization::restricted:
        return QStringLiteral("restricted");
    case LocationAuthorization::denied:
        return QStringLiteral("denied");
    case LocationAuthorization::authorizedAlways:
        return QStringLiteral("always");
    case LocationAuthorization::authorizedWhenInUse:
        return QStringLiteral("whileInUse");
    default:
        return QStringLiteral("unknown");
    }
}

QString machine() {
    struct utsname name {};
    return uname(&name) == 0 ? QString::fromLocal8Bit(name.machine) : QString();
}

} // namespace

AboutViewModel::AboutViewModel(QObject *parent)
    : AboutViewModel(Sources{[] {
                                 NotificationAuthorizer *authorizer = NotificationAuthorizer::current();
                                 return authorizer ? authorizer->decision() : std::nullopt;
                             },
                             [this] {
                                 return locationPermissionText(
                                     m_locator ? m_locator->locationManager().authorizationStatus()
                                               : LocationAuthorization::notDetermined);
                             },
                             appShortVersion(), appBuildNumber()},
                     parent) {}

AboutViewModel::AboutViewModel(Sources sources, QObject *parent)
    : QObject(parent), m_sources(std::move(sources)) {}

void AboutViewModel::setLocator(Locator *locator) {
    if (locator == m_locator)
        return;
    m_locator = locator;
    Q_EMIT locatorChanged();
}

QString AboutViewModel::versionLine() const {
    return m_sources.shortVersion.isEmpty()
               ? QString()
               : trFormat(QT_TRANSLATE_NOOP("Lunafold", "Version Number %@"), {m_sources.shortVersion});
}

QUrl AboutViewModel::contactUrl() const {
    QUrl url(contactPage());
    if (!url.isValid())
        return QUrl(contactPage());
    auto orMissing = [](const QString &s) { return s.isEmpty() ? QStringLiteral("?") : s; };
    // Values keep their spaces and the like; the URL encodes them in its fully encoded form.
    QUrlQuery query;
    const QList<std::pair<QString, QString>> items = {
        {QStringLiteral("app"), QStringLiteral("Lunafold")},
        {QStringLiteral("ver"),
         orMissing(m_sources.shortVersion) + QStringLiteral(" (") + orMissing(m_sources.buildNumber) + u')'},
        {QStringLiteral("os"), QSysInfo::productType() + u' ' + QSysInfo::productVersion()},
        {QStringLiteral("device"), machine()},
        {QStringLiteral("loc"),
         m_sources.locationPermission ? m_sources.locationPermission() : QStringLiteral("unknown")},
        {QStringLiteral("notif"), m_notificationStatus},
        {QStringLiteral("tz"), QString::fromStdString(TimeZone::current().name())},
        {QStringLiteral("locale"), QLocale().name()},
    };
    for (const auto &[name, value] : items)
        query.addQueryItem(name, value);
    url.setQuery(query);
    return url.isValid() ? url : QUrl(contactPage());
}

void AboutViewModel::opened() {
    if (!m_sources.notificationDecision)
        return;
    // The answer is read from a file: off the main thread, then handed back to it.
    QPointer<AboutViewModel> self(this);
    auto read = m_sources.notificationDecision;
    QThreadPool::globalInstance()->start([self, read] {
        const std::optional<bool> decision = read();
        const QString text = !decision   ? QStringLiteral("notDetermined")
                             : *decision ? QStringLiteral("authorized")
                                         : QStringLiteral("denied");
        QMetaObject::invokeMethod(
            qApp,
            [self, text] {
                if (self && self->m_notificationStatus != text) {
                    self->m_notificationStatus = text;
                    Q_EMIT self->notificationAuthStatusChanged();
                }
            },
            Qt::QueuedConnection);
    });
}

bool AboutViewModel::openUrl(const QUrl &url) const {
    return QDesktopServices::openUrl(url);
}

void AboutViewModel::copyText(const QString &text) const {
    QGuiApplication::clipboard()->setText(text);
}

QString AboutViewModel::placeDataCredit() {
    // clang-format off
    return localized(QT_TRANSLATE_NOOP("Lunafold", "Place names from GeoNames (geonames.org, CC BY 4.0) and Natural Earth. Time zones from timezone-boundary-builder, © OpenStreetMap contributors (ODbL 1.0)."));
    // clang-format on
}

} // namespace lunafold
