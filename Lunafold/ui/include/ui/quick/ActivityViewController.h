// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QObject>
#include <QUrl>
#include <QUuid>

#include <mutex>

namespace lunafold {

/// One shared picture; every share gets a new identity so the sheet opens anew.
struct ImageWrapper {
    QUuid id = QUuid::createUuid();
    QImage image;
};

/// Our share sheet: shows the picture and offers to save it to a file or copy it.
class ActivityViewController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool presented READ presented NOTIFY imageChanged)
    Q_PROPERTY(QString imageSource READ imageSource NOTIFY imageChanged)
    Q_PROPERTY(QString suggestedFileName READ suggestedFileName NOTIFY imageChanged)

  public:
    using QObject::QObject;

    bool presented() const;
    /// "image://share/<id>" while presented.
    QString imageSource() const;
    /// A new file in the user's pictures folder.
    QString suggestedFileName() const;
    void present(ImageWrapper wrapper);
    QImage image() const;

    /// Writes the picture as PNG; returns an error text, empty on success.
    Q_INVOKABLE QString save(const QString &path) const;
    Q_INVOKABLE void copyToClipboard() const;
    /// The sheet was dismissed: the picture is dropped.
    Q_INVOKABLE void dismiss();

  Q_SIGNALS:
    void imageChanged();

  private:
    mutable std::mutex m_mutex; // the image provider reads from the scene graph's thread
    std::optional<ImageWrapper> m_wrapper;
};

} // namespace lunafold
