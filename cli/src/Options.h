// SPDX-License-Identifier: MIT
#pragma once

#include "IsoTime.h"
#include "astronomy/GeoPoint.h"
#include "astronomy/TimeZone.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lunafold::cli {

/// Thrown inside the CLI only, for input that cannot be used; main turns it into exit status 2.
struct UsageError {
    std::string message;
};

/// "--name value" pairs and "--flag" switches of one command, validated as they are read.
class Options {
  public:
    /// @param valued the options that take a value; @param flags the switches.
    Options(const std::vector<std::string> &args, const std::set<std::string> &valued,
            const std::set<std::string> &flags);

    bool has(const std::string &name) const { return m_values.count(name) || m_flags.count(name); }
    bool flag(const std::string &name) const { return m_flags.count(name) > 0; }

    Instant instant(const std::string &name) const;
    std::optional<Instant> optionalInstant(const std::string &name) const;
    CivilDate date(const std::string &name) const;
    int integer(const std::string &name, int min, int max) const;
    std::optional<int> optionalInteger(const std::string &name, int min, int max) const;
    /// --lat and --lon given together, or neither.
    std::optional<GeoPoint> place() const;
    TimeZone zone(const std::string &name) const;
    std::string required(const std::string &name) const;

  private:
    double number(const std::string &name, double min, double max) const;
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
};

} // namespace lunafold::cli
