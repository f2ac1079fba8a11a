// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PropertyList.h"

#include <QDateTime>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

namespace ruvo::settings {

namespace {

QString realText(double value) {
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("+infinity") : QStringLiteral("-infinity");
    return QString::number(value, 'g', 17);
}

void writeObject(QXmlStreamWriter& xml, const QVariant& value);

void writeDict(QXmlStreamWriter& xml, const QVariantMap& map) {
    xml.writeStartElement(QStringLiteral("dict"));
    for (auto it = map.begin(); it != map.end(); ++it) {
        xml.writeTextElement(QStringLiteral("key"), it.key());
        writeObject(xml, it.value());
    }
    xml.writeEndElement();
}

void writeObject(QXmlStreamWriter& xml, const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        xml.writeEmptyElement(value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        xml.writeTextElement(QStringLiteral("integer"), QString::number(value.toLongLong()));
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        xml.writeTextElement(QStringLiteral("real"), realText(value.toDouble()));
        break;
    case QMetaType::QByteArray:
        xml.writeTextElement(QStringLiteral("data"),
                             QString::fromLatin1(value.toByteArray().toBase64()));
        break;
    case QMetaType::QDateTime:
        xml.writeTextElement(QStringLiteral("date"),
                             value.toDateTime().toUTC().toString(Qt::ISODate));
        break;
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        xml.writeStartElement(QStringLiteral("array"));
        for (const QVariant& element : value.toList())
            writeObject(xml, element);
        xml.writeEndElement();
        break;
    }
    case QMetaType::QVariantMap:
        writeDict(xml, value.toMap());
        break;
    default:
        xml.writeTextElement(QStringLiteral("string"), value.toString());
        break;
    }
}

// Settings nest a few levels at most; a deeper file is corrupt (and reading it recursively
// would run out of stack).
constexpr int kMaxNesting = 64;

class Reader {
public:
    explicit Reader(const QByteArray& document) : m_xml(document) {}

    kit::Result<QVariantMap> readDocument() {
        if (!nextElement() || m_xml.name() != QLatin1String("plist"))
            return kit::fail(error(QStringLiteral("no <plist> element")));
        if (!nextElement())
            return kit::fail(error(QStringLiteral("empty <plist>")));
        std::optional<QVariant> root = readObject();
        if (!root || root->typeId() != QMetaType::QVariantMap)
            return kit::fail(m_problem.isEmpty() ? error(QStringLiteral("the root is not a <dict>"))
                                                 : m_problem); // already says where
        while (!m_xml.atEnd())
            m_xml.readNext();
        if (m_xml.hasError())
            return kit::fail(error(m_xml.errorString()));
        return root->toMap();
    }

private:
    QString error(const QString& what) const {
        return QStringLiteral("line %1: %2").arg(m_xml.lineNumber()).arg(what);
    }

    bool nextElement() {
        while (!m_xml.atEnd()) {
            const auto token = m_xml.readNext();
            if (token == QXmlStreamReader::StartElement)
                return true;
            if (token == QXmlStreamReader::EndElement)
                return false;
        }
        return false;
    }

    std::optional<QVariant> failWith(const QString& problem) {
        if (m_problem.isEmpty())
            m_problem = error(problem);
        return std::nullopt;
    }

    // Reads the object whose start tag is current; leaves the reader after its end tag.
    std::optional<QVariant> readObject() {
        const QString tag = m_xml.name().toString();
        if (tag == QLatin1String("dict") || tag == QLatin1String("array")) {
            if (m_depth == kMaxNesting)
                return failWith(QStringLiteral("nested deeper than %1 levels").arg(kMaxNesting));
            ++m_depth;
            std::optional<QVariant> container =
                tag == QLatin1String("dict") ? readDict() : readArray();
            --m_depth;
            return container;
        }
        if (tag == QLatin1String("true") || tag == QLatin1String("false")) {
            m_xml.skipCurrentElement();
            return QVariant(tag == QLatin1String("true"));
        }
        const QString text = m_xml.readElementText();
        if (m_xml.hasError())
            return failWith(m_xml.errorString());
        return scalar(tag, text);
    }

    std::optional<QVariant> scalar(const QString& tag, const QString& text) {
        bool ok = false;
        if (tag == QLatin1String("string"))
            return QVariant(text);
        if (tag == QLatin1String("integer")) {
            const qlonglong value = text.trimmed().toLongLong(&ok);
            return ok ? std::optional<QVariant>(QVariant(value))
                      : failWith(QStringLiteral("bad <integer>"));
        }
        if (tag == QLatin1String("real")) {
            const QString t = text.trimmed().toLower();
            if (t == QLatin1String("nan"))
                return QVariant(std::nan(""));
            if (t == QLatin1String("+infinity") || t == QLatin1String("infinity") ||
                t == QLatin1String("-infinity"))
                return QVariant(t.startsWith(QLatin1Char('-')) ? -INFINITY : INFINITY);
            const double value = t.toDouble(&ok);
            return ok ? std::optional<QVariant>(QVariant(value))
                      : failWith(QStringLiteral("bad <real>"));
        }
        if (tag == QLatin1String("data"))
            return QVariant(QByteArray::fromBase64(text.toLatin1()));
        if (tag == QLatin1String("date")) {
            QDateTime date = QDateTime::fromString(text.trimmed(), Qt::ISODate);
            if (!date.isValid())
                return failWith(QStringLiteral("bad <date>"));
            return QVariant(date.toUTC());
        }
        return failWith(QStringLiteral("unknown element <%1>").arg(tag));
    }

    std::optional<QVariant> readDict() {
        QVariantMap map;
        while (nextElement()) {
            if (m_xml.name() != QLatin1String("key"))
                return failWith(QStringLiteral("<dict> entry without <key>"));
            const QString key = m_xml.readElementText();
            if (!nextElement())
                return failWith(QStringLiteral("<key> %1 without a value").arg(key));
            auto value = readObject();
            if (!value)
                return std::nullopt;
            map.insert(key, *value);
        }
        if (m_xml.hasError())
            return failWith(m_xml.errorString());
        return QVariant(map);
    }

    std::optional<QVariant> readArray() {
        QVariantList list;
        while (nextElement()) {
            auto value = readObject();
            if (!value)
                return std::nullopt;
            list.append(*value);
        }
        if (m_xml.hasError())
            return failWith(m_xml.errorString());
        return QVariant(list);
    }

    QXmlStreamReader m_xml;
    QString m_problem;
    int m_depth = 0;
};

} // namespace

QByteArray writePropertyList(const QVariantMap& root) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(-1); // one tab, as the format's other writers do
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">"));
    xml.writeStartElement(QStringLiteral("plist"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    writeDict(xml, root);
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

kit::Result<QVariantMap> readPropertyList(const QByteArray& document) {
    return Reader(document).readDocument();
}

QString propertyListElement(const QVariant& object) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    writeObject(xml, object);
    xml.writeEndDocument(); // closes an empty element such as <true/>
    return QString::fromUtf8(out).trimmed();
}

bool isPropertyListObject(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QDateTime:
        return true;
    case QMetaType::QVariantList:
        for (const QVariant& element : value.toList())
            if (!isPropertyListObject(element))
                return false;
        return true;
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            if (!isPropertyListObject(it.value()))
                return false;
        return true;
    }
    default:
        return false;
    }
}

} // namespace ruvo::settings
