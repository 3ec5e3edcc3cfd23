// SPDX-License-Identifier: MIT
#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QThreadPool>

#include <mutex>

class QNetworkAccessManager;
class QNetworkReply;

namespace lunafold {

/// One raster tile of the standard z/x/y scheme.
struct TileKey {
    int z = 0, x = 0, y = 0;
    friend bool operator==(const TileKey &, const TileKey &) = default;
};
inline size_t qHash(const TileKey &key, size_t seed = 0) {
    return ::qHash((quint64(key.z) << 48) ^ (quint64(key.x) << 24) ^ quint64(key.y), seed);
}

/// Raster map tiles from a server such as OpenStreetMap's, fetched in the background and kept on
/// disk under the cache directory (the server's expiry honoured, a size cap with the least
/// recently used going first) and decoded in memory off the GUI thread. A tile that fails is not
/// asked for again for a while; a cached one is shown when the network fails. While disabled it
/// sends nothing at all.
class TileSource : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMaxZoom = 19;

    struct Options {
        QString urlTemplate;    ///< with {z}, {x} and {y}
        QString cacheDirectory; ///< disk cache; none when empty
        qint64 diskCacheBytes = 100 * 1024 * 1024;
        int memoryTiles = 160;
        int timeoutMilliseconds = 15000;
        int retryMilliseconds = 30000; ///< a failed tile waits this long before it is asked again
        int maxConcurrent = 2;
    };

    /// https://tile.openstreetmap.org/{z}/{x}/{y}.png
    static QString defaultUrlTemplate();
    /// Whether @p text is an http(s) URL with {z}, {x} and {y}.
    static bool isUsableTemplate(const QString &text);
    /// Names the app, its version and what it is, as tile servers ask.
    static QByteArray userAgent();

    explicit TileSource(Options options, QObject *parent = nullptr);
    ~TileSource() override;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    void setUrlTemplate(const QString &urlTemplate);
    QString urlTemplate() const { return m_options.urlTemplate; }

    /// The tiles a view needs now, the most wanted first. Starts fetching those not in memory and
    /// forgets queued ones no longer wanted.
    void request(const QList<TileKey> &keys);
    /// The decoded tile, or a null image. Thread-safe.
    QImage tile(const TileKey &key) const;
    /// True after a tile failed for want of a network (or server), until one arrives again.
    bool offline() const { return m_offline; }
    /// Drops the decoded tiles (the disk cache stays).
    void clearMemory();

  Q_SIGNALS:
    void tileReady(lunafold::TileKey key);
    void offlineChanged();
    void enabledChanged();

  private:
    void startNext();
    void finished(QNetworkReply *reply, const TileKey &key, bool fromCacheOnly);
    void fetch(const TileKey &key, bool fromCacheOnly);
    void decoded(const TileKey &key, const QImage &image, bool fromNetwork);
    void failed(const TileKey &key, bool networkDown);
    void setOffline(bool offline);
    QUrl urlFor(const TileKey &key) const;

    Options m_options;
    bool m_enabled = true;
    bool m_offline = false;
    QNetworkAccessManager *m_network = nullptr;
    QList<TileKey> m_queue;
    QHash<TileKey, QNetworkReply *> m_running;
    QHash<TileKey, qint64> m_failedAt; // monotonic milliseconds
    mutable std::mutex m_mutex;        // guards m_images: the render thread reads it
    QCache<TileKey, QImage> m_images;
    QThreadPool m_decoders;
};

} // namespace lunafold

Q_DECLARE_METATYPE(lunafold::TileKey)
