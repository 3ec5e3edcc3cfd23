// SPDX-License-Identifier: MIT
#include "common/ResourcePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lunafold {

QString executableDirectory() {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (const QString target = self.canonicalFilePath(); !target.isEmpty())
        return QFileInfo(target).absolutePath();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QStringList resourceDirectoryCandidates(const QString &name) {
    const QString sub = QStringLiteral("share/lunafold/") + name;
    const QDir exe(executableDirectory());
    // bin/ of a prefix, then a program one folder deeper in the build tree (tests, tools).
    QStringList dirs{QDir::cleanPath(exe.filePath(QStringLiteral("../") + sub)),
                     QDir::cleanPath(exe.filePath(QStringLiteral("../../") + sub))};
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dirs << QDir(data).filePath(QStringLiteral("lunafold/") + name);
    dirs.removeDuplicates();
    return dirs;
}

QString resourceDirectory(const QString &name, const char *envVar) {
    if (envVar) {
        if (const QString fromEnv = qEnvironmentVariable(envVar); !fromEnv.isEmpty())
            return fromEnv;
    }
    const QStringList dirs = resourceDirectoryCandidates(name);
    for (const QString &dir : dirs)
        if (QFileInfo(dir).isDir())
            return dir;
    return dirs.value(0);
}

QString userDataDirectory() {
    if (const QString dir = qEnvironmentVariable("LUNAFOLD_DATA_DIR"); !dir.isEmpty())
        return dir;
    return QDir::homePath() + QStringLiteral("/.local/share/lunafold");
}

} // namespace lunafold
