// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

namespace lunafold {

/// A bounds-checked little-endian reader over a bundled binary file. Once a read runs past the end
/// every later read gives 0 and ok() stays false. fits() lets a caller check a count from the file
/// against the bytes present before it allocates anything for it.
class ByteReader {
  public:
    explicit ByteReader(const QByteArray &bytes) : m_data(bytes) {}
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_data.size(); }
    qsizetype remaining() const { return m_data.size() - m_pos; }
    qsizetype position() const { return m_pos; }

    /// Whether @p count records of @p recordSize bytes are still there; clears ok() when not.
    bool fits(std::uint64_t count, std::uint64_t recordSize) {
        if (m_ok && (recordSize == 0 || count <= static_cast<std::uint64_t>(remaining()) / recordSize))
            return true;
        return m_ok = false;
    }
    bool take(qsizetype n) {
        if (!m_ok || n < 0 || remaining() < n)
            return m_ok = false;
        m_pos += n;
        return true;
    }
    std::uint32_t u32() { return take(4) ? qFromLittleEndian<quint32>(m_data.constData() + m_pos - 4) : 0; }
    std::int32_t i32() { return take(4) ? qFromLittleEndian<qint32>(m_data.constData() + m_pos - 4) : 0; }
    std::uint16_t u16() { return take(2) ? qFromLittleEndian<quint16>(m_data.constData() + m_pos - 2) : 0; }
    std::uint8_t u8() { return take(1) ? static_cast<std::uint8_t>(m_data.at(m_pos - 1)) : 0; }
    QByteArray bytes(qsizetype n) { return take(n) ? m_data.mid(m_pos - n, n) : QByteArray(); }

    /// Undoes the qCompress framing after checking its announced size against @p maxSize and against
    /// what zlib can expand the bytes to, so a crafted header cannot ask for gigabytes.
    static QByteArray uncompress(const QByteArray &framed, qsizetype maxSize) {
        if (framed.size() < 5)
            return {};
        const quint32 announced = qFromBigEndian<quint32>(framed.constData());
        // zlib expands at most about 1032:1.
        if (announced == 0 || announced > static_cast<quint64>(maxSize) ||
            announced / 1032 > static_cast<quint64>(framed.size()))
            return {};
        const QByteArray out = qUncompress(framed);
        return out.size() == static_cast<qsizetype>(announced) ? out : QByteArray();
    }

  private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

} // namespace lunafold
