// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

namespace lunafold {

/// A folder of the user's (documents, pictures), or the home folder where there is none.
inline QString userFolder(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

/// A path typed by the user or a file: URL, as a local path ("~/" is the home folder).
inline QString localPath(const QString &typed) {
    const QString path = typed.trimmed();
    if (path.startsWith(QLatin1String("file:")))
        return QUrl(path).toLocalFile();
    if (path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

} // namespace lunafold
