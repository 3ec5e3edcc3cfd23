// SPDX-License-Identifier: MIT
// lunafold-cli render as a process: a PNG of the asked size, by GPU or flat, and status 2 on bad input.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>

using cli_test::Outcome;
using cli_test::run;
using cli_test::Scratch;

namespace {

// Width and height from a PNG's header, or nothing when the file is not a PNG.
std::optional<std::array<std::uint32_t, 2>> pngSize(const std::string &path) {
    std::string head(24, '\0');
    if (!std::ifstream(path, std::ios::binary).read(head.data(), 24) ||
        head.compare(0, 16, "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) != 0)
        return std::nullopt;
    const auto be32 = [&](int at) {
        return std::uint32_t(std::uint8_t(head[at])) << 24 | std::uint32_t(std::uint8_t(head[at + 1])) << 16 |
               std::uint32_t(std::uint8_t(head[at + 2])) << 8 | std::uint8_t(head[at + 3]);
    };
    return std::array<std::uint32_t, 2>{be32(16), be32(20)};
}

} // namespace

TEST(CliRender, WritesAPngOfTheAskedSize) {
    // The last word names the backend that drew it: "CPU" without GPU compute, or "flat".
    const std::tuple<std::string, std::uint32_t, const char *> cases[] = {
        {"--at 2024-04-12T19:30:00Z --size 96", 96, ""},
        {"--at 2024-04-12T19:30:00Z --lat -33.87 --lon 151.21 --size 33", 33, ""},
        {"--at 2024-04-28T04:00:00Z --lat 48.85 --lon 2.35 --orient --size 64", 64, ""},
        {"--at 2024-04-23 --size 48 --flat", 48, "  flat\n"},
    };
    Scratch s;
    for (const auto &[options, side, backend] : cases) {
        const std::string file = s.dir + "/" + std::to_string(side) + ".png";
        const Outcome r = run("render " + options + " --out " + file);
        ASSERT_EQ(r.status, 0) << options << "\n" << r.err;
        const std::string sides = std::to_string(side) + "x" + std::to_string(side);
        EXPECT_EQ(r.out.rfind(file + "  " + sides + "  ", 0), 0u) << r.out;
        EXPECT_TRUE(r.out.ends_with(backend)) << r.out;
        EXPECT_EQ(pngSize(file), (std::array<std::uint32_t, 2>{side, side})) << file;
    }
}

TEST(CliRender, BadInputIsRefusedWithStatusTwo) {
    Scratch s;
    const std::string out = s.dir + "/refused.png";
    const std::pair<std::string, const char *> cases[] = {
        {"render --at 2024-04-12 --size 64", "--out is required"},
        {"render --at 2024-04-12 --size 0 --out " + out, "outside"},
        {"render --at 2024-04-12 --size 5000 --out " + out, "outside"},
        {"render --at 2024-04-12 --size big --out " + out, "not a whole number"},
        {"render --at 2024-04-12 --size 64 --out " + s.dir + "/moon.jpg", "not a .png"},
        {"render --at 2024-04-12 --size 64 --out /nonexistent-folder/moon.png", "cannot write"},
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
