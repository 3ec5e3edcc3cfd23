// SPDX-License-Identifier: MIT
// lunafold-cli on hostile ground: a full disk, device files as --out, a corrupt preference file,
// and local dates a zone skipped.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using cli_test::Outcome;
using cli_test::run;
using cli_test::Scratch;
using cli_test::slurp;
using namespace std::string_literals;

TEST(CliFaults, AFullDiskKeepsTheOldFileAndFails) {
    Scratch s;
    if (!s.tiny())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const std::string old(3000, 'o'), ics = s.file("moon.ics", old);
    // The PNG of render goes through the same safe write.
    const Outcome r = run("ics --from 2024-01-01T00:00:00Z --months 120 --out " + ics, s.env());
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(std::strerror(ENOSPC)), std::string::npos) << r.err;
    EXPECT_EQ(slurp(ics), old);
}

TEST(CliFaults, DevicesAreWrittenNeverReplaced) {
    Scratch s;
    // A private "full" device (1,7): a failure here must not touch the system's /dev/full.
    const std::string full = s.dir + "/full";
    if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    const Outcome r = run("ics --from 2024-01-01T00:00:00Z --months 1 --out " + full, s.env());
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(std::strerror(ENOSPC)), std::string::npos) << r.err;
    struct stat info {};
    EXPECT_TRUE(::stat(full.c_str(), &info) == 0 && S_ISCHR(info.st_mode));

    const Outcome out = run("ics --from 2024-01-01T00:00:00Z --months 1 --out /dev/stdout", s.env());
    EXPECT_EQ(out.status, 0) << out.err;
    EXPECT_EQ(out.out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    // An answer that cannot be written is not a success either.
    const std::string filling =
        "exec >" + full + "; " LUNAFOLD_CLI " phases --from 2024-01-01 --count 400 2>/dev/null";
    EXPECT_EQ(std::system(filling.c_str()) >> 8, 2);
}

TEST(CliFaults, LogLinesStayOffTheAnswer) {
    Scratch s;
    s.file("lunafold.ini", "[General]\nlunafold.notifyFull=true\0\n"s);
    const Outcome ics = run("ics --from 2024-01-01T00:00:00Z --months 1", s.env());
    EXPECT_EQ(ics.status, 0) << ics.err;
    EXPECT_EQ(ics.out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_NE(ics.err.find("PREFS1. "), std::string::npos) << ics.err; // still said, on stderr
}

TEST(CliFaults, SkippedLocalDatesAreMarkedNotFilled) {
    // Samoa skipped 2011-12-30 when it moved across the date line; Kiribati's Line Islands 1994-12-31.
    const Outcome apia =
        run("riseset --date 2011-12-29 --days 3 --lat -13.83 --lon -171.76 --tz Pacific/Apia");
    ASSERT_EQ(apia.status, 0) << apia.err;
    EXPECT_NE(apia.out.find("\n2011-12-30  no such date in Pacific/Apia\n2011-12-31  rise "),
              std::string::npos)
        << apia.out;
    const Outcome line =
        run("sun --date 1994-12-30 --days 3 --lat 1.87 --lon -157.4 --tz Pacific/Kiritimati --json");
    ASSERT_EQ(line.status, 0) << line.err;
    EXPECT_NE(line.out.find("{\"date\":\"1994-12-31\",\"nonexistent\":true}"), std::string::npos) << line.out;
    // The day after is there once, with its own events.
    const auto first = line.out.find("\"date\":\"1995-01-01\"");
    EXPECT_NE(first, std::string::npos);
    EXPECT_EQ(line.out.find("\"rise\"", first), line.out.rfind("\"rise\""));
}
