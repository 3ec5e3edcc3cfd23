// SPDX-License-Identifier: MIT
// lunafold-cli: the astronomy engine from a terminal. Invalid input: a message on stderr, exit 2.
#include "Commands.h"
#include "Options.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char *kUsage =
    "usage: lunafold-cli COMMAND [options]\n"
    "  phases  --from ISO (--until ISO | --count N) [--json]\n"
    "  moon    --at ISO [--lat D --lon D] [--json]\n"
    "  riseset --date YYYY-MM-DD [--days N] --lat D --lon D --tz ZONE [--json]\n"
    "  sun     --date YYYY-MM-DD [--days N] --lat D --lon D --tz ZONE [--json]\n"
    "  seasons --year YYYY [--json]\n"
    "  now      [--at ISO] [--lat D --lon D --tz ZONE] [--locale NAME]\n"
    "  calendar --month YYYY-MM [--tz ZONE] [--locale NAME]\n"
    "Instants are UTC ISO 8601 (2024-04-08T18:21:00Z); latitude and longitude in degrees,\n"
    "north and east positive; ZONE is an IANA time zone (Europe/Paris). now uses the saved\n"
    "place (or 0, 0 in the device's zone) when none is given.\n";

void write(const std::string &s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv) {
    using namespace lunafold::cli;
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        write(kUsage);
        return 0;
    }
    // Translations are looked up through the application object.
    QCoreApplication app(argc, argv);
    const std::vector<std::string> args(argv + 2, argv + argc);
    std::string out;
    try {
        if (command == "phases")
            phasesCommand(args, out);
        else if (command == "moon")
            moonCommand(args, out);
        else if (command == "riseset")
            riseSetCommand(args, out);
        else if (command == "sun")
            sunCommand(args, out);
        else if (command == "seasons")
            seasonsCommand(args, out);
        else if (command == "now")
            nowCommand(args, out);
        else if (command == "calendar")
            calendarCommand(args, out);
        else if (command == "place" || command == "ics" || command == "render") {
            std::fprintf(stderr, "lunafold-cli: '%s' is not available in this version yet\n", command.c_str());
            return 2;
        } else {
            std::fprintf(stderr, "lunafold-cli: unknown command '%s'\n%s", command.c_str(), kUsage);
            return 2;
        }
    } catch (const UsageError &e) {
        std::fprintf(stderr, "lunafold-cli %s: %s\n", command.c_str(), e.message.c_str());
        return 2;
    }
    write(out);
    return 0;
}
