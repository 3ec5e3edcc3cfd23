// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lunafold {

/// A diagnostic line on standard output, flushed at once (the program's only log).
void logLine(const QString &line);

/// The same, handed to the main thread's event loop when an application object exists, so it
/// appears after the current call returns; printed at once otherwise.
void logLineLater(const QString &line);

} // namespace lunafold
