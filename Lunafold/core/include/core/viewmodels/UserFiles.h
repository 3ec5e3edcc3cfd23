// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

namespace lunafold {

/// A folder of the user's (documents, pictures) as the XDG user directories name it, or the home
/// folder where there is none. It may not exist yet: see makeFolderFor().
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

/// Creates the folder @p file goes into when it is missing (a fresh account has no ~/Pictures);
/// false when it cannot be made.
inline bool makeFolderFor(const QString &file) {
    return QDir().mkpath(QFileInfo(file).absolutePath());
}

} // namespace lunafold
