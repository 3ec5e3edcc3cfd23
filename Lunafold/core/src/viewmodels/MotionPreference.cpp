// SPDX-License-Identifier: MIT
#include "core/viewmodels/MotionPreference.h"

namespace lunafold {

MotionPreference::MotionPreference(QObject *parent)
    : QObject(parent), m_reduce(qEnvironmentVariableIntValue("LUNAFOLD_REDUCE_MOTION") == 1) {}

void MotionPreference::setReduceMotion(bool reduce) {
    if (reduce == m_reduce)
        return;
    m_reduce = reduce;
    Q_EMIT reduceMotionChanged();
}

} // namespace lunafold
