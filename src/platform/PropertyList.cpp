#include "PropertyList.h"

#include "AtomicFile.h"
#include "PropertyListQuickReader.h"

#include <QFile>
#include <QLocale>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <functional>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>

namespace PropertyList {

namespace {

using Quick::isXmlCharacter;
using Quick::MaxDepth;

QDateTime utcDateTime(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC);
}

// ---------------------------------------------------------------- reading

class Parser
{
public:
    explicit Parser(const QByteArray& xml) : m_bytes(xml), m_xml(xml) {}

    ReadResult run()
    {
        ReadResult result;
        if (isWideEncoding(m_bytes))
            fail(QStringLiteral("the document is not UTF-8"));
        else
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
        if (!readProlog()) {
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

    // Everything before the root element. Property lists are UTF-8 and never
    // need a document type of their own: a declared entity can blow a small
    // file up to gigabytes, and another encoding would not be written back
    // as it was read. True at the root element.
    bool readProlog()
    {
        while (!m_xml.hasError() && !m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartDocument:
                refuseOtherEncodings();
                break;
            case QXmlStreamReader::DTD:
                if (m_xml.text().contains(u'[') || !m_xml.entityDeclarations().isEmpty())
                    fail(QStringLiteral("the document declares a type or entities of its own"));
                break;
            case QXmlStreamReader::StartElement:
                return true;
            default:
                break;
            }
        }
        return false;
    }

    void refuseOtherEncodings()
    {
        const QStringView encoding = m_xml.documentEncoding();
        if (!encoding.isEmpty() && encoding.compare(u"UTF-8", Qt::CaseInsensitive) != 0
            && encoding.compare(u"UTF8", Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("the encoding %1 is not UTF-8").arg(encoding));
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
                if (text.isEmpty())
                    text = m_xml.text().toString();
                else
                    text += m_xml.text();
                break;
            case QXmlStreamReader::EndElement:
                refuseUnwritableCharacters(text);
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

    // A string the writer would have to change (a lone surrogate, a control
    // character XML cannot carry) did not come from a property-list writer;
    // taking it in would alter the record at its next save.
    void refuseUnwritableCharacters(const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                ++i;
                continue;
            }
            if (!isXmlCharacter(c.unicode())) {
                fail(QStringLiteral("the text holds the character U+%1, which cannot be stored")
                         .arg(c.unicode(), 4, 16, QLatin1Char('0')));
                return;
            }
        }
    }

    QVariant readValue(int depth)
    {
        if (depth > MaxDepth) {
            fail(QStringLiteral("values nested more than %1 deep").arg(MaxDepth));
            return {};
        }
        // A view into the reader, read before the reader moves on.
        const QStringView name = m_xml.name();
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
            const QString key = interned(readText());
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

    // A file repeats the same few keys in every payment: they share one
    // string each, not one allocation per dictionary.
    QString interned(const QString& key)
    {
        const auto known = m_keys.constFind(key);
        if (known != m_keys.cend())
            return *known;
        m_keys.insert(key);
        return key;
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
        const QString text = readText().trimmed();
        // Other characters than Latin-1 become "?", which no date holds.
        const QDateTime date = Quick::dateOfText(text.toLatin1());
        if (!date.isValid())
            fail(QStringLiteral("\"%1\" is not a date").arg(text.left(40)));
        return date;
    }

    QVariant readData()
    {
        const std::optional<QByteArray> decoded = Quick::dataOfText(readText().toLatin1());
        if (!decoded)
            fail(QStringLiteral("<data> is not valid base64"));
        return decoded.value_or(QByteArray());
    }

    // UTF-16 and UTF-32 show themselves by a byte-order mark or by a zero
    // byte in the first characters of the "<?xml" or "<plist" that opens
    // every document.
    static bool isWideEncoding(const QByteArray& bytes)
    {
        return bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xFF\xFE")
               || bytes.left(4).contains('\0');
    }

    QByteArray m_bytes;
    QXmlStreamReader m_xml;
    QSet<QString> m_keys;
};

// ---------------------------------------------------------------- writing

// Escapes text for element content, as UTF-8. Characters XML 1.0 cannot
// carry at all (most control characters, lone surrogates) become U+FFFD:
// refusing them would make the whole record unsavable over one pasted control
// character, and writing them raw would leave a file that no longer parses.
void appendEscaped(QByteArray& out, const QString& text)
{
    const auto plain = [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0xD800 && c != u'&' && c != u'<' && c != u'>';
    };
    if (std::all_of(text.cbegin(), text.cend(), plain)) {
        out += text.toUtf8();
        return;
    }
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            escaped += c;
            escaped += text.at(++i);
            continue;
        }
        switch (c.unicode()) {
        case '&': escaped += QLatin1String("&amp;"); break;
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        // A raw CR would read back as LF after XML line-end normalisation.
        case '\r': escaped += QLatin1String("&#13;"); break;
        default: escaped += isXmlCharacter(c.unicode()) ? c : QChar(QChar::ReplacementCharacter);
        }
    }
    out += escaped.toUtf8();
}

QByteArray realText(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "+infinity" : "-infinity";
    if (value == 0.0 && std::signbit(value))
        return "-0";  // Qt's shortest form drops the sign of zero
    // The shortest text that reads back to exactly the same double.
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

const QByteArray DocumentHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";
const QByteArray DocumentTail = "</plist>\n";
const QByteArray DictionaryHead = "<dict>\n";
const QByteArray DictionaryTail = "</dict>\n";
const QByteArray EmptyDictionary = "<dict/>\n";
const QByteArray TopLevelKeyHead = "\t<key>";
const QByteArray KeyTail = "</key>\n";

enum class Kind { Dictionary, Array, String, Data, Boolean, Integer, Real, Date, Other };

Kind kindOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QVariantMap: return Kind::Dictionary;
    case QMetaType::QVariantList:
    case QMetaType::QStringList: return Kind::Array;
    case QMetaType::QString: return Kind::String;
    case QMetaType::QByteArray: return Kind::Data;
    case QMetaType::Bool: return Kind::Boolean;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::ULong:
    case QMetaType::ULongLong: return Kind::Integer;
    case QMetaType::Double:
    case QMetaType::Float: return Kind::Real;
    case QMetaType::QDateTime: return Kind::Date;
    default: return Kind::Other;
    }
}

