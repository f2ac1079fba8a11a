// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the big-endian values a QDataStream writes (integers, bools, strings as UTF-16 with a
// byte count, byte arrays, lists with an item count) straight from memory: the cache holds
// fifty thousand records, and a QDataStream needs a QBuffer object for each. Reading past the
// end, or a count larger than the bytes left, makes the reader invalid and every later value
// zero or empty.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <cstring>
#include <type_traits>
#include <vector>

namespace ruvo::platform::vdir {

class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes)
        : m_next(bytes.constData()), m_end(bytes.constData() + bytes.size()) {}

    bool isValid() const { return m_isValid; }
    bool atEnd() const { return m_next == m_end; }
    void invalidate() { m_isValid = false; }
    void require(bool condition) {
        if (!condition)
            m_isValid = false;
    }

    template <typename T> T read() {
        static_assert(std::is_integral_v<T>);
        if (!take(sizeof(T)))
            return T{};
        if constexpr (std::is_same_v<T, bool>)
            return m_next[-1] != 0;
        else
            return qFromBigEndian<T>(m_next - sizeof(T));
    }
    template <typename T> ByteReader& operator>>(T& value) {
        value = read<T>();
        return *this;
    }
    ByteReader& operator>>(QString& value) {
        value = string();
        return *this;
    }
    ByteReader& operator>>(QByteArray& value) {
        value = bytes();
        return *this;
    }

    QString string() {
        const quint32 size = read<quint32>();
        if (size == 0xffffffff || !m_isValid)
            return {};
        if (size % 2 != 0 || !take(size))
            return (m_isValid = false, QString());
        if (size == 0)
            return QString(QLatin1String(""));
        QString s(qsizetype(size / 2), Qt::Uninitialized);
        qFromBigEndian<char16_t>(m_next - size, size / 2, s.data());
        return s;
    }
    // The next string into `into`, reusing its memory when it is not shared.
    void string(QString& into) {
        const quint32 size = read<quint32>();
        if (size == 0xffffffff || size == 0 || !m_isValid) {
            into.resize(0);
            return;
        }
        if (size % 2 != 0 || !take(size)) {
            m_isValid = false;
            into.resize(0);
            return;
        }
        into.resize(qsizetype(size / 2));
        qFromBigEndian<char16_t>(m_next - size, size / 2, into.data());
    }
    QByteArray bytes() {
        const quint32 size = read<quint32>();
        if (size == 0xffffffff || !m_isValid || !take(size))
            return {};
        return QByteArray(m_next - size, qsizetype(size));
    }
    // A list of at most `maxCount` items, its count checked against the bytes left before
    // anything is allocated.
    template <typename T> std::vector<T> list(quint32 maxCount) {
        const quint32 count = read<quint32>();
        require(count <= maxCount && quint64(count) * sizeof(T) <= quint64(m_end - m_next));
        std::vector<T> items;
        if (!m_isValid)
            return items;
        items.resize(count);
        for (T& item : items)
            item = read<T>();
        return items;
    }

private:
    bool take(std::size_t size) {
        if (!m_isValid || std::size_t(m_end - m_next) < size)
            return (m_isValid = false);
        m_next += size;
        return true;
    }

    const char* m_next;
    const char* m_end;
    bool m_isValid = true;
};

} // namespace ruvo::platform::vdir
