// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/// A night sky as SVG, the same on every run (fixed seed): a dark gradient with faint and bright stars.
QString starfieldSvg(int width, int height, int starCount);