// Writes UTF-8 straight into one growing buffer: records with years of
// payments run to many megabytes in the app-group suite.
class Writer
{
public:
    QByteArray document(const QVariant& value, QString* error)
    {
        m_out = DocumentHead;
        if (!finish(writeValue(value, 0), error))
            return {};
        m_out += DocumentTail;
        return m_out;
    }

    QByteArray fragment(const QVariant& value, int depth, QString* error)
    {
        return finish(writeValue(value, depth), error) ? m_out : QByteArray();
    }

private:
    bool finish(bool written, QString* error)
    {
        if (!written && error)
            *error = m_error;
        return written;
    }

    void indent(int depth) { m_out.append(depth, '\t'); }

    void line(int depth, const char* text)
    {
        indent(depth);
        m_out += text;
        m_out += '\n';
    }

    void open(int depth, const char* name)
    {
        indent(depth);
        m_out += '<';
        m_out += name;
        m_out += '>';
    }

    void close(const char* name)
    {
        m_out += "</";
        m_out += name;
        m_out += ">\n";
    }

    void element(int depth, const char* name, const QByteArray& text)
    {
        open(depth, name);
        m_out += text;
        close(name);
    }

    void textElement(int depth, const char* name, const QString& text)
    {
        open(depth, name);
        appendEscaped(m_out, text);
        close(name);
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
        switch (kindOf(value)) {
        case Kind::Dictionary:
            return writeDict(value.toMap(), depth);
        case Kind::Array:
            return writeArray(value.toList(), depth);
        case Kind::String:
            textElement(depth, "string", value.toString());
            return true;
        case Kind::Data:
            element(depth, "data", value.toByteArray().toBase64());
            return true;
        case Kind::Boolean:
            line(depth, value.toBool() ? "<true/>" : "<false/>");
            return true;
        case Kind::Integer:
            if (value.typeId() == QMetaType::ULong || value.typeId() == QMetaType::ULongLong)
                return writeUnsigned(value.toULongLong(), depth);
            element(depth, "integer", QByteArray::number(value.toLongLong()));
            return true;
        case Kind::Real:
            element(depth, "real", realText(value.toDouble()));
            return true;
        case Kind::Date:
            return writeDate(value.toDateTime(), depth);
        case Kind::Other:
            break;
        }
        return refuse(QStringLiteral("a value of type %1 cannot go into a property list")
                          .arg(QString::fromLatin1(value.metaType().name() ? value.metaType().name() : "invalid")));
    }

