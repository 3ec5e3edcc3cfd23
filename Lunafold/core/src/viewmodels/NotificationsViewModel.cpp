// SPDX-License-Identifier: MIT
#include "core/viewmodels/NotificationsViewModel.h"

#include "common/Log.h"
#include "core/services/CalendarExport.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "core/viewmodels/UserFiles.h"
#include "notices/AppClock.h"

namespace lunafold {

NotificationsViewModel::NotificationsViewModel(SavedData *settings, std::function<void()> reschedule,
                                               QObject *parent)
    : QObject(parent), m_reschedule(std::move(reschedule)) {
    if (!m_reschedule) {
        m_reschedule = [this] {
            NotificationCenter *center = NotificationCenter::current();
            if (center && m_settings)
                NotificationScheduler::rescheduleNotifications({center, m_settings, AppClock::now, logLine});
        };
    }
    setSettings(settings);
}

void NotificationsViewModel::setSettings(SavedData *settings) {
    if (settings == m_settings)
        return;
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (m_settings) {
        for (auto signal :
             {&SavedData::notifyHowlChanged, &SavedData::notify12Changed, &SavedData::notifyExactChanged,
              &SavedData::notifyQuarterChanged, &SavedData::notifyFullChanged, &SavedData::notifyNewChanged,
              &SavedData::useCurrentLocationChanged})
            connect(m_settings, signal, this, &NotificationsViewModel::changed);
    }
    Q_EMIT changed();
}

bool NotificationsViewModel::notifyHowl() const {
    return m_settings && m_settings->notifyHowl();
}
bool NotificationsViewModel::notify12() const {
    return m_settings && m_settings->notify12();
}
bool NotificationsViewModel::notifyExact() const {
    return m_settings && m_settings->notifyExact();
}
bool NotificationsViewModel::notifyQuarter() const {
    return m_settings && m_settings->notifyQuarter();
}
bool NotificationsViewModel::notifyFull() const {
    return m_settings && m_settings->notifyFull();
}
bool NotificationsViewModel::notifyNew() const {
    return m_settings && m_settings->notifyNew();
}
bool NotificationsViewModel::useCurrentLocation() const {
    return m_settings && m_settings->useCurrentLocation();
}

void NotificationsViewModel::setNotifyHowl(bool on) {
    apply(on, &SavedData::notifyHowl, &SavedData::setNotifyHowl, true);
}
void NotificationsViewModel::setNotify12(bool on) {
    apply(on, &SavedData::notify12, &SavedData::setNotify12, true);
}
void NotificationsViewModel::setNotifyExact(bool on) {
    apply(on, &SavedData::notifyExact, &SavedData::setNotifyExact, true);
}
void NotificationsViewModel::setNotifyQuarter(bool on) {
    apply(on, &SavedData::notifyQuarter, &SavedData::setNotifyQuarter, true);
}
void NotificationsViewModel::setNotifyFull(bool on) {
    apply(on, &SavedData::notifyFull, &SavedData::setNotifyFull, true);
}
void NotificationsViewModel::setNotifyNew(bool on) {
    apply(on, &SavedData::notifyNew, &SavedData::setNotifyNew, true);
}
// The location flag is read once, at start-up: nothing to reschedule.
void NotificationsViewModel::setUseCurrentLocation(bool on) {
    apply(on, &SavedData::useCurrentLocation, &SavedData::setUseCurrentLocation, false);
}

void NotificationsViewModel::apply(bool on, bool (SavedData::*get)() const, void (SavedData::*set)(bool),
                                   bool reschedules) {
    if (!m_settings || (m_settings->*get)() == on)
        return;
    (m_settings->*set)(on);
    m_settings->save();
    if (reschedules)
        m_reschedule();
}

QString NotificationsViewModel::exportCalendar(const QString &path) const {
    if (!m_settings)
        return QStringLiteral("No notification settings to export."); // a screen always sets them
    const QString file = localPath(path);
    makeFolderFor(file);
    return CalendarExport::writeFile(file, AppClock::now(), 12, *m_settings, AppClock::now());
}

QString NotificationsViewModel::suggestedCalendarFile() const {
    return userFolder(QStandardPaths::DocumentsLocation) + QStringLiteral("/Lunafold moon phases.ics");
}

} // namespace lunafold
