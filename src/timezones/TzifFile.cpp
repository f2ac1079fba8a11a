// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/TzifFile.h"

#include <QFile>

namespace ruvo::timezones {

namespace {

struct Counts {
    quint32 isUt, isStd, leap, time, type, chars;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    bool has(qint64 n) const { return m_pos + n <= m_bytes.size(); }
    qint64 pos() const { return m_pos; }
    void skip(qint64 n) { m_pos += n; }
    quint32 u32() { return static_cast<quint32>(s64(4)); }
    qint64 s64(int width) {
        quint64 v = 0;
        for (int i = 0; i < width; ++i)
            v = (v << 8) | static_cast<quint8>(m_bytes[m_pos + i]);
        m_pos += width;
        if (width == 4)
            return static_cast<qint32>(static_cast<quint32>(v));
        return static_cast<qint64>(v);
    }
    quint8 u8() { return static_cast<quint8>(m_bytes[m_pos++]); }
    QByteArray bytes(qint64 n) {
        const QByteArray out = m_bytes.mid(m_pos, n);
        m_pos += n;
        return out;
    }

private:
    const QByteArray& m_bytes;
    qint64 m_pos = 0;
};

bool readHeader(Reader& r, char& version, Counts& c) {
    if (!r.has(44) || r.bytes(4) != "TZif")
        return false;
    version = static_cast<char>(r.u8());
    r.skip(15);
    c = {r.u32(), r.u32(), r.u32(), r.u32(), r.u32(), r.u32()};
    return c.type > 0;
}

qint64 blockSize(const Counts& c, int timeWidth) {
    return qint64(c.time) * timeWidth + c.time + qint64(c.type) * 6 + c.chars +
           qint64(c.leap) * (timeWidth + 4) + c.isStd + c.isUt;
}

kit::Result<TzifFile> readBlock(Reader& r, const Counts& c, int timeWidth) {
    if (!r.has(blockSize(c, timeWidth)))
        return kit::fail(QStringLiteral("truncated zone file"));
    TzifFile file;
    std::vector<qint64> times(c.time);
    for (auto& t : times)
        t = r.s64(timeWidth);
    for (quint32 i = 0; i < c.time; ++i)
        file.transitions.push_back({times[i], r.u8()});
    std::vector<std::pair<quint8, bool>> nameIndex;
    for (quint32 i = 0; i < c.type; ++i) {
        TzifType type;
        type.utcOffset = static_cast<qint32>(r.s64(4));
        type.isDst = r.u8() != 0;
        nameIndex.push_back({r.u8(), type.isDst});
        file.types.push_back(type);
    }
    const QByteArray chars = r.bytes(c.chars);
    for (quint32 i = 0; i < c.type; ++i) {
        const qsizetype start = nameIndex[i].first;
        const qsizetype end = chars.indexOf('\0', start);
        file.types[i].abbreviation = QString::fromLatin1(chars.mid(start, end - start));
    }
    r.skip(qint64(c.leap) * (timeWidth + 4) + c.isStd + c.isUt);
    for (const auto& t : file.transitions)
        if (t.type < 0 || t.type >= int(file.types.size()))
            return kit::fail(QStringLiteral("transition to an unknown local time type"));
    return file;
}

} // namespace

kit::Result<TzifFile> TzifFile::parse(const QByteArray& bytes) {
    Reader r(bytes);
    char version = 0;
    Counts counts{};
    if (!readHeader(r, version, counts))
        return kit::fail(QStringLiteral("not a TZif file"));
    if (version == 0)
        return readBlock(r, counts, 4);
    // Version 2 and later repeat the data with 64-bit times, followed by the footer.
    r.skip(blockSize(counts, 4));
    if (!readHeader(r, version, counts))
        return kit::fail(QStringLiteral("missing 64-bit block"));
    auto file = readBlock(r, counts, 8);
    if (!file)
        return file;
    const QByteArray rest = bytes.mid(r.pos());
    if (rest.startsWith('\n')) {
        const qsizetype end = rest.indexOf('\n', 1);
        if (end > 0)
            file.value().footer = QString::fromLatin1(rest.mid(1, end - 1));
    }
    return file;
}

kit::Result<TzifFile> TzifFile::read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return kit::fail(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
    return parse(f.readAll());
}

} // namespace ruvo::timezones
