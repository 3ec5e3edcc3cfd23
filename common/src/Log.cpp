// SPDX-License-Identifier: MIT
#include "common/Log.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cstdio>
#include <mutex>

namespace lunafold {

namespace {

std::mutex sinkMutex;
std::function<void(const QString &)> &sink() {
    static std::function<void(const QString &)> s;
    return s;
}

} // namespace

void setLogSink(std::function<void(const QString &)> s) {
    std::lock_guard lock(sinkMutex);
    sink() = std::move(s);
}

void logLine(const QString &line) {
    {
        std::lock_guard lock(sinkMutex);
        if (sink()) {
            sink()(line);
            return;
        }
    }
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void logLineLater(const QString &line) {
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [line] { logLine(line); }, Qt::QueuedConnection);
    else
        logLine(line);
}

} // namespace lunafold
