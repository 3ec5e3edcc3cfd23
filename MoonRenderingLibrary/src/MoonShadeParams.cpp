// SPDX-License-Identifier: MIT
#include "MoonRendering/MoonShadeParams.h"

#include <cmath>

namespace lunafold {

std::optional<MoonShadeParams> makeShadeParams(LightDirection light, float shadeConstantA,
                                               float shadeConstantB, float fractionTerm,
                                               bool mirrorLongitude) {
    const double x = light[0], y = light[1], z = light[2];
    const double length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 0.0) || !std::isfinite(length))
        return std::nullopt;
    MoonShadeParams p;
    p.lightX = static_cast<float>(x / length);
    p.lightY = static_cast<float>(y / length);
    p.lightZ = static_cast<float>(z / length);
    p.shadeConstantA = shadeConstantA;
    p.mirror = mirrorLongitude ? 1.0f : 0.0f;
    p.shadeConstantB = shadeConstantB;
    p.fractionTerm = fractionTerm;
    return p;
}

// QString::asprintf formats in the C locale, unlike snprintf after QCoreApplication's setlocale().
QString sphereCacheKey(int size, const MoonShadeParams &p) {
    return QString::asprintf("%d|%.4f|%.4f|%.4f|%.3f|%.3f|%.3f|%d", size, double(p.lightX), double(p.lightY),
                             double(p.lightZ), double(p.shadeConstantA), double(p.shadeConstantB),
                             double(p.fractionTerm), p.mirror > 0.5f ? 1 : 0);
}

QString bakeCacheKey(int width, const MoonShadeParams &p) {
    return QString::asprintf("bake|%d|%.4f|%.4f|%.4f|%.3f|%.3f|%.3f|%d", width, double(p.lightX),
                             double(p.lightY), double(p.lightZ), double(p.shadeConstantA),
                             double(p.shadeConstantB), double(p.fractionTerm), p.mirror > 0.5f ? 1 : 0);
}

} // namespace lunafold
