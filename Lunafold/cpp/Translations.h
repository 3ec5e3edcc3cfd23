// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>

namespace lunafold {

/// Makes @p locale the default and installs its translation of our texts (English needs none).
/// Replaces whatever translation was installed before. Returns false when none exists for it.
bool useLocale(const QLocale &locale);

} // namespace lunafold
