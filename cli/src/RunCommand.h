// SPDX-License-Identifier: MIT
#pragma once

#include "Options.h"

#include <cstdio>
#include <string>
#include <vector>

namespace lunafold::cli {

using Command = void (*)(const std::vector<std::string> &, std::string &);

/// Hands what a command has written so far to stdout, for answers that come day by day.
inline void flushAnswer(std::string &out) {
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    out.clear();
}

/// Runs one command: its document on stdout, or its complaint on stderr and status 2. An answer
/// that could not be written (a full disk, a closed pipe) is a failure too, never status 0.
inline int runCommand(const std::string &name, Command command, const std::vector<std::string> &args) {
    std::string out;
    try {
        command(args, out);
    } catch (const UsageError &e) {
        std::fflush(stdout);
        std::fprintf(stderr, "lunafold-cli %s: %s\n", name.c_str(), e.message.c_str());
        return 2;
    }
    flushAnswer(out);
    if (std::ferror(stdout)) {
        std::fprintf(stderr, "lunafold-cli %s: cannot write the answer to the standard output\n",
                     name.c_str());
        return 2;
    }
    return 0;
}

} // namespace lunafold::cli
