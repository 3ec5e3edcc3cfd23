// SPDX-License-Identifier: MIT
#include "core/viewmodels/LocationViewModel.h"
#include "core/viewmodels/FollowLocator.h"

#include "common/Localization.h"
#include "core/services/Locator.h"
#include "notices/AppClock.h"

#include <QCoreApplication>
#include <QVariantMap>

#include <cmath>

namespace lunafold {
namespace {

QVariantMap row(const char *label, const QString &value) {
    return {{QStringLiteral("label"), localized(label)}, {QStringLiteral("value"), value}};
}

} // namespace

LocationViewModel::LocationViewModel(Locator *locator, QObject *parent)
    : QObject(parent), m_locator(nullptr) {
    setLocator(locator);
    refresh();
}

void LocationViewModel::setLocator(Locator *locator) {
    if (followLocator(this, m_locator, locator, &LocationViewModel::refresh,
                      &Locator::friendlyLocationTextChanged, &Locator::locationServicesAvailableChanged,
                      &Locator::statusChanged))
        Q_EMIT locatorChanged();
}

void LocationViewModel::startCurrentLocation() {
    if (m_locator)
        m_locator->startCurrentLocation();
}

void LocationViewModel::cancelLocating() {
    if (m_locator)
        m_locator->cancelLocating();
}

void LocationViewModel::refresh() {
    const auto location = m_locator ? m_locator->currentLocation() : std::nullopt;
    const QString placeText = m_locator ? m_locator->friendlyLocationText() : QStringLiteral(" ");
    // The button always works; its label says whether the device may be asked.
    const bool available = m_locator && m_locator->locationServicesAvailable();
    const QString buttonText = available
                                   ? localized(QT_TRANSLATE_NOOP("Lunafold", "Current Location"))
                                   : localized(QT_TRANSLATE_NOOP("Lunafold", "Current Location unavailable"));
    const QString buttonIcon = available ? QStringLiteral("location") : QStringLiteral("location-slash");
    QVariantList rows;
    if (location) {
        rows << row(QT_TRANSLATE_NOOP("Lunafold", "Latitude"),
                    coordinateText(location->latitude(), QT_TRANSLATE_NOOP("Lunafold", "north"),
                                   QT_TRANSLATE_NOOP("Lunafold", "south")));
        rows << row(QT_TRANSLATE_NOOP("Lunafold", "Longitude"),
                    coordinateText(location->longitude(), QT_TRANSLATE_NOOP("Lunafold", "east"),
                                   QT_TRANSLATE_NOOP("Lunafold", "west")));
        const QString abbreviation =
            QString::fromStdString(m_locator->timezone().abbreviation(AppClock::now()));
        rows << row(QT_TRANSLATE_NOOP("Lunafold", "Time Zone"),
                    abbreviation.isEmpty() ? QStringLiteral(" ") : abbreviation);
    } else {
        const QString unknown = localized(QT_TRANSLATE_NOOP("Lunafold", "Unknown"));
        rows << row("Latitude", unknown) << row("Longitude", unknown);
    }
    const bool locating = m_locator && m_locator->locating();
    QString status;
    if (locating && m_locator->approximate())
        status = localized(
            QT_TRANSLATE_NOOP("Lunafold", "Locating… Until then: approximate, from your time zone"));
    else if (locating)
        status = localized(QT_TRANSLATE_NOOP("Lunafold", "Locating…"));
    else if (m_locator && m_locator->failed())
        status = localized(QT_TRANSLATE_NOOP(
            "Lunafold", "Your position could not be found. Pick a place on the map or search."));
    else if (m_locator && m_locator->approximate())
        status = localized(QT_TRANSLATE_NOOP("Lunafold", "Approximate, from your time zone"));
    // The Locator publishes a new place in several steps; the screen changes only when we do.
    if (placeText == m_placeText && buttonText == m_currentLocationText &&
        buttonIcon == m_currentLocationIcon && rows == m_rows && status == m_statusText &&
        locating == m_locating)
        return;
    m_statusText = status;
    m_locating = locating;
    m_placeText = placeText;
    m_currentLocationText = buttonText;
    m_currentLocationIcon = buttonIcon;
    m_rows = rows;
    Q_EMIT refreshed();
}

bool LocationViewModel::showsPlace(const QString &text) {
    qsizetype begin = 0, end = text.size();
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    const QStringView trimmed = QStringView(text).mid(begin, end - begin);
    return !trimmed.isEmpty() && trimmed != u"-";
}

QString LocationViewModel::coordinateText(double value, const char *positive, const char *negative) {
    return formatText(localized(QT_TRANSLATE_NOOP("Lunafold", "%.4f° %@")),
                      {localeNumber(std::abs(value), 4), localized(value > 0 ? positive : negative)});
}

} // namespace lunafold
