// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirContentLines.h"

#include <utility>

namespace ruvo::platform::vdir {

namespace {

constexpr int kFoldOctets = 75; // RFC 5545's limit on a physical line, line break excluded

QByteArray withoutBreak(const QByteArray& physical) {
    qsizetype n = physical.size();
    if (n > 0 && physical[n - 1] == '\n')
        --n;
    if (n > 0 && physical[n - 1] == '\r')
        --n;
    return physical.left(n);
}

// The position of the colon that ends the name and parameters, or -1.
qsizetype valueColon(const QByteArray& line) {
    bool isQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            isQuoted = !isQuoted;
        else if (line[i] == ':' && !isQuoted)
            return i;
    }
    return -1;
}

bool isContinuation(char c) {
    return c == ' ' || c == '\t';
}

// Where the name and parameters end: the value's colon, or the end of a line without one.
qsizetype headEnd(const QByteArray& line) {
    const qsizetype colon = valueColon(line);
    return colon < 0 ? line.size() : colon;
}

// The line up to `end` (its headEnd) split at the semicolons outside quotes: the name, then
// each parameter as NAME=value.
QList<QByteArray> nameAndParameters(const QByteArray& logicalLine, qsizetype end) {
    QList<QByteArray> parts;
    bool isQuoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= end; ++i) {
        // The end closes the last part even inside an unclosed quote, so nothing is dropped.
        const bool isEnd = i == end;
        const char c = isEnd ? ';' : logicalLine[i];
        if (c == '"')
            isQuoted = !isQuoted;
        if (!isEnd && (c != ';' || isQuoted))
            continue;
        parts << logicalLine.mid(start, i - start);
        start = i + 1;
    }
    return parts;
}

} // namespace

QByteArray propertyName(const QByteArray& logicalLine) {
    qsizetype end = 0;
    while (end < logicalLine.size() && logicalLine[end] != ';' && logicalLine[end] != ':')
        ++end;
    return logicalLine.left(end).trimmed().toUpper();
}

QByteArray propertyValue(const QByteArray& logicalLine) {
    const qsizetype colon = valueColon(logicalLine);
    return colon < 0 ? QByteArray() : logicalLine.mid(colon + 1);
}

QByteArray parameterValue(const QByteArray& logicalLine, const QByteArray& parameter) {
    const QByteArray wanted = parameter.toUpper() + '=';
    const QList<QByteArray> parts = nameAndParameters(logicalLine, headEnd(logicalLine));
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (!parts[i].toUpper().startsWith(wanted))
            continue;
        QByteArray value = parts[i].mid(wanted.size());
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

QByteArray withParameter(const QByteArray& logicalLine, const QByteArray& parameter,
                         const QByteArray& value) {
    const qsizetype colon = headEnd(logicalLine);
    const QByteArray wanted = parameter.toUpper() + '=';
    const QList<QByteArray> parts = nameAndParameters(logicalLine, colon);
    QList<QByteArray> out{parts.value(0)};
    bool isSet = false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (!parts[i].toUpper().startsWith(wanted))
            out << parts[i];
        else if (!std::exchange(isSet, true))
            out << parameter + '=' + value; // a repeated one goes
    }
    if (!isSet)
        out << parameter + '=' + value;
    return out.join(';') + logicalLine.mid(colon);
}

QByteArray quotedParameter(const QByteArray& value) {
    QByteArray plain = value;
    plain.replace('"', "");
    const bool needsQuotes = plain.contains(':') || plain.contains(';') || plain.contains(',');
    return needsQuotes ? '"' + plain + '"' : plain;
}

QByteArray unescapeText(const QByteArray& value) {
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' || next == 'N' ? '\n' : next;
    }
    return out;
}

ContentLines::Line ContentLines::makeLine(QByteArray raw, QByteArray logical) {
    QByteArray name = propertyName(logical);
    return Line{std::move(raw), std::move(logical), std::move(name)};
}

ContentLines::ContentLines(const QByteArray& text) {
    const qsizetype firstBreak = text.indexOf('\n');
    m_lineBreak = firstBreak > 0 && text[firstBreak - 1] == '\r' ? "\r\n" : "\n";
    if (firstBreak < 0)
        m_lineBreak = "\r\n";
    insertRaw(0, text);
}

void ContentLines::insertRaw(int before, const QByteArray& raw) {
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < raw.size()) {
        qsizetype next = raw.indexOf('\n', pos);
        next = next < 0 ? raw.size() : next + 1;
        const QByteArray physical = raw.mid(pos, next - pos);
        if (!lines.empty() && isContinuation(physical[0])) {
            lines.back().raw += physical;
            lines.back().logical += withoutBreak(physical).mid(1);
        } else {
            lines.push_back(Line{physical, withoutBreak(physical), {}});
        }
        pos = next;
    }
    for (Line& line : lines)
        line.name = propertyName(line.logical);
    m_lines.insert(m_lines.begin() + before, std::make_move_iterator(lines.begin()),
                   std::make_move_iterator(lines.end()));
}

QByteArray ContentLines::text() const {
    QByteArray out;
    for (const Line& line : m_lines)
        out += line.raw;
    return out;
}

