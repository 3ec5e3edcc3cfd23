// SPDX-License-Identifier: MIT
#include "notices/AppClock.h"

#include <QDateTime>

#include <atomic>

namespace lunafold {
namespace {

std::atomic<bool> g_frozen{false};
std::atomic<double> g_frozenAt{0.0};
std::atomic<double> g_offset{0.0};

double systemSeconds() {
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

} // namespace

Instant AppClock::now() {
    return Instant::trusted(g_frozen ? g_frozenAt.load() : systemSeconds() + g_offset.load());
}

void AppClock::freeze(Instant t) {
    g_frozenAt = t.unixSeconds();
    g_frozen = true;
}

void AppClock::startAt(Instant t) {
    g_offset = t.unixSeconds() - systemSeconds();
    g_frozen = false;
}

void AppClock::reset() {
    g_offset = 0.0;
    g_frozen = false;
}

bool AppClock::isFrozen() {
    return g_frozen;
}

} // namespace lunafold
