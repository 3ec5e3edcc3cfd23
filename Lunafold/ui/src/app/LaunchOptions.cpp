// SPDX-License-Identifier: MIT
#include "ui/app/LaunchOptions.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace lunafold {

QString LaunchOptions::usage() {
    return QStringLiteral(
        "usage: lunafold [--at ISO] [--place LAT,LON,ZONE] [--nmea FILE] [--locale NAME]\n"
        "                [--screenshot FILE.png [--tab N | --page PAGE] [--size WxH] [--dpr S]\n"
        "                 [--check-layout] [--check-accessibility]]\n"
        "  --at          the clock starts at this UTC instant (frozen in screenshots)\n"
        "  --place       a fixed place, e.g. 48.8566,2.3522,Europe/Paris\n"
        "  --nmea        replay positions from an NMEA log instead of the device\n"
        "  --screenshot  render tab N (0 Now … 4 Settings) off-screen into FILE.png and exit\n"
        "  --page        open a page: notifications, about (Settings), detail, datepicker (Future)\n"
        "  --check-layout         list cut or elided texts and items outside the window; exit 3 if any\n"
        "  --check-accessibility  list controls without an accessible name; exit 3 if any\n");
}

std::optional<LaunchOptions> LaunchOptions::parse(const QStringList &args, QString *error) {
    LaunchOptions o;
    auto fail = [error](const QString &text) {
        *error = text;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &name = args[i];
        if (!name.startsWith(QLatin1String("--")))
            return fail(QStringLiteral("unexpected argument '%1'").arg(name));
        if (name == QLatin1String("--check-layout") || name == QLatin1String("--check-accessibility")) {
            (name == QLatin1String("--check-layout") ? o.checkLayout : o.checkAccessibility) = true;
            continue;
        }
        if (i + 1 >= args.size())
            return fail(QStringLiteral("%1 needs a value").arg(name));
        const QString value = args[++i];
        if (value.isEmpty())
            return fail(QStringLiteral("%1 needs a value, got an empty one").arg(name));
        if (name == QLatin1String("--screenshot")) {
            o.screenshotFile = value;
        } else if (name == QLatin1String("--tab")) {
            bool ok = false;
            o.tab = value.toInt(&ok);
            if (!ok || o.tab < 0 || o.tab > 4)
                return fail(QStringLiteral("--tab: expected 0 to 4, got '%1'").arg(value));
        } else if (name == QLatin1String("--page")) {
            static const QStringList settingsPages{QStringLiteral("notifications"), QStringLiteral("about")};
            static const QStringList futurePages{QStringLiteral("detail"), QStringLiteral("datepicker")};
            if (!settingsPages.contains(value) && !futurePages.contains(value))
                return fail(
                    QStringLiteral("--page: expected notifications, about, detail or datepicker, got '%1'")
                        .arg(value));
            o.page = value;
            o.tab = settingsPages.contains(value) ? 4 : 2;
        } else if (name == QLatin1String("--at")) {
            const QDateTime t = QDateTime::fromString(value, Qt::ISODateWithMs);
            if (!t.isValid() || t.timeSpec() == Qt::LocalTime)
                return fail(
                    QStringLiteral("--at: '%1' is not a UTC instant like 2024-04-08T18:21:00Z").arg(value));
            const auto instant =
                Instant::fromUnixSeconds(static_cast<double>(t.toMSecsSinceEpoch()) / 1000.0);
            if (!instant)
                return fail(QStringLiteral("--at: '%1' is out of range").arg(value));
            o.at = *instant;
        } else if (name == QLatin1String("--place")) {
            const QStringList parts = value.split(u',');
            bool okLat = false, okLon = false;
            const double lat = parts.value(0).toDouble(&okLat);
            const double lon = parts.value(1).toDouble(&okLon);
            // NaN and infinities compare false with every bound, so ask for finite numbers first.
            if (parts.size() != 3 || !okLat || !okLon || !std::isfinite(lat) || !std::isfinite(lon) ||
                std::abs(lat) > 90 || std::abs(lon) > 180)
                return fail(
                    QStringLiteral("--place: expected LAT,LON,ZONE such as 48.8566,2.3522,Europe/Paris"));
            const auto zone = TimeZone::named(parts[2].toStdString());
            if (!zone)
                return fail(QStringLiteral("--place: unknown time zone '%1'").arg(parts[2]));
            o.place = GeoPoint{Longitude(lon), Latitude(lat)};
            o.zone = *zone;
        } else if (name == QLatin1String("--size")) {
            const auto m = QRegularExpression(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$")).match(value);
            if (!m.hasMatch())
                return fail(QStringLiteral("--size: expected WxH in points, such as 390x844"));
            o.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (name == QLatin1String("--dpr")) {
            bool ok = false;
            const double dpr = value.toDouble(&ok);
            if (!ok || !std::isfinite(dpr) || !(dpr >= 0.5 && dpr <= 4))
                return fail(QStringLiteral("--dpr: expected a scale between 0.5 and 4"));
            o.devicePixelRatio = dpr;
        } else if (name == QLatin1String("--locale")) {
            if (QLocale(value).language() == QLocale::C && value != QLatin1String("C"))
                return fail(QStringLiteral("--locale: unknown locale '%1'").arg(value));
            o.locale = value;
        } else if (name == QLatin1String("--nmea")) {
            o.nmeaFile = value;
        } else {
            return fail(QStringLiteral("unknown option '%1'").arg(name));
        }
    }
    // The window is drawn in memory at full resolution: keep it to what a large tablet needs.
    const double pixels = o.size.width() * o.devicePixelRatio.value_or(1.0) * o.size.height() *
                          o.devicePixelRatio.value_or(1.0);
    if (pixels > kMaxScreenshotPixels)
        return fail(QStringLiteral(
                        "--size and --dpr: %1 million pixels is more than the %2 million a picture may have")
                        .arg(pixels / 1e6, 0, 'f', 1)
                        .arg(kMaxScreenshotPixels / 1e6, 0, 'f', 0));
    return o;
}

} // namespace lunafold
