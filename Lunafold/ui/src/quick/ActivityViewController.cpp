// SPDX-License-Identifier: MIT
#include "ui/quick/ActivityViewController.h"

#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QImageWriter>

#include "common/Localization.h"
#include "common/SafeWrite.h"
#include "core/viewmodels/UserFiles.h"

namespace lunafold {

bool ActivityViewController::presented() const {
    std::lock_guard lock(m_mutex);
    return m_wrapper.has_value();
}

QString ActivityViewController::imageSource() const {
    std::lock_guard lock(m_mutex);
    return m_wrapper ? QStringLiteral("image://share/") + m_wrapper->id.toString(QUuid::WithoutBraces)
                     : QString();
}

QString ActivityViewController::suggestedFileName() const {
    return userFolder(QStandardPaths::PicturesLocation) +
           QStringLiteral("/Lunafold-%1.png")
               .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

void ActivityViewController::present(ImageWrapper wrapper) {
    {
        std::lock_guard lock(m_mutex);
        m_wrapper = std::move(wrapper);
    }
    Q_EMIT imageChanged();
}

QImage ActivityViewController::image() const {
    std::lock_guard lock(m_mutex);
    return m_wrapper ? m_wrapper->image : QImage();
}

QString ActivityViewController::save(const QString &file) const {
    const QImage picture = image();
    if (picture.isNull())
        return localized(QT_TRANSLATE_NOOP("Lunafold", "There is no picture to save."));
    const QString path = localPath(file);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(picture))
        return localized(QT_TRANSLATE_NOOP("Lunafold", "The picture could not be saved:")) + u' ' +
               writer.errorString();
    makeFolderFor(path);
    if (const QString failure = writeFileSafely(path, png.data()); !failure.isEmpty())
        return localized(QT_TRANSLATE_NOOP("Lunafold", "The picture could not be saved:")) + u' ' + failure;
    return {};
}

void ActivityViewController::copyToClipboard() const {
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image());
}

void ActivityViewController::dismiss() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_wrapper)
            return;
        m_wrapper.reset();
    }
    Q_EMIT imageChanged();
}

} // namespace lunafold
