// SPDX-License-Identifier: MIT
// lunafold-cli-render: "lunafold-cli render", started by lunafold-cli. The moon picture needs Qt Gui
// and, when there is one, the GPU; the engine commands stay free of both.
#include "Options.h"
#include "RunCommand.h"

#include "MoonRendering/MoonRendering.h"
#include "MoonRendering/MoonSphereRenderer.h"

#include "common/Log.h"
#include "common/SafeWrite.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>

namespace {

using lunafold::cli::Options;
using lunafold::cli::UsageError;

constexpr int kLargestSide = 4096;

bool endsWithPng(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
}

// Prints "FILE  SIDExSIDE  Vulkan|OpenGL|CPU|flat": which path drew the picture.
void renderCommand(const std::vector<std::string> &args, std::string &out) {
    const Options o(args, {"at", "lat", "lon", "size", "out"}, {"orient", "flat"});
    const lunafold::Instant at = o.instant("at");
    const auto place = o.place();
    const int size = o.integer("size", 1, kLargestSide);
    const std::string path = o.required("out");
    if (!endsWithPng(path))
        throw UsageError{"--out: '" + path + "' is not a .png file name"};
    if (o.flag("flat"))
        qputenv("LUNAFOLD_RHI", "none"); // read when the renderer is first made, just below

    const std::optional<double> latitude = place ? std::optional<double>(place->latitude()) : std::nullopt;
    const std::optional<double> longitude = place ? std::optional<double>(place->longitude()) : std::nullopt;
    const QImage picture =
        lunafold::MoonRendering::moonImage(at, o.flag("orient"), latitude, longitude, size, size);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&png, "PNG"))
        throw UsageError{"cannot draw the picture"};
    // Whole or not at all: a failed write keeps whatever file was there.
    if (const QString failure = lunafold::writeFileSafely(QString::fromStdString(path), png.data());
        !failure.isEmpty())
        throw UsageError{"cannot write " + path + ": " + failure.toStdString()};

    const auto &renderer = lunafold::MoonSphereRenderer::shared();
    const std::string drawnBy = renderer.passCount() > 0 ? renderer.backendName().toStdString() : "flat";
    out = path + "  " + std::to_string(size) + "x" + std::to_string(size) + "  " + drawnBy + "\n";
}

// Qt's platform and Vulkan chatter would bury the one line that matters; LUNAFOLD_DEBUG shows it.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2 || std::string(argv[1]) != "render") {
        std::fputs("usage: lunafold-cli render --at ISO [--lat D --lon D] [--orient] --size N --out FILE.png "
                   "[--flat]\n",
                   stderr);
        return 2;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    // Headless by default: Vulkan without a display server, else the offscreen platform (flat picture).
    const bool flat = std::find(args.begin(), args.end(), "--flat") != args.end();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", flat ? "offscreen" : "vkkhrdisplay;offscreen");
    if (!qEnvironmentVariableIsSet("LUNAFOLD_DEBUG"))
        qInstallMessageHandler(quiet);
    QGuiApplication app(argc, argv);
    lunafold::setLogSink([](const QString &line) { std::fprintf(stderr, "%s\n", qPrintable(line)); });
    return lunafold::cli::runCommand("render", renderCommand, args);
}
