// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace lunafold {

/// Replaces the file at @p path with @p bytes so that it holds either its old content or all of
/// the new: a temporary file in the same folder is written, flushed and synced, every step checked,
/// and only then renamed over the target. A target that exists and is not a regular file (a
/// device such as /dev/stdout, a pipe) is written directly instead, never replaced; its errors are
/// reported too. A symbolic link stays a link: the file it points to is replaced.
/// @return empty on success, else the reason ("No space left on device"); the old file is kept.
QString writeFileSafely(const QString &path, const QByteArray &bytes);

/// The steps of a write, for injecting failures in tests.
enum class WriteStep { Open, Write, Sync, Close, Rename };

/// Tests only: @p fault is asked before each step and fails it with the errno it returns (0 lets
/// the step run). An empty function removes the fault.
void setWriteFault(std::function<int(WriteStep)> fault);

} // namespace lunafold
