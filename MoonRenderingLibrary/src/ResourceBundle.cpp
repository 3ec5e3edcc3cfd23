// SPDX-License-Identifier: MIT
#include "MoonRendering/ResourceBundle.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace lunafold::MoonRendering {

QString resourceBundlePath() {
    static const QString path = [] {
        const QString p = QStringLiteral(":/MoonRenderingLibrary");
        if (!QDir(p).exists())
            qFatal("Fatal error: unable to find bundle named MoonRenderingLibrary_MoonRenderingLibrary");
        return p;
    }();
    return path;
}

std::optional<QString> imageAssetPath(const QString &name) {
    const QDir bundle(resourceBundlePath());
    for (const char *suffix : {".png", ".svg"}) {
        const QString path = bundle.filePath(name + QLatin1String(suffix));
        if (QFile::exists(path))
            return path;
    }
    return std::nullopt;
}

std::optional<QColor> colorAsset(const QString &name) {
    static const QJsonObject colors = [] {
        QFile file(QDir(resourceBundlePath()).filePath(QStringLiteral("colors.json")));
        if (!file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    const QColor color(colors.value(name).toString());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

} // namespace lunafold::MoonRendering
