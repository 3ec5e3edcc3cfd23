// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "core/services/SavedData.h"

#include <QObject>

#include <functional>

namespace lunafold {

/// The notification settings screen: every change is saved at once and, for the notices,
/// the pending notifications are rebuilt at once.
class NotificationsViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(lunafold::SavedData *settings READ settings WRITE setSettings NOTIFY changed REQUIRED)
    Q_PROPERTY(bool notifyHowl READ notifyHowl WRITE setNotifyHowl NOTIFY changed)
    Q_PROPERTY(bool notify12 READ notify12 WRITE setNotify12 NOTIFY changed)
    Q_PROPERTY(bool notifyExact READ notifyExact WRITE setNotifyExact NOTIFY changed)
    Q_PROPERTY(bool notifyQuarter READ notifyQuarter WRITE setNotifyQuarter NOTIFY changed)
    Q_PROPERTY(bool notifyFull READ notifyFull WRITE setNotifyFull NOTIFY changed)
    Q_PROPERTY(bool notifyNew READ notifyNew WRITE setNotifyNew NOTIFY changed)
    Q_PROPERTY(bool useCurrentLocation READ useCurrentLocation WRITE setUseCurrentLocation NOTIFY changed)
    Q_PROPERTY(QString suggestedCalendarFile READ suggestedCalendarFile CONSTANT)

  public:
    /// @param settings the flags shown and changed; none: all off and nothing changes until set
    /// @param reschedule rebuilds the pending notices; by default from @p settings and the current centre
    explicit NotificationsViewModel(SavedData *settings = nullptr, std::function<void()> reschedule = {},
                                    QObject *parent = nullptr);

    SavedData *settings() const { return m_settings; }
    void setSettings(SavedData *settings);

    bool notifyHowl() const;
    bool notify12() const;
    bool notifyExact() const;
    bool notifyQuarter() const;
    bool notifyFull() const;
    bool notifyNew() const;
    bool useCurrentLocation() const;
    void setNotifyHowl(bool on);
    void setNotify12(bool on);
    void setNotifyExact(bool on);
    void setNotifyQuarter(bool on);
    void setNotifyFull(bool on);
    void setNotifyNew(bool on);
    void setUseCurrentLocation(bool on);

    /// Twelve months of phases from now, with the alarms the settings ask for, as an iCalendar
    /// file; returns an error text, empty on success.
    Q_INVOKABLE QString exportCalendar(const QString &path) const;
    /// In the user's documents folder.
    QString suggestedCalendarFile() const;

  Q_SIGNALS:
    void changed();

  private:
    void apply(bool on, bool (SavedData::*get)() const, void (SavedData::*set)(bool), bool reschedules);

    SavedData *m_settings = nullptr;
    std::function<void()> m_reschedule;
};

} // namespace lunafold
