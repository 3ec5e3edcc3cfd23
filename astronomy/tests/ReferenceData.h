// SPDX-License-Identifier: MIT
// Reference tables generated independently with astronomy-engine 2.1.19 by
// tools/reference/make_reference.mjs (see the '#' header lines of each file for its definitions).
#pragma once

#include "astronomy/Instant.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace lunafold::testing {

using Row = std::vector<std::string>;

/// Rows of a CSV file in the test data folder, without comment lines and the header line.
inline std::vector<Row> readCsv(const std::string &name) {
    std::ifstream in(std::string(LUNAFOLD_TEST_DATA) + "/" + name);
    std::vector<Row> rows;
    bool header = true;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#' || std::exchange(header, false))
            continue;
        Row &row = rows.emplace_back();
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');)
            row.push_back(cell);
    }
    return rows;
}

inline Instant unixAt(const std::string &s) {
    return Instant::trusted(std::stod(s));
}

/// Sorted absolute errors, for percentile statements.
struct ErrorStats {
    std::vector<double> errors;
    void add(double e) { errors.push_back(std::abs(e)); }
    double percentile(double p) {
        if (errors.empty())
            return 0.0;
        std::sort(errors.begin(), errors.end());
        const auto i =
            static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(errors.size()))) - 1;
        return errors[std::min(i, errors.size() - 1)];
    }
    double max() { return percentile(100.0); }
};

struct Place {
    std::string name, zone;
    double lat, lon;
    Instant from, to;
    bool hasSunEvents;
};

inline std::vector<Place> referencePlaces() {
    std::vector<Place> out;
    for (const Row &r : readCsv("places.csv"))
        out.push_back(
            {r[0], r[3], std::stod(r[1]), std::stod(r[2]), unixAt(r[4]), unixAt(r[5]), r[6] == "1"});
    return out;
}

/// place → kind → ascending instants.
inline std::map<std::string, std::map<std::string, std::vector<Instant>>>
referenceEvents(const std::string &file) {
    std::map<std::string, std::map<std::string, std::vector<Instant>>> out;
    for (const Row &r : readCsv(file))
        out[r[0]][r[1]].push_back(unixAt(r[2]));
    return out;
}

} // namespace lunafold::testing
