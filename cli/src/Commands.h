// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace lunafold::cli {

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
