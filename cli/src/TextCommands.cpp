// SPDX-License-Identifier: MIT
// now and calendar: the screens' texts in a terminal.
#include "CommandLocale.h"
#include "Commands.h"
#include "Options.h"

#include "Json.h"
#include "common/Localization.h"
#include "common/UserDefaults.h"
#include "core/geo/ReverseGeocoder.h"
#include "core/services/CalendarExport.h"
#include "core/services/Locator.h"
#include "core/services/SavedData.h"
#include "core/text/CalendarMath.h"
#include "core/text/ScreenTexts.h"
#include "core/text/Translations.h"
#include "core/text/UIHelper.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace lunafold::cli {

void applyLocale(const Options &o) {
    const std::string name = o.has("locale") ? o.required("locale") : std::string();
    if (!useUserLocale(QString::fromStdString(name)))
        throw UsageError{"--locale: unknown locale '" + name + "' (expected e.g. en_US or de_DE)"};
}

QString placeLanguage(const Options &o, bool json) {
    if (json && !o.has("locale"))
        return {};
    applyLocale(o);
    return QLocale().name();
}

namespace {

void append(std::string &out, const QString &line) {
    out += line.toStdString();
    out += '\n';
}

// A section title as the app's Section shows it: in capitals.
QString heading(const char *key) {
    return QLocale().toUpper(localized(key));
}

void appendRows(std::string &out, const QString &title, const QList<TextRow> &rows, int labelWidth) {
    append(out, title);
    for (const TextRow &r : rows)
        append(out, QStringLiteral("  %1  %2").arg(r.label, -labelWidth).arg(r.value));
}

// The place: given on the command line, else the saved one, else 0°, 0° in the device's zone.
std::pair<GeoPoint, TimeZone> placeFrom(const Options &o) {
    if (const auto given = o.place()) {
        if (!o.has("tz"))
            throw UsageError{"--tz goes with --lat and --lon"};
        return {*given, o.zone("tz")};
    }
    UserDefaults &saved = UserDefaults::standard();
    GeoPoint p{Longitude(saved.doubleForKey(QStringLiteral("lunafold.calculationLongitude"))),
               Latitude(saved.doubleForKey(QStringLiteral("lunafold.calculationLatitude")))};
    if (!(p.latitude() >= -90 && p.latitude() <= 90 && p.longitude() >= -180 && p.longitude() <= 180))
        p = {};
    std::optional<TimeZone> zone =
        TimeZone::named(saved.stringForKey(QStringLiteral("lunafold.timezone")).toStdString());
    if (o.has("tz"))
        zone = o.zone("tz");
    return {p, zone.value_or(TimeZone::current())};
}

} // namespace

void nowCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"at", "lat", "lon", "tz", "locale"}, {});
    applyLocale(o);
    const Instant now = o.optionalInstant("at").value_or(
        Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0));
    const auto [place, zone] = placeFrom(o);

    append(out, QStringLiteral("%1  %2, %3  %4")
                    .arg(QString::fromStdString(formatInstant(now)))
                    .arg(place.latitude(), 0, 'f', 4)
                    .arg(place.longitude(), 0, 'f', 4)
                    .arg(QString::fromStdString(zone.name())));
    out += '\n';
    append(out, localized(QT_TRANSLATE_NOOP("Lunafold", "Moon Phase")));
    append(out, heading(QT_TRANSLATE_NOOP("Lunafold", "Upcoming")));
    append(out, QStringLiteral("  ") + UIHelper::countdownText(now, zone, true));
    append(out, QStringLiteral("  ") + UIHelper::countdownText(now, zone, false));
    append(out, heading(QT_TRANSLATE_NOOP("Lunafold", "Now")));
    append(out, QStringLiteral("  ") + UIHelper::phaseText(now, zone, true));
    append(out, QStringLiteral("  ") + ScreenTexts::moonRow(now, place));
    out += '\n';
    append(out, localized(QT_TRANSLATE_NOOP("Lunafold", "Rise and Set")));
    const QList<TextRow> sections[] = {ScreenTexts::riseSetRows(now, place, zone),
                                       ScreenTexts::transitRows(now, place, zone),
                                       ScreenTexts::otherRows(now, place)};
    // One column for the values of all three sections, however long the language's labels are.
    int width = 24;
    for (const QList<TextRow> &rows : sections)
        for (const TextRow &r : rows)
            width = std::max(width, static_cast<int>(r.label.size()));
    appendRows(out, heading(QT_TRANSLATE_NOOP("Lunafold", "Rise & Set")), sections[0], width);
    appendRows(out, heading(QT_TRANSLATE_NOOP("Lunafold", "Transit")), sections[1], width);
    appendRows(out, heading(QT_TRANSLATE_NOOP("Lunafold", "Other")), sections[2], width);
}

void calendarCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"month", "tz", "locale"}, {});
    applyLocale(o);
    const std::string monthText = o.required("month");
    const auto month = parseMonth(monthText);
    if (!month || month->year < 1 || month->year > 3000)
        throw UsageError{"--month: '" + monthText + "' is not a month (expected YYYY-MM)"};
    const TimeZone zone = o.has("tz") ? o.zone("tz") : TimeZone::current();
    const QLocale locale;

    const int firstWeekday = static_cast<int>(locale.firstDayOfWeek());
    const std::vector<GridDay> days = monthGridDays(month->year, month->month, firstWeekday, zone);
    if (days.empty())
        throw UsageError{"--month is outside the supported years"};

    append(out, QStringLiteral("%1 %2  (%3)")
                    .arg(locale.standaloneMonthName(month->month))
                    .arg(month->year)
                    .arg(QString::fromStdString(zone.name())));
    QStringList labels;
    int labelWidth = 5; // the columns stay as wide as the weekday names above them
    for (const GridDay &d : days) {
        labels << (d.inMonth ? UIHelper::calendarPhaseLabel(d.start, zone) : QString());
        labelWidth = std::max(labelWidth, static_cast<int>(labels.back().size()));
    }
    QString header;
    for (int i = 0; i < 7; ++i)
        header +=
            QStringLiteral("%1 %2")
                .arg(QString(), 2)
                .arg(locale.dayName((firstWeekday - 1 + i) % 7 + 1, QLocale::ShortFormat), -(labelWidth + 2));
    while (header.endsWith(u' '))
        header.chop(1);
    append(out, header);
    QString line;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const GridDay &d = days[i];
        // Days of the neighbouring months fill the first and last week, in parentheses.
        const QString day =
            d.inMonth ? QStringLiteral("%1").arg(d.date.day, 2) : QStringLiteral("(%1)").arg(d.date.day);
        line += QStringLiteral("%1 %2").arg(day, 4).arg(labels[static_cast<qsizetype>(i)], -labelWidth);
        if (i % 7 == 6) {
            while (line.endsWith(u' '))
                line.chop(1);
            append(out, line);
            line.clear();
        }
    }
}

void placeCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"lat", "lon", "locale"}, {"json"});
    const auto point = o.place();
    if (!point)
        throw UsageError{"--lat and --lon are required"};
    const QString language = placeLanguage(o, o.flag("json"));
    const auto place = ReverseGeocoder(ReverseGeocoder::defaultDirectory()).lookup(*point, language);
    if (!place)
        throw UsageError{"the coordinate is not on the Earth"};
    const QString text =
        Locator::placeText({place->locality, place->adminArea, place->country, place->timeZone});
    auto optional = [](const std::optional<QString> &s) {
        return s ? std::optional<std::string>(s->toStdString()) : std::nullopt;
    };
    // A place text of one blank means there is none.
    const std::optional<std::string> placeText =
        text.trimmed().isEmpty() ? std::nullopt : std::optional<std::string>(text.toStdString());
    if (o.flag("json")) {
        JsonWriter j;
        j.beginObject().key("locality").optionalString(optional(place->locality));
        j.key("admin_area").optionalString(optional(place->adminArea));
        j.key("country").optionalString(optional(place->country));
        j.key("time_zone").value(place->timeZone.toStdString());
        j.key("place_text").optionalString(placeText);
        out = j.endObject().str() + "\n";
        return;
    }
    // For people (scripts read --json): the Location tab's words.
    append(out, localized(QT_TRANSLATE_NOOP("Lunafold", "Location")) + QStringLiteral(": ") +
                    (placeText ? text : QStringLiteral("-")));
    append(out,
           localized(QT_TRANSLATE_NOOP("Lunafold", "Time Zone")) + QStringLiteral(": ") + place->timeZone);
}

void icsCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"from", "months", "out", "locale"}, {});
    applyLocale(o);
    const Instant from = o.instant("from");
    const int months = o.integer("months", 1, CalendarExport::kMaxMonths);
    const Instant now = Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0);
    // The alarms follow the notification settings the app has saved.
    const SavedData &settings = SavedData::shared();
    if (o.has("out")) {
        const QString error =
            CalendarExport::writeFile(QString::fromStdString(o.required("out")), from, months, settings, now);
        if (!error.isEmpty())
            throw UsageError{error.toStdString()};
        return;
    }
    const CalendarExport::Result r = CalendarExport::icsText(from, months, settings, now);
    if (!r.error.isEmpty())
        throw UsageError{r.error.toStdString()};
    out = r.text.toStdString();
}

} // namespace lunafold::cli
