// SPDX-License-Identifier: MIT
#include "core/viewmodels/PlaceSearchModel.h"

#include "common/Localization.h"
#include "core/geo/PlaceData.h"
#include "core/services/Locator.h"

#include <QLocale>

namespace lunafold {

PlaceSearchModel::PlaceSearchModel(Locator *locator, PlaceData *places, QObject *parent)
    : QAbstractListModel(parent), m_locator(nullptr), m_places(places), m_language(QLocale().name()) {
    setLocator(locator);
}

void PlaceSearchModel::setPlaces(PlaceData *places) {
    if (places == m_places)
        return;
    m_places = places;
    Q_EMIT placesChanged();
}

void PlaceSearchModel::setLocator(Locator *locator) {
    if (locator == m_locator)
        return;
    m_locator = locator;
    Q_EMIT locatorChanged();
}

void PlaceSearchModel::setQuery(const QString &query) {
    if (query == m_query)
        return;
    beginResetModel();
    m_query = query;
    if (query.trimmed().isEmpty() || !m_places)
        m_results.clear();
    else
        m_results = searchPlaces(m_places->geocoder(), query, kLimit, m_language);
    endResetModel();
    Q_EMIT queryChanged();
}

QString PlaceSearchModel::emptyText() const {
    if (m_query.trimmed().isEmpty() || !m_results.empty())
        return {};
    return localized(QT_TRANSLATE_NOOP("Lunafold", "No places found"));
}

int PlaceSearchModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_results.size());
}

QVariant PlaceSearchModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    const PlaceSearchResult &r = m_results[static_cast<std::size_t>(index.row())];
    switch (role) {
    case TitleRole:
        return r.locality;
    case DetailRole:
        return r.adminArea ? *r.adminArea + QStringLiteral(", ") + r.country : r.country;
    default:
        return {};
    }
}

QHash<int, QByteArray> PlaceSearchModel::roleNames() const {
    return {{TitleRole, "title"}, {DetailRole, "detail"}};
}

void PlaceSearchModel::choose(int row) {
    if (row < 0 || row >= rowCount() || !m_locator)
        return;
    const PlaceSearchResult chosen = m_results[static_cast<std::size_t>(row)];
    setQuery(QString());
    m_locator->setChosenLocation(GeoPoint{Longitude(chosen.longitude), Latitude(chosen.latitude)});
}

} // namespace lunafold
