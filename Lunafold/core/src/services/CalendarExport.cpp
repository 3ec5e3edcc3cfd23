// SPDX-License-Identifier: MIT
#include "core/services/CalendarExport.h"

#include "astronomy/AstroInterface.h"
#include "common/AppInfo.h"
#include "common/Localization.h"
#include "common/SafeWrite.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "core/text/NoticeTexts.h"
#include "core/text/PhaseNames.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>

namespace lunafold {
namespace {

QDateTime utc(Instant t) {
    return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(std::llround(t.unixSeconds())),
                                         QTimeZone::utc());
}

QString stamp(Instant t) {
    return utc(t).toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

// RFC 5545 TEXT: backslash, semicolon, comma and line breaks are escaped.
QString escaped(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char(';'), QLatin1String("\\;"));
    text.replace(QLatin1Char(','), QLatin1String("\\,"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

// -PT23H52M53S for 85,973 s before the start.
QString beforeStart(double seconds) {
    const auto s = static_cast<long long>(seconds);
    QString d = QStringLiteral("-PT");
    if (s / 3600)
        d += QString::number(s / 3600) + QLatin1Char('H');
    if (s % 3600 / 60)
        d += QString::number(s % 3600 / 60) + QLatin1Char('M');
    if (s % 60 || s == 0)
        d += QString::number(s % 60) + QLatin1Char('S');
    return d;
}

// Content lines are folded after 75 octets without splitting a UTF-8 sequence.
void appendLine(QByteArray &out, const QString &line) {
    const QByteArray utf8 = line.toUtf8();
    qsizetype start = 0;
    qsizetype limit = 75;
    while (utf8.size() - start > limit) {
        qsizetype cut = start + limit;
        while (cut > start && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        out += utf8.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        limit = 74; // the leading blank counts
    }
    out += utf8.mid(start);
    out += "\r\n";
}

} // namespace

std::array<bool, 3> CalendarExport::wantedNotices(const SavedData &s, PrincipalPhase phase) {
    const bool kind = phase == PrincipalPhase::NewMoon    ? s.notifyNew()
                      : phase == PrincipalPhase::FullMoon ? s.notifyFull()
                                                          : s.notifyQuarter();
    return {kind, kind && s.notify12(), kind && s.notifyExact()};
}

CalendarExport::Result CalendarExport::icsText(Instant from, int months, const SavedData &settings,
                                               Instant now) {
    if (months < 1 || months > kMaxMonths)
        return {{},
                trFormat(QT_TRANSLATE_NOOP("Lunafold", "The number of months must be between 1 and %d."),
                         {kMaxMonths})};
    const QDateTime untilTime = utc(from).addMonths(months);
    if (from.unixSeconds() < kFirstUnixSeconds ||
        static_cast<double>(untilTime.toSecsSinceEpoch()) > kEndUnixSeconds)
        return {{},
                localized(
                    QT_TRANSLATE_NOOP("Lunafold", "The calendar can cover 1901-01-01 to 2100-01-01 only."))};
    const Instant until = Instant::trusted(static_cast<double>(untilTime.toSecsSinceEpoch()));

    QByteArray out;
    appendLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    appendLine(out, QStringLiteral("VERSION:2.0"));
    appendLine(out, QStringLiteral("PRODID:-//Lunafold//Lunafold " LUNAFOLD_VERSION "//EN"));
    appendLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    appendLine(out, QStringLiteral("X-WR-CALNAME:") +
                        escaped(localized(QT_TRANSLATE_NOOP("Lunafold", "Moon Phases"))));

    // Phases come in a fixed cycle, so after the first one each next one is the following phase.
    auto [phase, at] = AstroInterface::nextPrincipalPhase(from);
    while (!(until < at)) {
        // The stamp of the event is its identity: exporting again updates rather than duplicates.
        const QString start = stamp(at);
        appendLine(out, QStringLiteral("BEGIN:VEVENT"));
        appendLine(out, QStringLiteral("UID:%1-%2@%3")
                            .arg(start)
                            .arg(phaseNumber(phase))
                            .arg(QLatin1String(kBundleIdentifier)));
        appendLine(out, QStringLiteral("DTSTAMP:") + stamp(now));
        appendLine(out, QStringLiteral("DTSTART:") + start);
        appendLine(out, QStringLiteral("SUMMARY:") + escaped(phaseName(phase)));
        appendLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
        const auto wanted = wantedNotices(settings, phase);
        for (int notice = 0; notice < 3; ++notice) {
            if (!wanted[notice])
                continue;
            appendLine(out, QStringLiteral("BEGIN:VALARM"));
            appendLine(out, QStringLiteral("ACTION:DISPLAY"));
            appendLine(out, QStringLiteral("DESCRIPTION:") + escaped(localized(noticeKey(phase, notice))));
            appendLine(out, QStringLiteral("TRIGGER;RELATED=START:") +
                                beforeStart(NotificationScheduler::kOffsets[notice]));
            appendLine(out, QStringLiteral("END:VALARM"));
        }
        appendLine(out, QStringLiteral("END:VEVENT"));
        phase = followingPhase(phase);
        at = AstroInterface::phaseInstant(at.plusSeconds(86400.0), phase, true);
    }
    appendLine(out, QStringLiteral("END:VCALENDAR"));
    return {QString::fromUtf8(out), {}};
}

QString CalendarExport::writeFile(const QString &path, Instant from, int months, const SavedData &settings,
                                  Instant now) {
    const Result r = icsText(from, months, settings, now);
    if (!r.error.isEmpty())
        return r.error;
    if (const QString failure = writeFileSafely(path, r.text.toUtf8()); !failure.isEmpty())
        return trFormat(QT_TRANSLATE_NOOP("Lunafold", "Cannot write %@: %@"), {path, failure});
    return {};
}

} // namespace lunafold
