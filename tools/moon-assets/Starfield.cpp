// SPDX-License-Identifier: MIT
#include "Starfield.h"

#include <cmath>
#include <random>

QString starfieldSvg(int width, int height, int starCount) {
    std::mt19937 random(1969); // fixed, so regenerating changes nothing
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    QString svg =
        QStringLiteral(
            "<!-- SPDX-License-Identifier: MIT -->\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\" width=\"%1\" height=\"%2\">\n"
            "  <defs>\n"
            "    <linearGradient id=\"sky\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
            "      <stop offset=\"0\" stop-color=\"#05060f\"/>\n"
            "      <stop offset=\"1\" stop-color=\"#11132b\"/>\n"
            "    </linearGradient>\n"
            "  </defs>\n"
            "  <rect width=\"%1\" height=\"%2\" fill=\"url(#sky)\"/>\n")
            .arg(width)
            .arg(height);
    // Most stars are faint; brightness falls off steeply as in a real sky.
    const char *tints[] = {"#ffffff", "#ffffff", "#ffffff", "#dfe8ff", "#fff1d6"};
    for (int i = 0; i < starCount; ++i) {
        const double x = unit(random) * width, y = unit(random) * height;
        const double m = std::pow(unit(random), 3.0);
        const double radius = 0.35 + 1.15 * m;
        const double opacity = 0.3 + 0.7 * std::sqrt(m);
        const char *tint = tints[random() % 5];
        svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" fill-opacity=\"%5\"/>\n")
                   .arg(x, 0, 'f', 1)
                   .arg(y, 0, 'f', 1)
                   .arg(radius, 0, 'f', 2)
                   .arg(QLatin1String(tint))
                   .arg(opacity, 0, 'f', 2);
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}
