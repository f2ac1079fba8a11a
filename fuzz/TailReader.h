// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the few numbers a fuzz target needs besides its text from the end of the input, so
// that a plain text file (a seed) is a valid input as it stands and the fuzzer can change the
// numbers without shifting the text. Missing bytes read as zero.
#pragma once

#include <QByteArrayView>
#include <iterator>

namespace ruvo::fuzz {

class TailReader {
public:
    explicit TailReader(QByteArrayView bytes) : m_bytes(bytes) {}

    // A number in [low, high], from up to eight bytes.
    qint64 number(qint64 low, qint64 high) {
        const auto span = static_cast<quint64>(high - low);
        quint64 value = 0;
        for (quint64 used = 0; used < span && !m_bytes.isEmpty(); used = (used << 8) | 0xff) {
            value = (value << 8) | static_cast<quint8>(m_bytes.back());
            m_bytes.chop(1);
        }
        return low + static_cast<qint64>(span == ~quint64(0) ? value : value % (span + 1));
    }

    template <typename T, std::size_t N> const T& pick(const T (&values)[N]) {
        return values[number(0, static_cast<qint64>(N) - 1)];
    }

    QByteArrayView rest() const { return m_bytes; }

private:
    QByteArrayView m_bytes;
};

} // namespace ruvo::fuzz
