// SPDX-License-Identifier: MIT
// lunafold-cli: the astronomy engine from a terminal. Invalid input: a message on stderr, exit 2.
// The commands that print the app's texts live in the helper lunafold-cli-screens, and the moon
// picture in lunafold-cli-render (Qt and ICU would otherwise add ten milliseconds to every start of
// the engine commands).
#include "Commands.h"
#include "RunCommand.h"

#include <unistd.h>

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
    "  place    --lat D --lon D [--json] [--locale NAME]\n"
    "  search   QUERY [--limit N] [--json] [--locale NAME]\n"
    "  ics      --from ISO --months N [--out FILE] [--locale NAME]\n"
    "  render   --at ISO [--lat D --lon D] [--orient] --size N --out FILE.png [--flat]\n"
    "Instants are UTC ISO 8601 (2024-04-08T18:21:00Z); latitude and longitude in degrees,\n"
    "north and east positive; ZONE is an IANA time zone (Europe/Paris). now uses the saved\n"
    "place (or 0, 0 in the device's zone) when none is given; ics writes the principal phases as an\n"
    "iCalendar file with an alarm for every notice the saved notification settings ask for. render\n"
    "draws the moon as seen from the place (--orient: turned as in its sky; else upside down south\n"
    "of the equator), N pixels square, on the GPU when there is one (--flat: the flat picture).\n"
    "Text follows the system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) or --locale; place\n"
    "names in --json are English unless --locale is given.\n";

// Hands the command to a helper program: beside this one (the build tree), or in the prefix's
// libexec/lunafold when installed.
int execSibling(const char *name, char **argv) {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) {
        std::fprintf(stderr, "lunafold-cli: cannot locate %s\n", name);
        return 2;
    }
    self[n] = '\0';
    std::string dir(self);
    dir = dir.substr(0, dir.rfind('/') + 1);
    std::string path = dir + name;
    if (access(path.c_str(), X_OK) != 0)
        path = dir + "../libexec/lunafold/" + name;
    execv(path.c_str(), argv);
    std::fprintf(stderr, "lunafold-cli: cannot run %s: %s\n", path.c_str(), std::strerror(errno));
    return 2;
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
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "phases")
        return runCommand(command, phasesCommand, args);
    if (command == "moon")
        return runCommand(command, moonCommand, args);
    if (command == "riseset")
        return runCommand(command, riseSetCommand, args);
    if (command == "sun")
        return runCommand(command, sunCommand, args);
    if (command == "seasons")
        return runCommand(command, seasonsCommand, args);
    if (command == "now" || command == "calendar" || command == "place" || command == "search" ||
        command == "ics")
        return execSibling("lunafold-cli-screens", argv);
    if (command == "render")
        return execSibling("lunafold-cli-render", argv);
    std::fprintf(stderr, "lunafold-cli: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
}
