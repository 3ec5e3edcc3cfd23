// SPDX-License-Identifier: MIT
// lunafold-cli-screens: the Now, Rise & Set and calendar texts; started by lunafold-cli.
#include "Commands.h"
#include "RunCommand.h"

#include "common/Log.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    using namespace lunafold::cli;
    if (argc < 2) {
        std::fputs("usage: lunafold-cli (now | calendar | place | search | ics) [options]\n", stderr);
        return 2;
    }
    // Translations are looked up through the application object.
    QCoreApplication app(argc, argv);
    // Standard output carries only the answer; diagnostics such as a set-aside preference file go
    // to standard error.
    lunafold::setLogSink([](const QString &line) {
        const QByteArray bytes = line.toUtf8() + '\n';
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    });
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "now")
        return runCommand(command, nowCommand, args);
    if (command == "calendar")
        return runCommand(command, calendarCommand, args);
    if (command == "place")
        return runCommand(command, placeCommand, args);
    if (command == "search")
        return runCommand(command, searchCommand, args);
    if (command == "ics")
        return runCommand(command, icsCommand, args);
    std::fprintf(stderr, "lunafold-cli: unknown command '%s'\n", command.c_str());
    return 2;
}
