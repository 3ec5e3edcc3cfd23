// SPDX-License-Identifier: MIT
#include "ParallelRows.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <latch>

namespace lunafold {
namespace {

constexpr int kBlockRows = 16;

// A pool of its own: the global one may be busy with work that waits on us.
QThreadPool &pool() {
    static QThreadPool *threads = [] {
        auto *p = new QThreadPool; // lives as long as the process
        p->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        return p;
    }();
    return *threads;
}

} // namespace

void parallelRows(int rows, const std::function<void(int, int)> &work) {
    const int blocks = (rows + kBlockRows - 1) / kBlockRows;
    const int helpers = std::min(blocks - 1, QThread::idealThreadCount() - 1);
    if (helpers <= 0) {
        if (rows > 0)
            work(0, rows);
        return;
    }
    std::atomic<int> next{0};
    const auto drain = [&] {
        for (int from; (from = next.fetch_add(kBlockRows)) < rows;)
            work(from, std::min(from + kBlockRows, rows));
    };
    std::latch done(helpers);
    for (int h = 0; h < helpers; ++h)
        pool().start([&] {
            drain();
            done.count_down();
        });
    drain();
    done.wait();
}

} // namespace lunafold
