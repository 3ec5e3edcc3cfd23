// SPDX-License-Identifier: MIT
#include "core/services/NotificationScheduler.h"

#include "astronomy/AstroInterface.h"
#include "common/Localization.h"
#include "common/Log.h"
#include "core/services/SavedData.h"
#include "core/text/NoticeTexts.h"
#include "notices/AppClock.h"

#include <QDateTime>
#include <QUuid>

#include <array>

namespace lunafold {
namespace {

NotificationCenter *&currentCenter() {
    static NotificationCenter *center = nullptr;
    return center;
}

enum Notice { dayAhead = 0, halfDayAhead = 1, atTheMoment = 2 };

} // namespace

NotificationCenter *NotificationCenter::current() {
    return currentCenter();
}
void NotificationCenter::setCurrent(NotificationCenter *center) {
    currentCenter() = center;
}

void NotificationScheduler::rescheduleNotifications() {
    NotificationCenter *center = NotificationCenter::current();
    if (!center) {
        logLine(QStringLiteral("Notifications not scheduled: no notification centre"));
        return;
    }
    rescheduleNotifications({center, &SavedData::shared(), AppClock::now, logLine});
}

int NotificationScheduler::rescheduleNotifications(const Context &c) {
    const auto now = c.now ? c.now : std::function<Instant()>(AppClock::now);
    const auto log = c.log ? c.log : std::function<void(const QString &)>(logLine);
    c.center->removeAllPendingNotificationRequests();

    // The next four occurrences of each phase, each found from a day after the one before.
    std::array<std::array<Instant, 4>, 4> events{};
    for (const PrincipalPhase phase : kPrincipalPhases) {
        auto &occurrences = events[phaseNumber(phase)];
        Instant from = now();
        for (Instant &at : occurrences) {
            at = AstroInterface::phaseInstant(from, phase, true);
            from = at.plusSeconds(86400.0);
        }
    }

    const SavedData &s = *c.settings;
    struct Row {
        bool wanted;
        PrincipalPhase phase;
        Notice notice;
    };
    int count = 0;
    for (int k = 0; k < 4; ++k) {
        const Row rows[12] = {
            {s.notifyFull(), PrincipalPhase::FullMoon, dayAhead},
            {s.notifyNew(), PrincipalPhase::NewMoon, dayAhead},
            {s.notifyFull() && s.notify12(), PrincipalPhase::FullMoon, halfDayAhead},
            {s.notifyNew() && s.notify12(), PrincipalPhase::NewMoon, halfDayAhead},
            {s.notifyFull() && s.notifyExact(), PrincipalPhase::FullMoon, atTheMoment},
            {s.notifyNew() && s.notifyExact(), PrincipalPhase::NewMoon, atTheMoment},
            {s.notifyQuarter(), PrincipalPhase::FirstQuarter, dayAhead},
            {s.notifyQuarter(), PrincipalPhase::LastQuarter, dayAhead},
            {s.notifyQuarter() && s.notify12(), PrincipalPhase::FirstQuarter, halfDayAhead},
            {s.notifyQuarter() && s.notify12(), PrincipalPhase::LastQuarter, halfDayAhead},
            {s.notifyQuarter() && s.notifyExact(), PrincipalPhase::FirstQuarter, atTheMoment},
            {s.notifyQuarter() && s.notifyExact(), PrincipalPhase::LastQuarter, atTheMoment},
        };
        for (const Row &row : rows) {
            const Instant fire = events[phaseNumber(row.phase)][k].plusSeconds(-kOffsets[row.notice]);
            if (!row.wanted || !(fire > now()))
                continue;
            scheduleNotification(fire, localized(noticeKey(row.phase, row.notice)), s.notifyHowl(), *c.center,
                                 log);
            ++count;
        }
    }
    log(QStringLiteral("*** Notifications set are"));
    log(QStringLiteral("Count: ") + QString::number(count));
    log(QStringLiteral("*** Notifications rescheduled successfully."));
    return count;
}

void NotificationScheduler::scheduleNotification(Instant date, const QString &text, bool howl,
                                                 NotificationCenter &center,
                                                 const std::function<void(const QString &)> &log) {
    NotificationRequest r;
    r.identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    r.body = text;
    r.sound = howl ? QStringLiteral("wolfhowl.caf") : QStringLiteral("moonalert.caf");
    r.badge = 1;
    r.fireInstant = date;
    r.trigger = TimeZone::current().localDateTime(date);
    center.add(r, [log](const QString &error) {
        if (!error.isEmpty())
            log(error);
    });
}

} // namespace lunafold