    bool writeUnsigned(qulonglong value, int depth)
    {
        if (value > qulonglong(std::numeric_limits<qlonglong>::max()))
            return refuse(QStringLiteral("the integer %1 is too large").arg(value));
        element(depth, "integer", QByteArray::number(value));
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
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", day.year(), day.month(), day.day(),
                      time.hour(), time.minute(), time.second());
        element(depth, "date", QByteArray(text));
        return true;
    }

    bool writeDict(const QVariantMap& dict, int depth)
    {
        if (dict.isEmpty()) {
            line(depth, "<dict/>");
            return true;
        }
        line(depth, "<dict>");
        for (auto it = dict.cbegin(); it != dict.cend(); ++it) {
            textElement(depth + 1, "key", it.key());
            if (!writeValue(it.value(), depth + 1))
                return refuse(QStringLiteral("%1 (key \"%2\")").arg(m_error, it.key()));
        }
        line(depth, "</dict>");
        return true;
    }

    bool writeArray(const QVariantList& array, int depth)
    {
        if (array.isEmpty()) {
            line(depth, "<array/>");
            return true;
        }
        line(depth, "<array>");
        for (const QVariant& item : array) {
            if (!writeValue(item, depth + 1))
                return false;
        }
        line(depth, "</array>");
        return true;
    }

    QByteArray m_out;
    QString m_error;
};

// The text of a top-level key as our writer puts it on its own line.
QByteArray topLevelKeyLine(const QString& key)
{
    QByteArray out = TopLevelKeyHead;
    appendEscaped(out, key);
    out += KeyTail;
    return out;
}

// Undoes the escaping of appendEscaped(); nothing for any other entity.
std::optional<QString> unescapedKey(const QByteArray& text)
{
    if (!text.contains('&'))
        return QString::fromUtf8(text);
    QByteArray plain = text;
    plain.replace("&lt;", "<").replace("&gt;", ">").replace("&#13;", "\r");
    if (plain.replace("&amp;", "\x01").contains('&'))
        return std::nullopt;
    return QString::fromUtf8(plain.replace('\x01', '&'));
}

// A list this long (the app-group suite holds every item) is worth writing
// on the worker threads.
constexpr qsizetype LongListItems = 256;

// Hands the text of `value` as a value of a top-level dictionary to `take`
// in pieces, in order: the same bytes the writer gives. An item of a long
// list does not depend on the others, so long lists are written on the
// worker threads, a batch of items at a time, which keeps the memory of the
// pieces small beside the whole. Stops when `take` answers false. False
// when the value cannot be written (`error` says why) or `take` stopped.
bool serializeInPieces(const QVariant& value, const std::function<bool(QByteArrayView)>& take, QString* error)
{
    if (kindOf(value) != Kind::Array || value.toList().size() < LongListItems) {
        const QByteArray text = Writer().fragment(value, 1, error);
        return !text.isEmpty() && take(text);
    }
    constexpr qsizetype BatchItems = 32;
    const QVariantList items = value.toList();
    if (!take("\t<array>\n"))
        return false;
    for (qsizetype first = 0; first < items.size(); first += BatchItems) {
        const QList<QByteArray> texts = QtConcurrent::blockingMapped<QList<QByteArray>>(
            items.mid(first, BatchItems), [](const QVariant& item) { return Writer().fragment(item, 2, nullptr); });
        for (const QByteArray& text : texts) {
            if (text.isEmpty()) {  // refused: the writer says why
                Writer().fragment(items, 1, error);
                return false;
            }
            if (!take(text))
                return false;
        }
    }
    return take("\t</array>\n");
}

// Whether the text of `value` is the `length` stored bytes that `nextStored`
// hands out in order, as many at a time as it is asked for; nothing from it
// means they could not be read.
bool matchesInPieces(const QVariant& value, qsizetype length,
                     const std::function<std::optional<QByteArrayView>(qsizetype)>& nextStored)
{
    qsizetype compared = 0;
    const auto compare = [&](QByteArrayView piece) {
        if (length - compared < piece.size())
            return false;
        const std::optional<QByteArrayView> stored = nextStored(piece.size());
        if (!stored || *stored != piece)
            return false;
        compared += piece.size();
        return true;
    };
    return serializeInPieces(value, compare, nullptr) && compared == length;
}

}  // namespace

