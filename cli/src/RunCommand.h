// SPDX-License-Identifier: MIT
#pragma once

#include "Options.h"

#include <cstdio>
#include <string>
#include <vector>

namespace lunafold::cli {

using Command = void (*)(const std::vector<std::string> &, std::string &);

/// Runs one command: its document on stdout, or its complaint on stderr and status 2.
inline int runCommand(const std::string &name, Command command, const std::vector<std::string> &args) {
    std::string out;
    try {
        command(args, out);
    } catch (const UsageError &e) {
        std::fprintf(stderr, "lunafold-cli %s: %s\n", name.c_str(), e.message.c_str());
        return 2;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace lunafold::cli
