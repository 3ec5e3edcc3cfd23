// SPDX-License-Identifier: MIT
// lunafold-cli render as a process: a PNG of the asked size, by GPU or flat, and status 2 on bad input.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

using cli_test::Outcome;
using cli_test::run;

namespace {

// Width and height from a PNG's header, or nothing when the file is not a PNG.
std::optional<std::array<std::uint32_t, 2>> pngSize(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    if (!in.read(reinterpret_cast<char *>(head), sizeof head))
        return std::nullopt;
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!std::equal(signature, signature + 8, head) || std::string(head + 12, head + 16) != "IHDR")
        return std::nullopt;
    const auto be32 = [&](int at) {
        return std::uint32_t(head[at]) << 24 | std::uint32_t(head[at + 1]) << 16 |
               std::uint32_t(head[at + 2]) << 8 | std::uint32_t(head[at + 3]);
    };
    return std::array<std::uint32_t, 2>{be32(16), be32(20)};
}

std::string scratchFile(const std::string &name) {
    return testing::TempDir() + "lunafold-render-" + std::to_string(getpid()) + "-" + name;
}

} // namespace

TEST(CliRender, WritesAPngOfTheAskedSize) {
    struct Case {
        std::string options;
        std::uint32_t side;
    };
    const Case cases[] = {
        {"--at 2024-04-12T19:30:00Z --size 96", 96},
        {"--at 2024-04-12T19:30:00Z --lat -33.87 --lon 151.21 --size 33", 33},
        {"--at 2024-04-28T04:00:00Z --lat 48.85 --lon 2.35 --orient --size 64", 64},
        {"--at 2024-04-23 --size 48 --flat", 48},
    };
    for (const Case &c : cases) {
        const std::string file = scratchFile(std::to_string(c.side) + ".png");
        const Outcome r = run("render " + c.options + " --out " + file);
        ASSERT_EQ(r.status, 0) << c.options << "\n" << r.err;
        EXPECT_EQ(r.out.rfind(file + "  " + std::to_string(c.side) + "x" + std::to_string(c.side) + "  ", 0),
                  0u)
            << r.out;
        const auto size = pngSize(file);
        ASSERT_TRUE(size) << file;
        EXPECT_EQ((*size)[0], c.side);
        EXPECT_EQ((*size)[1], c.side);
        std::remove(file.c_str());
    }
    // --flat says so; the others name the backend that drew them, "CPU" without GPU compute, or "flat".
    const std::string file = scratchFile("flat.png");
    EXPECT_NE(run("render --at 2024-04-23 --size 16 --flat --out " + file).out.find("  flat\n"),
              std::string::npos);
    std::remove(file.c_str());
}

TEST(CliRender, BadInputIsRefusedWithStatusTwo) {
    const std::string out = scratchFile("refused.png");
    const std::pair<std::string, const char *> cases[] = {
        {"render --size 64 --out " + out, "--at is required"},
        {"render --at 2024-04-12 --out " + out, "--size is required"},
        {"render --at 2024-04-12 --size 64", "--out is required"},
        {"render --at 2024-13-12 --size 64 --out " + out, "not an instant"},
        {"render --at 2024-04-12 --size 0 --out " + out, "outside"},
        {"render --at 2024-04-12 --size 5000 --out " + out, "outside"},
        {"render --at 2024-04-12 --size big --out " + out, "not a whole number"},
        {"render --at 2024-04-12 --size 64 --lat 10 --out " + out, "go together"},
        {"render --at 2024-04-12 --size 64 --lat 95 --lon 0 --out " + out, "outside"},
        {"render --at 2024-04-12 --size 64 --out " + scratchFile("moon.jpg"), "not a .png"},
        {"render --at 2024-04-12 --size 64 --out /nonexistent-folder/moon.png", "cannot write"},
        {"render --at 2024-04-12 --size 64 --out " + out + " --sepia", "unknown option"},
    };
    for (const auto &[args, message] : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_NE(r.err.find(message), std::string::npos) << args << " → " << r.err;
    }
    std::ifstream never(out);
    EXPECT_FALSE(never.good());
}
