// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QMutex>
#include <QString>

#include <list>
#include <optional>
#include <utility>

namespace lunafold {

/// Text key to value, at most a given number of entries, the least recently used dropped first.
/// Safe for concurrent use.
template <typename Value> class BoundedCache {
  public:
    explicit BoundedCache(int countLimit) : m_countLimit(countLimit) {}

    std::optional<Value> object(const QString &key) {
        QMutexLocker lock(&m_mutex);
        const auto it = m_index.find(key);
        if (it == m_index.end())
            return std::nullopt;
        m_order.splice(m_order.begin(), m_order, it.value());
        return m_order.front().second;
    }

    void insert(const QString &key, Value value) {
        QMutexLocker lock(&m_mutex);
        if (const auto it = m_index.find(key); it != m_index.end()) {
            m_order.erase(it.value());
            m_index.erase(it);
        }
        m_order.emplace_front(key, std::move(value));
        m_index.insert(key, m_order.begin());
        while (static_cast<int>(m_order.size()) > m_countLimit) {
            m_index.remove(m_order.back().first);
            m_order.pop_back();
        }
    }

    int count() const {
        QMutexLocker lock(&m_mutex);
        return static_cast<int>(m_order.size());
    }
    int countLimit() const { return m_countLimit; }

    void clear() {
        QMutexLocker lock(&m_mutex);
        m_index.clear();
        m_order.clear();
    }

  private:
    using Entry = std::pair<QString, Value>;
    const int m_countLimit;
    mutable QMutex m_mutex;
    std::list<Entry> m_order; // most recent first
    QHash<QString, typename std::list<Entry>::iterator> m_index;
};

} // namespace lunafold
