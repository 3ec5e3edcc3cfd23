// SPDX-License-Identifier: MIT
#include "core/viewmodels/NotificationsViewModel.h"

#include "notices/AppClock.h"
#include "core/services/CalendarExport.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "core/viewmodels/UserFiles.h"

namespace lunafold {

NotificationsViewModel::NotificationsViewModel(SavedData *settings, std::function<void()> reschedule, QObject *parent)
    : QObject(parent), m_settings(settings ? *settings : SavedData::shared()), m_reschedule(std::move(reschedule)) {
    if (!m_reschedule)
        m_reschedule = [] { NotificationScheduler::rescheduleNotifications(); };
    connect(&m_settings, &SavedData::notifyHowlChanged, this, &NotificationsViewModel::changed);
    connect(&m_settings, &SavedData::notify12Changed, this, &NotificationsViewModel::changed);
    connect(&m_settings, &SavedData::notifyExactChanged, this, &NotificationsViewModel::changed);
    connect(&m_settings, &SavedData::notifyQuarterChanged, this, &NotificationsViewModel::changed);
    connect(&m_settings, &SavedData::notifyFullChanged, this, &NotificationsViewModel::changed);
    connect(&m_settings, &SavedData::notifyNewChanged, this, &NotificationsViewModel::changed);
    connect(&m_settings, &SavedData::useCurrentLocationChanged, this, &NotificationsViewModel::changed);
}

bool NotificationsViewModel::notifyHowl() const { return m_settings.notifyHowl(); }
bool NotificationsViewModel::notify12() const { return m_settings.notify12(); }
bool NotificationsViewModel::notifyExact() const { return m_settings.notifyExact(); }
bool NotificationsViewModel::notifyQuarter() const { return m_settings.notifyQuarter(); }
bool NotificationsViewModel::notifyFull() const { return m_settings.notifyFull(); }
bool NotificationsViewModel::notifyNew() const { return m_settings.notifyNew(); }
bool NotificationsViewModel::useCurrentLocation() const { return m_settings.useCurrentLocation(); }

void NotificationsViewModel::setNotifyHowl(bool on) {
    apply(on, &SavedData::notifyHowl, &SavedData::setNotifyHowl, true);
}
void NotificationsViewModel::setNotify12(bool on) { apply(on, &SavedData::notify12, &SavedData::setNotify12, true); }
void NotificationsViewModel::setNotifyExact(bool on) {
    apply(on, &SavedData::notifyExact, &SavedData::setNotifyExact, true);
}
void NotificationsViewModel::setNotifyQuarter(bool on) {
    apply(on, &SavedData::notifyQuarter, &SavedData::setNotifyQuarter, true);
}
void NotificationsViewModel::setNotifyFull(bool on) {
    apply(on, &SavedData::notifyFull, &SavedData::setNotifyFull, true);
}
void NotificationsViewModel::setNotifyNew(bool on) { apply(on, &SavedData::notifyNew, &SavedData::setNotifyNew, true); }
// The location flag is read once, at start-up: nothing to reschedule.
void NotificationsViewModel::setUseCurrentLocation(bool on) {
    apply(on, &SavedData::useCurrentLocation, &SavedData::setUseCurrentLocation, false);
}

void NotificationsViewModel::apply(bool on, bool (SavedData::*get)() const, void (SavedData::*set)(bool),
                                   bool reschedules) {
    if ((m_settings.*get)() == on)
        return;
    (m_settings.*set)(on);
    m_settings.save();
    if (reschedules)
        m_reschedule();
}

QString NotificationsViewModel::exportCalendar(const QString &path) const {
    const QString file = localPath(path);
    makeFolderFor(file);
    return CalendarExport::writeFile(file, AppClock::now(), 12, m_settings, AppClock::now());
}

QString NotificationsViewModel::suggestedCalendarFile() const {
    return userFolder(QStandardPaths::DocumentsLocation) + QStringLiteral("/Lunafold moon phases.ics");
}

} // namespace lunafold
