// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace lunafold::cli {

class Options;

/// The system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), or --locale; throws for an unknown one.
void applyLocale(const Options &o);
/// The language of place names: JSON is the same wherever it runs (English) unless --locale asks,
/// text follows the system's language. Applies it as applyLocale() does.
QString placeLanguage(const Options &o, bool json);

/// Each command writes its document to @p out; bad input throws UsageError.
void phasesCommand(const std::vector<std::string> &args, std::string &out);
void moonCommand(const std::vector<std::string> &args, std::string &out);
void riseSetCommand(const std::vector<std::string> &args, std::string &out);
void sunCommand(const std::vector<std::string> &args, std::string &out);
void seasonsCommand(const std::vector<std::string> &args, std::string &out);
void nowCommand(const std::vector<std::string> &args, std::string &out);
void calendarCommand(const std::vector<std::string> &args, std::string &out);
void placeCommand(const std::vector<std::string> &args, std::string &out);
void icsCommand(const std::vector<std::string> &args, std::string &out);
void searchCommand(const std::vector<std::string> &args, std::string &out);

} // namespace lunafold::cli
