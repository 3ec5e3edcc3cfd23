// SPDX-License-Identifier: MIT
#pragma once
// Runs lunafold-cli as a process and collects what it printed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace cli_test {

struct Outcome {
    int status;
    std::string out, err;
};

inline std::string slurp(const std::string &path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline Outcome run(const std::string &args, const std::string &environment = "") {
    // Tests may run in parallel processes: one pair of files each.
    const std::string base = testing::TempDir() + "lunafold-cli-" +
                             testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                             std::to_string(getpid());
    const std::string out = base + ".out", err = base + ".err";
    const std::string cmd = environment + std::string(LUNAFOLD_CLI) + " " + args + " >" + out + " 2>" + err;
    const int raw = std::system(cmd.c_str());
    Outcome o{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
    std::remove(out.c_str());
    std::remove(err.c_str());
    return o;
}

} // namespace cli_test
