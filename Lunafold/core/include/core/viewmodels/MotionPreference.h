// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace lunafold {

/// Whether the user asked for less motion. Qt 6.4 reads no such platform setting, so it comes
/// from LUNAFOLD_REDUCE_MOTION=1 at start and can be switched at run time.
class MotionPreference : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool reduceMotion READ reduceMotion WRITE setReduceMotion NOTIFY reduceMotionChanged)

  public:
    explicit MotionPreference(QObject *parent = nullptr);

    bool reduceMotion() const { return m_reduce; }
    void setReduceMotion(bool reduce);

  Q_SIGNALS:
    void reduceMotionChanged();

  private:
    bool m_reduce;
};

} // namespace lunafold
