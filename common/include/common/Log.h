// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

namespace lunafold {

/// A diagnostic line on standard output, flushed at once (the program's only log).
void logLine(const QString &line);

/// Sends every line to @p sink instead of standard output (tests); an empty function restores it.
void setLogSink(std::function<void(const QString &)> sink);

/// The same, handed to the main thread's event loop when an application object exists, so it
/// appears after the current call returns; printed at once otherwise.
void logLineLater(const QString &line);

} // namespace lunafold