// Files as writers lay them out are read over their bytes; the XML reader
// takes whatever else there is, and says what is wrong with it.
ReadResult parse(const QByteArray& xml)
{
    if (std::optional<QVariant> value = Quick::read(xml)) {
        ReadResult result;
        result.value = std::move(*value);
        return result;
    }
    return Parser(xml).run();
}

namespace {

// Each thread reads its files into one buffer of its own, kept from file to
// file: no copy through a device buffer, and no fresh allocation per file.
// A buffer grown by an unusually large file is given back after it.
constexpr qsizetype KeptBufferBytes = 1 << 20;
thread_local QByteArray fileBuffer;

// The whole file into fileBuffer, read until its end even if it grew since
// its size was taken.
bool readWhole(QFile& file)
{
    qsizetype filled = 0;
    fileBuffer.resize(std::max<qsizetype>(file.size() + 1, 4096));
    for (;;) {
        if (filled == fileBuffer.size())
            fileBuffer.resize(fileBuffer.size() * 2);
        const qint64 count = file.read(fileBuffer.data() + filled, fileBuffer.size() - filled);
        if (count < 0)
            return false;
        if (count == 0)
            break;
        filled += count;
    }
    fileBuffer.truncate(filled);
    return true;
}

}  // namespace

ReadResult read(const QString& path)
{
    ReadResult result;
    QFile file(path);
    if (!file.exists()) {
        result.status = Status::NotFound;
        result.error = QStringLiteral("%1 does not exist").arg(path);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        result.status = Status::Unreadable;
        result.error = QStringLiteral("Could not open %1: %2").arg(path, file.errorString());
        return result;
    }
    if (!readWhole(file)) {
        result.status = Status::Unreadable;
        result.error = QStringLiteral("Could not read %1: %2").arg(path, file.errorString());
    } else if (std::optional<QVariant> value = Quick::read(fileBuffer)) {
        result.value = std::move(*value);
    } else {
        result = Parser(QByteArray(fileBuffer.constData(), fileBuffer.size())).run();
        if (!result.ok())
            result.error = QStringLiteral("%1: %2").arg(path, result.error);
    }
    if (fileBuffer.capacity() > KeptBufferBytes)
        fileBuffer = QByteArray();
    return result;
}

QByteArray serialize(const QVariant& value, QString* error)
{
    return Writer().document(value, error);
}

QByteArray serializeDictionaryValue(const QVariant& value, QString* error)
{
    QByteArray text;
    const auto append = [&text](QByteArrayView piece) {
        text += piece;
        return true;
    };
    return serializeInPieces(value, append, error) ? text : QByteArray();
}

bool isSerializedDictionaryValue(const QVariant& value, QByteArrayView text)
{
    qsizetype compared = 0;
    const auto nextStored = [&text, &compared](qsizetype size) {
        const QByteArrayView stored = text.sliced(compared, size);
        compared += size;
        return std::optional<QByteArrayView>(stored);
    };
    return matchesInPieces(value, text.size(), nextStored);
}

bool isSerializedDictionaryValue(const QVariant& value, QIODevice& device, qsizetype length)
{
    QByteArray buffer;
    const auto nextStored = [&device, &buffer](qsizetype size) -> std::optional<QByteArrayView> {
        buffer.resize(size);
        if (device.read(buffer.data(), size) != size)
            return std::nullopt;
        return QByteArrayView(buffer);
    };
    return matchesInPieces(value, length, nextStored);
}

QByteArray assembleDictionary(const Fragments& fragments, QList<FragmentSpan>* spans)
{
    if (spans)
        spans->clear();
    if (fragments.isEmpty())
        return DocumentHead + EmptyDictionary + DocumentTail;
    qsizetype size = DocumentHead.size() + DictionaryHead.size() + DictionaryTail.size() + DocumentTail.size();
    for (auto it = fragments.cbegin(); it != fragments.cend(); ++it)
        size += it.key().size() * 3 + TopLevelKeyHead.size() + KeyTail.size() + it.value().size();
    QByteArray out;
    out.reserve(size);
    out += DocumentHead;
    out += DictionaryHead;
    for (auto it = fragments.cbegin(); it != fragments.cend(); ++it) {
        out += topLevelKeyLine(it.key());
        if (spans)
            spans->append({it.key(), out.size(), it.value().size()});
        out += it.value();
    }
    out += DictionaryTail;
    out += DocumentTail;
    return out;
}

