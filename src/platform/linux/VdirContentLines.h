// SPDX-License-Identifier: GPL-3.0-or-later
// An iCalendar text as the lines that stand in the file, for edits that must leave every
// line they are not about exactly as it was: unknown properties, their parameters, odd
// escaping and the file's own folding and line breaks. Lines are unfolded to be read; the
// lines an edit writes are folded at 75 octets (never inside a UTF-8 sequence) and end the
// way the file's lines end. Nothing here interprets values beyond splitting a line into
// name, parameters and value.
#pragma once

#include <QByteArray>
#include <QList>
#include <optional>
#include <vector>

namespace ruvo::platform::vdir {

class ContentLines {
public:
    // A component: the indices of its BEGIN and END lines.
    struct Component {
        QByteArray type; // upper case, "VEVENT"
        int begin = 0;
        int end = 0;
    };

    explicit ContentLines(const QByteArray& text);

    QByteArray text() const;
    const QByteArray& lineBreak() const { return m_lineBreak; }
    // Whether the text is one VCALENDAR (and nothing but blank lines around it).
    bool isCalendar() const;

    // The components inside the VCALENDAR (or the file's top-level components when it has none).
    std::vector<Component> children() const;

    // A line unfolded, without its line break.
    QByteArray logical(int line) const { return m_lines[line].logical; }
    // The lines of `c` itself, not of the components inside it, named `name`.
    std::vector<int> properties(const Component& c, const QByteArray& name) const;
    std::optional<int> property(const Component& c, const QByteArray& name) const;
    // The value of the first such property, as written (escapes kept); empty when none.
    QByteArray value(const Component& c, const QByteArray& name) const;
    // The raw text of lines [first, last] as they stand in the file.
    QByteArray rawLines(int first, int last) const;

    // Each edit answers the component with its lines renumbered; other Components found
    // before an edit are stale after it.
    Component setProperty(Component c, const QByteArray& logicalLine);
    Component addProperty(Component c, const QByteArray& logicalLine);
    Component removeProperties(Component c, const QByteArray& name);
    void removeComponent(const Component& c);
    // Writes `logicalLine` in place of line `line` (the line count stays).
    void replaceLine(int line, const QByteArray& logicalLine);
    // Inserts `raw` lines (folded, with line breaks) before line `before`.
    void insertRaw(int before, const QByteArray& raw);
    int lineCount() const { return int(m_lines.size()); }

private:
    // `logicalLine` folded as the file's new lines are, with the file's line break.
    QByteArray fold(const QByteArray& logicalLine) const;

    struct Line {
        QByteArray raw;     // the physical lines with their breaks
        QByteArray logical; // unfolded, without the break
        QByteArray name;    // upper case
    };
    static Line makeLine(QByteArray raw, QByteArray logical);
    int endOfOwnProperties(const Component& c) const;

    std::vector<Line> m_lines;
    QByteArray m_lineBreak;
};

// The name of a content line, upper case ("DTSTART" of "DTSTART;TZID=X:..."); the value after
// the first colon outside a quoted parameter; a parameter's value without its quotes.
QByteArray propertyName(const QByteArray& logicalLine);
QByteArray propertyValue(const QByteArray& logicalLine);
QByteArray parameterValue(const QByteArray& logicalLine, const QByteArray& parameter);
// `logicalLine` with the parameter `parameter` set to `value` (added after the others when
// the line has none); everything else on the line stays as written.
QByteArray withParameter(const QByteArray& logicalLine, const QByteArray& parameter,
                         const QByteArray& value);
// A parameter value quoted when it holds a character that would end it.
QByteArray quotedParameter(const QByteArray& value);
// A TEXT value with its backslash escapes undone.
QByteArray unescapeText(const QByteArray& value);

} // namespace ruvo::platform::vdir
