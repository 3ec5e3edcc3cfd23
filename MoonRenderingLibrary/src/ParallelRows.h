// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace lunafold {

/// Runs @p work over [0, rows) in blocks of rows on every core: the calling thread takes blocks
/// too, so a busy pool only makes it slower, never stuck. Returns when all rows are done.
void parallelRows(int rows, const std::function<void(int from, int to)> &work);

} // namespace lunafold