namespace {

// Whether a comment, a CDATA section, a document type or a processing
// instruction stands in the text: our writer writes none, and their content
// could look like lines of our layout.
bool holdsMarkupDeclaration(QByteArrayView text)
{
    for (qsizetype at = text.indexOf('<'); at >= 0 && at + 1 < text.size(); at = text.indexOf('<', at + 1)) {
        if (text[at + 1] == '!' || text[at + 1] == '?')
            return true;
    }
    return false;
}

// Whether `text`, running from a top-level value's first line up to where
// the next line at depth 1 begins, is exactly one value as our writer lays
// it out: a container opened and closed on lines of their own with every
// line between deeper, or an element on one line whose text holds no "<"
// (our writer escapes every one).
qsizetype oneTopLevelValueLength(QByteArrayView rest)
{
    const qsizetype next = rest.indexOf("\n\t<");
    for (const QByteArrayView container : {QByteArrayView("dict"), QByteArrayView("array")}) {
        const QByteArray open = "\t<" + container.toByteArray() + ">\n";
        if (!rest.startsWith(open))
            continue;
        const QByteArray close = "\n\t</" + container.toByteArray() + ">\n";
        if (next < 0 || !rest.sliced(next).startsWith(close))
            return -1;
        const QByteArrayView value = rest.first(next + close.size());
        return holdsMarkupDeclaration(value) ? -1 : value.size();
    }
    const QByteArrayView value = rest.first(next < 0 ? rest.size() : next + 1);
    if (!value.startsWith("\t<") || !value.endsWith(">\n"))
        return -1;
    const QByteArrayView element = value.sliced(1, value.size() - 2);
    const qsizetype tagEnd = element.indexOf('>');
    if (element.endsWith("/>"))
        return tagEnd == element.size() - 1 ? value.size() : -1;
    const QByteArray closing = "</" + element.sliced(1, tagEnd - 1).toByteArray() + '>';
    if (closing.contains(' ') || !element.endsWith(closing) || element.size() < tagEnd + 1 + closing.size())
        return -1;
    const QByteArrayView text = element.sliced(tagEnd + 1, element.size() - tagEnd - 1 - closing.size());
    return text.contains('<') ? -1 : value.size();
}

}  // namespace

// Our writer puts each top-level key on a line that starts with one tab and
// every nested line deeper, escapes every "<" inside text and writes no
// comment or other declaration. A document that keeps to that layout is cut
// into its values at the lines of depth 1; any other (a hand edit that
// indents a nested key by one tab, a key our writer would write otherwise)
// is left to the XML reader, which reads it as it reads any document.
std::optional<QList<FragmentSpan>> dictionarySpans(QByteArrayView document)
{
    if (document == DocumentHead + EmptyDictionary + DocumentTail)
        return QList<FragmentSpan>();
    const QByteArray head = DocumentHead + DictionaryHead;
    const QByteArray tail = DictionaryTail + DocumentTail;
    if (!document.startsWith(head) || !document.endsWith(tail) || document.size() < head.size() + tail.size())
        return std::nullopt;
    const QByteArrayView body = document.first(document.size() - tail.size());
    QList<FragmentSpan> spans;
    QSet<QString> keys;
    qsizetype position = head.size();
    while (position < body.size()) {
        if (!body.sliced(position).startsWith(TopLevelKeyHead))
            return std::nullopt;
        const qsizetype keyStart = position + TopLevelKeyHead.size();
        const qsizetype keyEnd = body.indexOf(KeyTail, keyStart);
        if (keyEnd < 0)
            return std::nullopt;
        const qsizetype valueStart = keyEnd + KeyTail.size();
        const std::optional<QString> key = unescapedKey(body.sliced(keyStart, keyEnd - keyStart).toByteArray());
        // The key line must be the very bytes our writer makes of the key:
        // bytes that are not UTF-8, or markup, would be renamed on the next save.
        if (!key || key->contains(u'\n')
            || QByteArrayView(topLevelKeyLine(*key)) != body.sliced(position, valueStart - position)
            || keys.contains(*key))
            return std::nullopt;
        keys.insert(*key);
        const qsizetype valueLength = oneTopLevelValueLength(body.sliced(valueStart));
        if (valueLength <= 0)
            return std::nullopt;
        spans.append({*key, valueStart, valueLength});
        position = valueStart + valueLength;
    }
    return spans;
}

namespace {

// The XML reader counts its offsets in UTF-16 units of the text it decoded;
// this turns them into offsets in the UTF-8 bytes, asked in increasing order.
class Utf8Offsets
{
public:
    explicit Utf8Offsets(QByteArrayView bytes) : m_bytes(bytes)
    {
        if (bytes.startsWith("\xEF\xBB\xBF"))  // the reader leaves a byte-order mark out
            m_byte = 3;
    }

