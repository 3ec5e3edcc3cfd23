// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

/// The desktop's notification service as the tests see it: records what it is asked to show.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    QStringList bodies;
    QVariantMap lastHints;
    QStringList lastActions;

  public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int) {
        bodies << body;
        lastHints = hints;
        lastActions = actions;
        return static_cast<uint>(100 + bodies.size()); // the first notice is 101
    }
};
