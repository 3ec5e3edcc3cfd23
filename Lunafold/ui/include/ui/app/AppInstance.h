// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QObject>
#include <QVariantMap>

#include <memory>

namespace lunafold {

/// One running app per user. The first launch owns the app's bus name and answers
/// org.freedesktop.Application there; a later launch asks it to come forward instead of
/// starting. Without a session bus a lock file in the data folder keeps the second one out.
class AppInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

  public:
    enum class Claim {
        First,          ///< this launch is the app
        Forwarded,      ///< the running app was asked to come forward
        AlreadyRunning, ///< another one runs but did not answer (or there is no bus to ask it)
    };
    explicit AppInstance(QObject *parent = nullptr) : QObject(parent) {}

    /// Takes the app's name, or brings the running app forward.
    Claim claim();

  Q_SIGNALS:
    /// Another launch or a clicked notice wants the window; @p nowTab: on its Now tab.
    void activationRequested(bool nowTab);

  public Q_SLOTS:
    void Activate(const QVariantMap &platformData);
    void ActivateAction(const QString &action, const QVariantList &parameter,
                        const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);

  private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace lunafold
