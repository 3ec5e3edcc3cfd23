// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace lunafold {

/// What the command line asks of one run of the app.
struct LaunchOptions {
    QString screenshotFile; ///< render one tab into this PNG and exit
    int tab = 0;
    QString page;                    ///< a page to open: "notifications", "about", "detail", "datepicker"
    bool checkLayout = false;        ///< screenshots: report cut texts and items off the window
    bool checkAccessibility = false; ///< screenshots: report controls a screen reader cannot name
    std::optional<Instant> at;       ///< frozen (screenshots) or shifted (interactive) clock
    std::optional<GeoPoint> place;
    std::optional<TimeZone> zone;
    QSize size{390, 844}; ///< window size in points
    std::optional<double> devicePixelRatio;
    QString locale;
    QString nmeaFile;

    /// The most pixels a window (size × device pixel ratio squared) may have.
    static constexpr double kMaxScreenshotPixels = 25e6;

    /// Parses the arguments after the program name; an error text when they cannot be used.
    static std::optional<LaunchOptions> parse(const QStringList &arguments, QString *error);
    static QString usage();
};

} // namespace lunafold
