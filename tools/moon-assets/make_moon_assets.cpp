// SPDX-License-Identifier: MIT
// lunafold-moon-assets RESOURCES_DIR: from moon_albedo.png there, writes moon_normal.png, then
// moontransparent.png (the full moon shaded by the CPU twin of the kernels) and starfield.svg.
#include "NormalMap.h"
#include "Starfield.h"

#include "MoonRendering/MoonShading.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr double kRelief = 0.012;    // moon radii from black to white: slopes of a few degrees
constexpr int kMoonSide = 512;       // "moontransparent", drawn scaled by the flat pair
constexpr float kEarthshine = 0.03f; // as the app's entry points hand to the kernels
constexpr float kExposure = 1.25f;

int fail(const QString &message) {
    std::fprintf(stderr, "lunafold-moon-assets: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return fail(QStringLiteral("usage: lunafold-moon-assets RESOURCES_DIR"));
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QImage albedo(dir.filePath(QStringLiteral("moon_albedo.png")));
    if (albedo.isNull())
        return fail(QStringLiteral("cannot read moon_albedo.png in ") + dir.path());

    if (!normalMapFromAlbedo(albedo, kRelief).save(dir.filePath(QStringLiteral("moon_normal.png"))))
        return fail(QStringLiteral("cannot write moon_normal.png"));

    const std::optional<lunafold::SurfaceTextures> maps = lunafold::loadSurfaceTextures(dir.path());
    const std::optional<lunafold::MoonShadeParams> full =
        lunafold::makeShadeParams({0.0f, 0.0f, 1.0f}, kEarthshine, kExposure, 0.0f, false);
    if (!maps || !full)
        return fail(QStringLiteral("cannot read the maps back"));
    const QImage moon = lunafold::MoonShading::shadeSphere(*maps, kMoonSide, *full);
    if (!moon.convertToFormat(QImage::Format_RGBA8888)
             .save(dir.filePath(QStringLiteral("moontransparent.png"))))
        return fail(QStringLiteral("cannot write moontransparent.png"));

    QFile sky(dir.filePath(QStringLiteral("starfield.svg")));
    if (!sky.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        sky.write(starfieldSvg(400, 280, 260).toUtf8()) < 0)
        return fail(QStringLiteral("cannot write starfield.svg"));
    return 0;
}