    qsizetype byteOffset(qint64 unitOffset)
    {
        while (m_unit < unitOffset && m_byte < m_bytes.size()) {
            const uchar lead = uchar(m_bytes[m_byte]);
            const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            m_byte += length;
            m_unit += length == 4 ? 2 : 1;  // a surrogate pair
        }
        return m_byte;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_byte = 0;
    qint64 m_unit = 0;
};

// Moves to the next child element of the current one, through white space,
// comments and a document type that declares nothing; false at the end of
// the current element, on other content or on an error.
bool nextChildElement(QXmlStreamReader& xml)
{
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            return true;
        case QXmlStreamReader::Characters:
            if (!xml.isWhitespace())
                xml.raiseError(QStringLiteral("unexpected text"));
            break;
        case QXmlStreamReader::DTD:
            if (xml.text().contains(u'[') || !xml.entityDeclarations().isEmpty())
                xml.raiseError(QStringLiteral("the document declares entities of its own"));
            break;
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        case QXmlStreamReader::EndElement:
            return false;
        default:
            xml.raiseError(QStringLiteral("unexpected XML content"));
            return false;
        }
    }
    return false;
}

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

}  // namespace

std::optional<QList<FragmentSpan>> looseDictionarySpans(QByteArrayView document)
{
    if (!isUtf8(document))
        return std::nullopt;
    QXmlStreamReader xml(document.toByteArray());
    Utf8Offsets offsets(document);
    if (!nextChildElement(xml) || xml.name() != u"plist" || !nextChildElement(xml) || xml.name() != u"dict")
        return std::nullopt;
    QList<FragmentSpan> spans;
    while (nextChildElement(xml)) {
        if (xml.name() != u"key")
            return std::nullopt;
        const QString key = xml.readElementText();
        const qsizetype start = offsets.byteOffset(xml.characterOffset());
        if (!nextChildElement(xml))
            return std::nullopt;
        xml.skipCurrentElement();
        spans.append({key, start, offsets.byteOffset(xml.characterOffset()) - start});
    }
    if (nextChildElement(xml))  // <plist> holds one value
        return std::nullopt;
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        return std::nullopt;
    return spans;
}

ReadResult parseDictionaryValue(const QByteArray& fragment)
{
    return parse("<plist>" + fragment + "</plist>");
}

bool isWellFormedDictionaryValue(const QByteArray& fragment)
{
    QXmlStreamReader xml("<plist>" + fragment + "</plist>");
    while (!xml.atEnd())
        xml.readNext();
    return !xml.hasError();
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

bool sameValue(const QVariant& a, const QVariant& b)
{
    const Kind kind = kindOf(a);
    if (kind != kindOf(b))
        return false;
    switch (kind) {
    case Kind::Dictionary: {
        const QVariantMap left = a.toMap();
        const QVariantMap right = b.toMap();
        if (left.size() != right.size())
            return false;
        for (auto l = left.cbegin(), r = right.cbegin(); l != left.cend(); ++l, ++r) {
            if (l.key() != r.key() || !sameValue(l.value(), r.value()))
                return false;
        }
        return true;
    }
    case Kind::Array: {
        const QVariantList left = a.toList();
        const QVariantList right = b.toList();
        return std::equal(left.cbegin(), left.cend(), right.cbegin(), right.cend(), sameValue);
    }
    case Kind::String: return a.toString() == b.toString();
    case Kind::Data: return a.toByteArray() == b.toByteArray();
    case Kind::Boolean: return a.toBool() == b.toBool();
    case Kind::Integer:
        return a.typeId() == QMetaType::ULongLong || b.typeId() == QMetaType::ULongLong
                   ? a.toULongLong() == b.toULongLong() && a.toLongLong() == b.toLongLong()
                   : a.toLongLong() == b.toLongLong();
    case Kind::Real: {
        // Bit for bit, so that -0 and NaN are told apart as the file does.
        const double left = a.toDouble();
        const double right = b.toDouble();
        return std::memcmp(&left, &right, sizeof left) == 0;
    }
    case Kind::Date: return a.toDateTime().toSecsSinceEpoch() == b.toDateTime().toSecsSinceEpoch();
    case Kind::Other: return false;
    }
    return false;
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
