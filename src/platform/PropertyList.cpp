#include "PropertyList.h"

#include "AtomicFile.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace PropertyList {

namespace {

// Deeper trees than this are refused on both sides: reading a hostile file
// must not exhaust the stack, and anything we write must read back.
constexpr int MaxDepth = 512;

QDateTime utcDateTime(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC);
}

// ---------------------------------------------------------------- reading

class Parser
{
public:
    explicit Parser(const QByteArray& xml) : m_xml(xml) {}

    ReadResult run()
    {
        ReadResult result;
        result.value = readDocument();
        if (m_xml.hasError()) {
            result.value = QVariant();
            result.status = Status::Malformed;
            result.error = QStringLiteral("line %1, column %2: %3")
                               .arg(m_xml.lineNumber())
                               .arg(m_xml.columnNumber())
                               .arg(m_xml.errorString());
        }
        return result;
    }

private:
    QVariant readDocument()
    {
        if (!m_xml.readNextStartElement()) {
            fail(QStringLiteral("no root element"));
            return {};
        }
        if (m_xml.name() != u"plist") {
            fail(QStringLiteral("the root element is <%1>, not <plist>").arg(m_xml.name()));
            return {};
        }
        if (!nextChild()) {
            fail(QStringLiteral("<plist> holds no value"));
            return {};
        }
        QVariant value = readValue(1);
        if (nextChild())
            fail(QStringLiteral("<plist> holds more than one value"));
        // Reading on to the end lets the XML reader catch a truncated or
        // otherwise broken tail after the closing </plist>.
        while (!m_xml.atEnd() && !m_xml.hasError())
            m_xml.readNext();
        return value;
    }

    void fail(const QString& why)
    {
        if (!m_xml.hasError())
            m_xml.raiseError(why);
    }

    // Moves to the next child element of the current one. False at the end
    // of the current element or on an error.
    bool nextChild()
    {
        while (!m_xml.hasError() && !m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
                return false;
            case QXmlStreamReader::Comment:
            case QXmlStreamReader::ProcessingInstruction:
                break;
            case QXmlStreamReader::Characters:
                if (!m_xml.isWhitespace())
                    fail(QStringLiteral("unexpected text \"%1\"").arg(m_xml.text().left(40)));
                break;
            default:
                fail(QStringLiteral("unexpected XML content"));
                break;
            }
        }
        return false;
    }

    // The text of a leaf element; child elements and entities we cannot
    // resolve are errors rather than silently dropped text.
    QString readText()
    {
        QString text;
        while (!m_xml.hasError() && !m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters:
                text += m_xml.text();
                break;
            case QXmlStreamReader::EndElement:
                return text;
            case QXmlStreamReader::Comment:
            case QXmlStreamReader::ProcessingInstruction:
                break;
            case QXmlStreamReader::EntityReference:
                fail(QStringLiteral("unknown entity &%1;").arg(m_xml.name()));
                break;
            default:
                fail(QStringLiteral("unexpected element inside a text value"));
                break;
            }
        }
        return text;
    }

    QVariant readValue(int depth)
    {
        if (depth > MaxDepth) {
            fail(QStringLiteral("values nested more than %1 deep").arg(MaxDepth));
            return {};
        }
        const QString name = m_xml.name().toString();
        if (name == u"dict")
            return readDict(depth);
        if (name == u"array")
            return readArray(depth);
        if (name == u"string")
            return readText();
        if (name == u"integer")
            return readInteger();
        if (name == u"real")
            return readReal();
        if (name == u"true" || name == u"false")
            return readBoolean(name == u"true");
        if (name == u"date")
            return readDate();
        if (name == u"data")
            return readData();
        fail(QStringLiteral("unknown element <%1>").arg(name));
        return {};
    }

    QVariant readDict(int depth)
    {
        QVariantMap dict;
        while (nextChild()) {
            if (m_xml.name() != u"key") {
                fail(QStringLiteral("<%1> where a <key> belongs").arg(m_xml.name()));
                break;
            }
            const QString key = readText();
            if (!nextChild()) {
                fail(QStringLiteral("key \"%1\" has no value").arg(key));
                break;
            }
            const QVariant value = readValue(depth + 1);
            if (m_xml.hasError())
                break;
            dict.insert(key, value);
        }
        return dict;
    }

    QVariant readArray(int depth)
    {
        QVariantList array;
        while (nextChild()) {
            const QVariant value = readValue(depth + 1);
            if (m_xml.hasError())
                break;
            array.append(value);
        }
        return array;
    }

    QVariant readInteger()
    {
        const QString text = readText().trimmed();
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok, 10);
        if (!ok)
            fail(QStringLiteral("\"%1\" is not an integer we can hold").arg(text.left(40)));
        return value;
    }

    QVariant readReal()
    {
        const QString text = readText().trimmed().toLower();
        if (text == u"nan")
            return std::numeric_limits<double>::quiet_NaN();
        if (text == u"+infinity" || text == u"infinity" || text == u"inf" || text == u"+inf")
            return std::numeric_limits<double>::infinity();
        if (text == u"-infinity" || text == u"-inf")
            return -std::numeric_limits<double>::infinity();
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("\"%1\" is not a real number").arg(text.left(40)));
        return value;
    }

    QVariant readBoolean(bool value)
    {
        if (!readText().trimmed().isEmpty())
            fail(QStringLiteral("a boolean element must be empty"));
        return value;
    }

    QVariant readDate()
    {
        static const QRegularExpression format(QStringLiteral(
            R"(^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2}):(\d{2})(?:\.(\d{1,9}))?Z$)"));
        const QString text = readText().trimmed();
        const QRegularExpressionMatch match = format.match(text);
        QDateTime date;
        if (match.hasMatch()) {
            const auto field = [&match](int n) { return match.captured(n).toInt(); };
            const int msec = match.captured(7).leftJustified(3, u'0').left(3).toInt();
            date = utcDateTime(field(1), field(2), field(3), field(4), field(5), field(6), msec);
        }
        if (!date.isValid())
            fail(QStringLiteral("\"%1\" is not a date").arg(text.left(40)));
        return date;
    }

    QVariant readData()
    {
        QByteArray base64 = readText().toLatin1();
        base64.replace(' ', "").replace('\t', "").replace('\n', "").replace('\r', "");
        const auto decoded = QByteArray::fromBase64Encoding(
            base64, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            fail(QStringLiteral("<data> is not valid base64"));
        return *decoded;
    }

    QXmlStreamReader m_xml;
};

