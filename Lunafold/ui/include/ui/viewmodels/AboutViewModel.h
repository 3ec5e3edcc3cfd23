// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/Locator.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <optional>

namespace lunafold {

/// The About screen: the project's links, the version line, and the contact address that
/// carries what support needs to know about this installation.
class AboutViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(QUrl supportUrl READ supportUrl CONSTANT)
    Q_PROPERTY(QUrl websiteUrl READ websiteUrl CONSTANT)
    Q_PROPERTY(QUrl termsUrl READ termsUrl CONSTANT)
    Q_PROPERTY(QUrl privacyUrl READ privacyUrl CONSTANT)
    Q_PROPERTY(QUrl contactUrl READ contactUrl NOTIFY notificationAuthStatusChanged)
    Q_PROPERTY(QString versionLine READ versionLine CONSTANT)
    Q_PROPERTY(QString placeDataCredit READ placeDataCredit CONSTANT)
    Q_PROPERTY(
        QString notificationAuthStatus READ notificationAuthStatus NOTIFY notificationAuthStatusChanged)

  public:
    /// Where the answers come from; tests put in their own.
    struct Sources {
        std::function<std::optional<bool>()> notificationDecision; ///< read off the main thread
        std::function<QString()> locationPermission;               ///< "always", "denied", …
        QString shortVersion;                                      ///< empty: no version line
        QString buildNumber;
    };

    /// @param sources defaults: the app's notification permission and the location service of locator()
    explicit AboutViewModel(QObject *parent = nullptr);
    AboutViewModel(Sources sources, QObject *parent = nullptr);

    /// Whose location permission the contact page reports.
    Locator *locator() const { return m_locator; }
    void setLocator(Locator *locator);

    QUrl supportUrl() const { return QUrl(QStringLiteral("https://lunafold.app/support")); }
    QUrl websiteUrl() const { return QUrl(QStringLiteral("https://lunafold.app/")); }
    QUrl termsUrl() const { return QUrl(QStringLiteral("https://lunafold.app/terms")); }
    QUrl privacyUrl() const { return QUrl(QStringLiteral("https://lunafold.app/privacy")); }
    static QString contactPage() { return QStringLiteral("https://lunafold.app/contact"); }
    /// The contact page with app, ver, os, device, loc, notif, tz and locale in its query.
    QUrl contactUrl() const;
    QString versionLine() const;
    /// Where place names and time zones come from, with their licences.
    static QString placeDataCredit();
    QString notificationAuthStatus() const { return m_notificationStatus; }

    /// The screen opened: reads the notification permission in the background.
    Q_INVOKABLE void opened();
    /// Opens @p url in the browser; false when none could be started (the screen then shows it).
    Q_INVOKABLE bool openUrl(const QUrl &url) const;
    /// Puts @p text on the clipboard.
    Q_INVOKABLE void copyText(const QString &text) const;

  Q_SIGNALS:
    void locatorChanged();
    void notificationAuthStatusChanged();

  private:
    Sources m_sources;
    QString m_notificationStatus;
    QPointer<Locator> m_locator;
};

} // namespace lunafold
