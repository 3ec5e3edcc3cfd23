// SPDX-License-Identifier: MIT
#pragma once

#include "core/geo/PlaceData.h"
#include "core/geo/PlaceSearch.h"
#include "core/services/Locator.h"

#include <QAbstractListModel>
#include <QPointer>

namespace lunafold {

/// The Location tab's search: the places matching the typed text, best first. Choosing one sets
/// it as a tap on the map does.
class PlaceSearchModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(lunafold::PlaceData *places READ places WRITE setPlaces NOTIFY placesChanged REQUIRED)
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY queryChanged)
    Q_PROPERTY(QString emptyText READ emptyText NOTIFY queryChanged)

  public:
    enum Role { TitleRole = Qt::UserRole + 1, DetailRole };
    static constexpr int kLimit = 12;

    /// @param locator where a choice goes; none: no place until one is set
    /// @param places the data searched (read on the first query); none: nothing is found
    explicit PlaceSearchModel(Locator *locator = nullptr, PlaceData *places = nullptr,
                              QObject *parent = nullptr);

    Locator *locator() const { return m_locator; }
    /// The place the figures are for; none: no place.
    void setLocator(Locator *locator);

    PlaceData *places() const { return m_places; }
    void setPlaces(PlaceData *places);

    QString query() const { return m_query; }
    void setQuery(const QString &query);
    /// "No places found" for a query without results; empty otherwise.
    QString emptyText() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// Makes result @p row the observer's place and clears the search.
    Q_INVOKABLE void choose(int row);
    const std::vector<PlaceSearchResult> &results() const { return m_results; }
    /// The language countries are named in; the screens' language (the default locale) at first.
    void setLanguage(const QString &language) { m_language = language; }

  Q_SIGNALS:
    void locatorChanged();
    void placesChanged();
    void queryChanged();

  private:
    QPointer<Locator> m_locator;
    QPointer<PlaceData> m_places;
    QString m_query;
    QString m_language;
    std::vector<PlaceSearchResult> m_results;
};

} // namespace lunafold