// ---------------------------------------------------------------- writing

bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
           || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Escapes text for element content. Characters XML 1.0 cannot carry at all
// (most control characters, lone surrogates) become U+FFFD: refusing them
// would make the whole record unsavable over one pasted control character,
// and writing them raw would leave a file that no longer parses.
QString escapedText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        // A raw CR would read back as LF after XML line-end normalisation.
        case '\r': out += QLatin1String("&#13;"); break;
        default: out += isXmlCharacter(c.unicode()) ? c : QChar(QChar::ReplacementCharacter);
        }
    }
    return out;
}

QString realText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("+infinity") : QStringLiteral("-infinity");
    if (value == 0.0 && std::signbit(value))
        return QStringLiteral("-0");  // Qt's shortest form drops the sign of zero
    // The shortest text that reads back to exactly the same double.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

class Writer
{
public:
    QByteArray run(const QVariant& value, QString* error)
    {
        m_out = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
            "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
            "<plist version=\"1.0\">\n");
        if (!writeValue(value, 0)) {
            if (error)
                *error = m_error;
            return {};
        }
        m_out += QLatin1String("</plist>\n");
        return m_out.toUtf8();
    }

private:
    void line(int depth, const QString& text)
    {
        m_out += QString(depth, u'\t');
        m_out += text;
        m_out += u'\n';
    }

    void element(int depth, const char* name, const QString& text)
    {
        const QString tag = QLatin1String(name);
        line(depth, u'<' + tag + u'>' + text + QLatin1String("</") + tag + u'>');
    }

    bool refuse(const QString& why)
    {
        m_error = why;
        return false;
    }

    bool writeValue(const QVariant& value, int depth)
    {
        if (depth >= MaxDepth)
            return refuse(QStringLiteral("values nested more than %1 deep").arg(MaxDepth));
        switch (value.typeId()) {
        case QMetaType::QVariantMap:
            return writeDict(value.toMap(), depth);
        case QMetaType::QVariantList:
        case QMetaType::QStringList:
            return writeArray(value.toList(), depth);
        case QMetaType::QString:
            element(depth, "string", escapedText(value.toString()));
            return true;
        case QMetaType::QByteArray:
            element(depth, "data", QString::fromLatin1(value.toByteArray().toBase64()));
            return true;
        case QMetaType::Bool:
            line(depth, value.toBool() ? QStringLiteral("<true/>") : QStringLiteral("<false/>"));
            return true;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::SChar:
        case QMetaType::UChar:
            element(depth, "integer", QString::number(value.toLongLong()));
            return true;
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            return writeUnsigned(value.toULongLong(), depth);
        case QMetaType::Double:
        case QMetaType::Float:
            element(depth, "real", realText(value.toDouble()));
            return true;
        case QMetaType::QDateTime:
            return writeDate(value.toDateTime(), depth);
        default:
            return refuse(QStringLiteral("a value of type %1 cannot go into a property list")
                              .arg(QString::fromLatin1(value.metaType().name() ? value.metaType().name()
                                                                                : "invalid")));
        }
    }

    bool writeUnsigned(qulonglong value, int depth)
    {
        if (value > qulonglong(std::numeric_limits<qlonglong>::max()))
            return refuse(QStringLiteral("the integer %1 is too large").arg(value));
        element(depth, "integer", QString::number(value));
        return true;
    }

    bool writeDate(const QDateTime& date, int depth)
    {
        const QDateTime utc = date.toUTC();
        const QDate day = utc.date();
        const QTime time = utc.time();
        if (!utc.isValid() || day.year() < 1 || day.year() > 9999)
            return refuse(QStringLiteral("the date %1 cannot be stored").arg(date.toString(Qt::ISODate)));
        // Sub-second parts are dropped: the format carries whole seconds.
        element(depth, "date", QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02dZ", day.year(),
                                                  day.month(), day.day(), time.hour(),
                                                  time.minute(), time.second()));
        return true;
    }

    bool writeDict(const QVariantMap& dict, int depth)
    {
        if (dict.isEmpty()) {
            line(depth, QStringLiteral("<dict/>"));
            return true;
        }
        line(depth, QStringLiteral("<dict>"));
        for (auto it = dict.cbegin(); it != dict.cend(); ++it) {
            element(depth + 1, "key", escapedText(it.key()));
            if (!writeValue(it.value(), depth + 1))
                return refuse(QStringLiteral("%1 (key \"%2\")").arg(m_error, it.key()));
        }
        line(depth, QStringLiteral("</dict>"));
        return true;
    }

    bool writeArray(const QVariantList& array, int depth)
    {
        if (array.isEmpty()) {
            line(depth, QStringLiteral("<array/>"));
            return true;
        }
        line(depth, QStringLiteral("<array>"));
        for (const QVariant& item : array) {
            if (!writeValue(item, depth + 1))
                return false;
        }
        line(depth, QStringLiteral("</array>"));
        return true;
    }

    QString m_out;
    QString m_error;
};

}  // namespace

ReadResult parse(const QByteArray& xml)
{
    return Parser(xml).run();
}

ReadResult read(const QString& path)
{
    ReadResult result;
    QFile file(path);
    if (!file.exists()) {
        result.status = Status::NotFound;
        result.error = QStringLiteral("%1 does not exist").arg(path);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = Status::Unreadable;
        result.error = QStringLiteral("Could not open %1: %2").arg(path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = Status::Unreadable;
        result.error = QStringLiteral("Could not read %1: %2").arg(path, file.errorString());
        return result;
    }
    result = parse(bytes);
    if (!result.ok())
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

QByteArray serialize(const QVariant& value, QString* error)
{
    return Writer().run(value, error);
}

bool write(const QString& path, const QVariant& value, QString* error)
{
    QString why;
    const QByteArray bytes = serialize(value, &why);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("Could not write %1: %2").arg(path, why);
        return false;
    }
    return AtomicFile::write(path, bytes, error);
}

QDateTime distantPast()
{
    return utcDateTime(1, 1, 1, 0, 0, 0);
}

QDateTime distantFuture()
{
    return utcDateTime(4001, 1, 1, 0, 0, 0);
}

}  // namespace PropertyList
