// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/Locator.h"
#include "core/geo/PlaceSearch.h"

#include <QAbstractListModel>
#include <QPointer>

namespace lunafold {

class ReverseGeocoder;

/// The Location tab's search: the places matching the typed text, best first. Choosing one sets
/// it as a tap on the map does.
class PlaceSearchModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY queryChanged)
    Q_PROPERTY(QString emptyText READ emptyText NOTIFY queryChanged)

public:
    enum Role { TitleRole = Qt::UserRole + 1, DetailRole };
    static constexpr int kLimit = 12;

    /// @param locator where a choice goes; none: no place until one is set
    /// @param geo the data searched; the shared data when null (loaded on the first query)
    explicit PlaceSearchModel(Locator *locator = nullptr, const ReverseGeocoder *geo = nullptr,
                              QObject *parent = nullptr);

    Locator *locator() const { return m_locator; }
    /// The place the figures are for; none: no place.
    void setLocator(Locator *locator);

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
    void queryChanged();

private:
    QPointer<Locator> m_locator;
    const ReverseGeocoder *m_geo;
    QString m_query;
    QString m_language;
    std::vector<PlaceSearchResult> m_results;
};

} // namespace lunafold