bool ContentLines::isCalendar() const {
    int first = 0;
    int last = lineCount() - 1;
    while (first <= last && m_lines[first].logical.trimmed().isEmpty())
        ++first;
    while (last >= first && m_lines[last].logical.trimmed().isEmpty())
        --last;
    return first < last && m_lines[first].name == "BEGIN" && m_lines[last].name == "END" &&
           propertyValue(m_lines[first].logical).trimmed().toUpper() == "VCALENDAR" &&
           propertyValue(m_lines[last].logical).trimmed().toUpper() == "VCALENDAR";
}

std::vector<ContentLines::Component> ContentLines::children() const {
    std::vector<Component> found;
    std::vector<Component> open; // the components around the current line
    bool hasCalendar = false;
    for (int i = 0; i < lineCount(); ++i) {
        const Line& line = m_lines[i];
        if (line.name != "BEGIN" && line.name != "END")
            continue;
        const QByteArray type = propertyValue(line.logical).trimmed().toUpper();
        if (line.name == "BEGIN") {
            hasCalendar = hasCalendar || (open.empty() && type == "VCALENDAR");
            open.push_back(Component{type, i, -1});
            continue;
        }
        // An END without its BEGIN closes what it can and leaves the rest open.
        auto match = std::find_if(open.rbegin(), open.rend(),
                                  [&](const Component& c) { return c.type == type; });
        if (match == open.rend())
            continue;
        open.erase(match.base(), open.end());
        Component closed = open.back();
        open.pop_back();
        closed.end = i;
        const bool isChild =
            hasCalendar ? open.size() == 1 && open[0].type == "VCALENDAR" : open.empty();
        if (isChild)
            found.push_back(closed);
    }
    return found;
}

std::vector<int> ContentLines::properties(const Component& c, const QByteArray& name) const {
    std::vector<int> found;
    int depth = 0;
    for (int i = c.begin + 1; i < c.end; ++i) {
        const QByteArray& n = m_lines[i].name;
        if (n == "BEGIN")
            ++depth;
        else if (n == "END")
            --depth;
        else if (depth == 0 && n == name)
            found.push_back(i);
    }
    return found;
}

std::optional<int> ContentLines::property(const Component& c, const QByteArray& name) const {
    const auto found = properties(c, name);
    return found.empty() ? std::nullopt : std::optional(found.front());
}

QByteArray ContentLines::value(const Component& c, const QByteArray& name) const {
    const auto line = property(c, name);
    return line ? propertyValue(m_lines[*line].logical) : QByteArray();
}

QByteArray ContentLines::rawLines(int first, int last) const {
    QByteArray out;
    for (int i = first; i <= last; ++i)
        out += m_lines[i].raw;
    return out;
}

int ContentLines::endOfOwnProperties(const Component& c) const {
    for (int i = c.begin + 1; i < c.end; ++i)
        if (m_lines[i].name == "BEGIN")
            return i;
    return c.end;
}

ContentLines::Component ContentLines::setProperty(Component c, const QByteArray& logicalLine) {
    const auto existing = properties(c, propertyName(logicalLine));
    if (existing.empty())
        return addProperty(std::move(c), logicalLine);
    for (auto it = existing.rbegin(); it + 1 != existing.rend(); ++it)
        m_lines.erase(m_lines.begin() + *it);
    c.end -= int(existing.size()) - 1;
    m_lines[existing.front()] = makeLine(fold(logicalLine), logicalLine);
    return c;
}

ContentLines::Component ContentLines::addProperty(Component c, const QByteArray& logicalLine) {
    const int at = endOfOwnProperties(c);
    m_lines.insert(m_lines.begin() + at, makeLine(fold(logicalLine), logicalLine));
    ++c.end;
    return c;
}

ContentLines::Component ContentLines::removeProperties(Component c, const QByteArray& name) {
    const auto existing = properties(c, name);
    for (auto it = existing.rbegin(); it != existing.rend(); ++it)
        m_lines.erase(m_lines.begin() + *it);
    c.end -= int(existing.size());
    return c;
}

void ContentLines::replaceLine(int line, const QByteArray& logicalLine) {
    m_lines[line] = makeLine(fold(logicalLine), logicalLine);
}

void ContentLines::removeComponent(const Component& c) {
    m_lines.erase(m_lines.begin() + c.begin, m_lines.begin() + c.end + 1);
}

QByteArray ContentLines::fold(const QByteArray& logicalLine) const {
    QByteArray out;
    qsizetype pos = 0;
    qsizetype limit = kFoldOctets;
    while (true) {
        qsizetype n = std::min(limit, logicalLine.size() - pos);
        // Never between the bytes of one UTF-8 sequence.
        while (pos + n < logicalLine.size() && n > 1 &&
               (static_cast<uchar>(logicalLine[pos + n]) & 0xC0) == 0x80)
            --n;
        out += logicalLine.mid(pos, n);
        pos += n;
        if (pos >= logicalLine.size())
            break;
        out += m_lineBreak + ' ';
        limit = kFoldOctets - 1; // the leading space counts
    }
    return out + m_lineBreak;
}

} // namespace ruvo::platform::vdir
