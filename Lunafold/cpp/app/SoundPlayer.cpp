// SPDX-License-Identifier: MIT
#include "SoundPlayer.h"

#include "common/Log.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lunafold {

QString SoundPlayer::soundPath(const QString &name, const QString &type) {
    const QString file = name + u'.' + type;
    QStringList dirs;
    if (const QByteArray env = qgetenv("LUNAFOLD_SOUNDS_DIR"); !env.isEmpty())
        dirs << QString::fromLocal8Bit(env);
    dirs << QCoreApplication::applicationDirPath() + QStringLiteral("/sounds");
    for (const QString &dir : dirs) {
        const QFileInfo info(dir + u'/' + file);
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

void SoundPlayer::playSound(const QString &name, const QString &type) {
    const QString path = soundPath(name, type);
    if (path.isEmpty()) {
        logLine(QStringLiteral("UIHEL02. Path not found for sound or similar issue"));
        return;
    }
    // The player comes with the sound resources.
    logLine(QStringLiteral("UIHEL01. Error playing sound -  No audio player for ") + path);
}

} // namespace lunafold
