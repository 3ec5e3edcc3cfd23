// SPDX-License-Identifier: MIT
#pragma once
// Runs lunafold-cli as a process and collects what it printed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cli_test {

struct Outcome {
    int status;
    std::string out, err;
};

inline std::string slurp(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
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

// A private folder for one test, removed (and unmounted) afterwards; env() keeps the settings there.
struct Scratch {
    std::string dir = testing::TempDir() + "lunafold-cli-scratch-" + std::to_string(getpid());
    bool mounted = false;
    Scratch() { std::system(("rm -rf " + dir + " && mkdir -p " + dir).c_str()); }
    ~Scratch() {
        if (mounted)
            ::umount2(dir.c_str(), MNT_DETACH);
        std::system(("rm -rf " + dir).c_str());
    }
    // A 16 KB disk in the folder; false where the test may not mount one.
    bool tiny() { return mounted = ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=16k") == 0; }
    std::string file(const std::string &name, const std::string &bytes) const {
        std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
        return dir + "/" + name;
    }
    std::string env() const { return "LUNAFOLD_CONFIG_DIR=" + dir + " "; }
};

} // namespace cli_test
