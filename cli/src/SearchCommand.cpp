// SPDX-License-Identifier: MIT
// search: places by name from the bundled data.
#include "CommandLocale.h"
#include "Commands.h"
#include "Options.h"

#include "Json.h"
#include "core/geo/PlaceSearch.h"
#include "core/geo/ReverseGeocoder.h"

#include <QString>

namespace lunafold::cli {

void searchCommand(const std::vector<std::string> &args, std::string &out) {
    // The words that are not options (or their values) make the query: "search Paris Texas" works unquoted.
    std::vector<std::string> options;
    std::string query;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) == 0) {
            options.push_back(args[i]);
            if ((args[i] == "--limit" || args[i] == "--locale") && i + 1 < args.size())
                options.push_back(args[++i]);
        } else {
            query += (query.empty() ? "" : " ") + args[i];
        }
    }
    const Options o(options, {"limit", "locale"}, {"json"});
    const int limit = o.optionalInteger("limit", 1, 100).value_or(10);
    if (QString::fromStdString(query).trimmed().isEmpty())
        throw UsageError{"a QUERY is required, e.g. lunafold-cli search chamonix"};
    const ReverseGeocoder geo(ReverseGeocoder::defaultDirectory());
    if (!geo.places().isLoaded())
        throw UsageError{"the places data could not be read from " +
                         ReverseGeocoder::defaultDirectory().toStdString()};
    const QString language = placeLanguage(o, o.flag("json"));
    const auto results = searchPlaces(geo, QString::fromStdString(query), limit, language);
    if (o.flag("json")) {
        JsonWriter j;
        j.beginArray();
        for (const PlaceSearchResult &r : results) {
            j.beginObject().key("locality").value(r.locality.toStdString());
            j.key("admin_area")
                .optionalString(r.adminArea ? std::optional(r.adminArea->toStdString()) : std::nullopt);
            j.key("country").value(r.country.toStdString());
            j.key("latitude").value(r.latitude, 7).key("longitude").value(r.longitude, 8);
            j.key("time_zone").value(r.timeZone.toStdString());
            j.key("place_text").value(r.placeText.toStdString());
            j.endObject();
        }
        out = j.endArray().str() + "\n";
        return;
    }
    for (const PlaceSearchResult &r : results) {
        const QString where = r.adminArea ? *r.adminArea + QStringLiteral(", ") + r.country : r.country;
        out += QStringLiteral("%1, %2  %3 %4  %5\n")
                   .arg(r.locality, where)
                   .arg(r.latitude, 0, 'f', 5)
                   .arg(r.longitude, 0, 'f', 5)
                   .arg(r.timeZone)
                   .toStdString();
    }
}

} // namespace lunafold::cli
