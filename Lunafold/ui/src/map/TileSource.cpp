// SPDX-License-Identifier: MIT
#include "ui/map/TileSource.h"

#include "common/AppInfo.h"

#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

namespace lunafold {
namespace {

// QNetworkDiskCache trims itself before it adds a file, so it may stand one tile over its cap;
// trimming after each addition keeps it under.
class TileDiskCache : public QNetworkDiskCache {
  public:
    using QNetworkDiskCache::QNetworkDiskCache;
    void insert(QIODevice *device) override {
        QNetworkDiskCache::insert(device);
        expire();
    }
};

qint64 now() {
    return QDeadlineTimer::current().deadline();
}

// Errors of the network or the server's host, as opposed to a server that answered "no".
bool isNetworkDown(QNetworkReply::NetworkError error) {
    return error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied &&
           error != QNetworkReply::ContentReSendError;
}

} // namespace

QString TileSource::defaultUrlTemplate() {
    return QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png");
}

bool TileSource::isUsableTemplate(const QString &text) {
    if (!text.contains(QLatin1String("{z}")) || !text.contains(QLatin1String("{x}")) ||
        !text.contains(QLatin1String("{y}")))
        return false;
    // The braces are not URL characters: judge the URL of a tile.
    QString sample = text;
    sample.replace(QLatin1String("{z}"), QLatin1String("0"))
        .replace(QLatin1String("{x}"), QLatin1String("0"))
        .replace(QLatin1String("{y}"), QLatin1String("0"));
    const QUrl url(sample, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

QByteArray TileSource::userAgent() {
    return "Lunafold/" + appShortVersion().toUtf8() + " (moon-phase calendar; Qt " + qVersion() + ")";
}

TileSource::TileSource(Options options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_network(new QNetworkAccessManager(this)),
      m_images(std::max(1, m_options.memoryTiles)) {
    if (!m_options.cacheDirectory.isEmpty()) {
        auto *cache = new TileDiskCache(m_network);
        cache->setCacheDirectory(m_options.cacheDirectory);
        cache->setMaximumCacheSize(m_options.diskCacheBytes);
        m_network->setCache(cache);
    }
    m_decoders.setMaxThreadCount(1);
}

TileSource::~TileSource() {
    for (QNetworkReply *reply : std::as_const(m_running))
        reply->disconnect(this);
    // No decoder may post to this object once it is gone.
    m_decoders.waitForDone();
}

void TileSource::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled) {
        m_queue.clear();
        const auto running = m_running;
        m_running.clear();
        for (QNetworkReply *reply : running) {
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
    }
    Q_EMIT enabledChanged();
}

void TileSource::setUrlTemplate(const QString &urlTemplate) {
    if (urlTemplate == m_options.urlTemplate)
        return;
    m_options.urlTemplate = urlTemplate;
    m_queue.clear();
    m_failedAt.clear();
    clearMemory();
}

QUrl TileSource::urlFor(const TileKey &key) const {
    QString text = m_options.urlTemplate;
    text.replace(QLatin1String("{z}"), QString::number(key.z));
    text.replace(QLatin1String("{x}"), QString::number(key.x));
    text.replace(QLatin1String("{y}"), QString::number(key.y));
    return QUrl(text);
}

void TileSource::request(const QList<TileKey> &keys) {
    if (!m_enabled || !isUsableTemplate(m_options.urlTemplate))
        return;
    m_queue.clear(); // what was wanted before and is not running is no longer wanted
    const qint64 time = now();
    for (const TileKey &key : keys) {
        if (key.z < 0 || key.z > kMaxZoom || key.x < 0 || key.y < 0 || key.x >= (1 << key.z) ||
            key.y >= (1 << key.z) || m_running.contains(key))
            continue;
        const auto failed = m_failedAt.constFind(key);
        if (failed != m_failedAt.constEnd() && time - *failed < m_options.retryMilliseconds)
            continue;
        {
            std::lock_guard lock(m_mutex);
            if (m_images.contains(key))
                continue;
        }
        m_queue.append(key);
    }
    startNext();
}

void TileSource::startNext() {
    while (m_enabled && !m_queue.isEmpty() && m_running.size() < m_options.maxConcurrent)
        fetch(m_queue.takeFirst(), false);
}

void TileSource::fetch(const TileKey &key, bool fromCacheOnly) {
    QNetworkRequest request(urlFor(key));
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    request.setTransferTimeout(m_options.timeoutMilliseconds);
    // The disk cache answers while the server's expiry allows, and after a network failure.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         fromCacheOnly ? QNetworkRequest::AlwaysCache : QNetworkRequest::PreferNetwork);
    QNetworkReply *reply = m_network->get(request);
    m_running.insert(key, reply);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, key, fromCacheOnly] { finished(reply, key, fromCacheOnly); });
}

void TileSource::finished(QNetworkReply *reply, const TileKey &key, bool fromCacheOnly) {
    reply->deleteLater();
    if (m_running.value(key) == reply)
        m_running.remove(key);
    const QNetworkReply::NetworkError error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (error == QNetworkReply::NoError && (status == 200 || status == 0)) {
        const bool fromNetwork = !reply->attribute(QNetworkRequest::SourceIsFromCacheAttribute).toBool();
        const QByteArray bytes = reply->readAll();
        m_decoders.start([this, key, bytes, fromNetwork] {
            QImage image;
            if (image.loadFromData(bytes))
                image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QMetaObject::invokeMethod(
                this, [this, key, image, fromNetwork] { decoded(key, image, fromNetwork); },
                Qt::QueuedConnection);
        });
    } else {
        const bool down = isNetworkDown(error);
        auto *cache = m_network->cache();
        if (down && !fromCacheOnly && cache && cache->metaData(reply->url()).isValid()) {
            setOffline(true);
            fetch(key, true); // an expired tile beats none
        } else {
            failed(key, down);
        }
    }
    startNext();
}

void TileSource::decoded(const TileKey &key, const QImage &image, bool fromNetwork) {
    if (image.isNull()) {
        failed(key, false);
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_images.insert(key, new QImage(image));
    }
    m_failedAt.remove(key);
    if (fromNetwork)
        setOffline(false);
    Q_EMIT tileReady(key);
}

void TileSource::failed(const TileKey &key, bool networkDown) {
    m_failedAt.insert(key, now());
    if (networkDown)
        setOffline(true);
}

void TileSource::setOffline(bool offline) {
    if (offline == m_offline)
        return;
    m_offline = offline;
    Q_EMIT offlineChanged();
}

QImage TileSource::tile(const TileKey &key) const {
    std::lock_guard lock(m_mutex);
    const QImage *image = m_images.object(key);
    return image ? *image : QImage();
}

void TileSource::clearMemory() {
    std::lock_guard lock(m_mutex);
    m_images.clear();
}

} // namespace lunafold
