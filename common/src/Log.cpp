// SPDX-License-Identifier: MIT
#include "common/Log.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cstdio>

namespace lunafold {

void logLine(const QString &line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void logLineLater(const QString &line) {
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [line] { logLine(line); }, Qt::QueuedConnection);
    else
        logLine(line);
}

} // namespace lunafold
