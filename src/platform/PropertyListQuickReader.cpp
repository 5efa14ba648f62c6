#include "PropertyListQuickReader.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <QVariantList>
#include <QVariantMap>

#include <algorithm>
#include <cstring>
#include <deque>
#include <iterator>
#include <vector>

namespace PropertyList::Quick {

namespace {

constexpr QByteArrayView Declaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";
constexpr QByteArrayView DocumentType =
    R"(<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">)";
constexpr QByteArrayView RootWithVersion = R"(<plist version="1.0">)";
constexpr QByteArrayView Root = "<plist>";
constexpr QByteArrayView RootEnd = "</plist>";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Keys repeat in every file and in every payment: each thread keeps one
// string per key it has met, which all the records it reads share.
class KeyStrings
{
public:
    QString of(QByteArrayView utf8)
    {
        if (utf8.size() > MaxKeyBytes)
            return QString::fromUtf8(utf8);
        const auto known = m_keys.constFind(QByteArray::fromRawData(utf8.data(), utf8.size()));
        if (known != m_keys.cend())
            return *known;
        const QString key = QString::fromUtf8(utf8);
        if (m_keys.size() < MaxKeys)
            m_keys.insert(utf8.toByteArray(), key);
        return key;
    }

private:
    static constexpr qsizetype MaxKeyBytes = 64;
    static constexpr qsizetype MaxKeys = 4096;
    QHash<QByteArray, QString> m_keys;
};

thread_local KeyStrings keyStrings;
// One buffer per depth of nested arrays (a deque, so that the buffer of an
// outer array stays in place while an inner one adds a depth).
thread_local std::deque<std::vector<QVariant>> arrayItems;

void appendUtf8(QByteArray& out, char32_t c)
{
    const char32_t units[] = {c};
    out += QString::fromUcs4(units, 1).toUtf8();
}

class Reader
{
public:
    explicit Reader(QByteArrayView xml) : m_at(xml.data()), m_end(xml.data() + xml.size()) {}

    std::optional<QVariant> document()
    {
        if (take(Declaration))
            skipSpace();
        if (take(DocumentType))
            skipSpace();
        if (!take(RootWithVersion) && !take(Root))
            return std::nullopt;
        skipSpace();
        std::optional<QVariant> value = valueAt(1);
        skipSpace();
        if (!value || !take(RootEnd))
            return std::nullopt;
        skipSpace();
        return m_at == m_end ? value : std::nullopt;
    }

private:
    void skipSpace()
    {
        while (m_at < m_end && isSpace(*m_at))
            ++m_at;
    }

    bool take(QByteArrayView expected)
    {
        if (m_end - m_at < expected.size() || std::memcmp(m_at, expected.data(), expected.size()) != 0)
            return false;
        m_at += expected.size();
        return true;
    }

    // The element that starts here, with `depth` elements around it.
    std::optional<QVariant> valueAt(int depth)
    {
        if (depth > MaxDepth || !take("<"))
            return std::nullopt;
        const char* nameStart = m_at;
        while (m_at < m_end && *m_at >= 'a' && *m_at <= 'z')
            ++m_at;
        const QByteArrayView name(nameStart, m_at - nameStart);
        const bool empty = take("/>");
        if (!empty && !take(">"))
            return std::nullopt;
        if (name == "dict")
            return dictionary(depth, empty);
        if (name == "array")
            return array(depth, empty);
        if (name == "string")
            return empty ? std::optional<QVariant>(QString()) : string();
        if (name == "true" || name == "false")
            return boolean(name, empty);
        if (empty)
            return std::nullopt;
        if (name == "integer")
            return integer();
        if (name == "real")
            return real();
        if (name == "date")
            return date();
        if (name == "data")
            return data();
        return std::nullopt;
    }

    std::optional<QVariant> dictionary(int depth, bool empty)
    {
        QVariantMap dict;
        if (empty)
            return dict;
        for (;;) {
            skipSpace();
            if (take("</dict>"))
                return dict;
            if (!take("<key>") || !text("key"))
                return std::nullopt;
            const QString key = keyStrings.of(m_text);
            skipSpace();
            std::optional<QVariant> value = valueAt(depth + 1);
            if (!value)
                return std::nullopt;
            // Writers put the keys in order, so each goes in at the end; a
            // later duplicate replaces the earlier value.
            dict.insert(dict.cend(), key, std::move(*value));
        }
    }

    // The elements gather in this thread's buffer for the depth, so that the
    // list is allocated once, at its size, instead of growing step by step.
    std::optional<QVariant> array(int depth, bool empty)
    {
        if (empty)
            return QVariantList();
        if (qsizetype(arrayItems.size()) <= depth)
            arrayItems.resize(depth + 1);
        std::vector<QVariant>& items = arrayItems[depth];
        items.clear();
        for (;;) {
            skipSpace();
            if (take("</array>")) {
                QVariantList list(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
                items.clear();
                return list;
            }
            std::optional<QVariant> value = valueAt(depth + 1);
            if (!value)
                return std::nullopt;
            items.push_back(std::move(*value));
        }
    }

    // Stamps and ids repeat within a file (every field a change stamped
    // carries its stamp): each text of that length is held once per file.
    std::optional<QVariant> string()
    {
        if (!text("string"))
            return std::nullopt;
        if (m_text.size() < SharedStringBytes || !m_textInDocument)
            return QString::fromUtf8(m_text);
        QString& held = m_sharedStrings[m_text];
        if (held.isNull())
            held = QString::fromUtf8(m_text);
        return held;
    }

    std::optional<QVariant> boolean(QByteArrayView name, bool empty)
    {
        if (!empty && (!text(name) || !m_text.trimmed().isEmpty()))
            return std::nullopt;
        return name == "true";
    }

    std::optional<QVariant> integer()
    {
        if (!text("integer"))
            return std::nullopt;
        bool ok = false;
        const qlonglong value = asUtf16(m_text.trimmed()).toLongLong(&ok, 10);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }

    // The names of the special values (nan, infinity) are left to the full
    // reader.
    std::optional<QVariant> real()
    {
        if (!text("real"))
            return std::nullopt;
        const QByteArrayView number = m_text.trimmed();
        const auto isOtherLetter = [](char c) { return c != 'e' && c != 'E' && ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'); };
        if (std::any_of(number.begin(), number.end(), isOtherLetter))
            return std::nullopt;
        bool ok = false;
        const double value = asUtf16(number).toDouble(&ok);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }

    std::optional<QVariant> date()
    {
        if (!text("date"))
            return std::nullopt;
        const QDateTime value = dateOfText(m_text.trimmed());
        return value.isValid() ? std::optional<QVariant>(value) : std::nullopt;
    }

    std::optional<QVariant> data()
    {
        if (!text("data"))
            return std::nullopt;
        const std::optional<QByteArray> value = dataOfText(m_text);
        return value ? std::optional<QVariant>(*value) : std::nullopt;
    }

    // The numbers are read by the same conversions as the full reader's,
    // from a copy on the stack; long numbers and other characters than ASCII
    // (which only the full reader trims as white space) are left to it.
    QStringView asUtf16(QByteArrayView ascii)
    {
        const auto isAscii = [](char c) { return uchar(c) < 0x80; };
        if (ascii.size() > qsizetype(std::size(m_number)) || !std::all_of(ascii.begin(), ascii.end(), isAscii))
            return {};
        std::copy(ascii.begin(), ascii.end(), m_number);
        return QStringView(m_number, ascii.size());
    }

    // Reads the character data of the leaf element `name` and its end tag
    // into m_text, as UTF-8 with the references resolved. False for markup
    // inside, a raw carriage return (XML would make it a line feed), other
    // control characters, "]]>", bytes that are not UTF-8 of characters XML
    // carries, and unknown references.
    bool text(QByteArrayView name)
    {
        const char* end = static_cast<const char*>(std::memchr(m_at, '<', m_end - m_at));
        if (!end)
            return false;
        const QByteArrayView raw(m_at, end - m_at);
        m_at = end;
        if (!take("</") || !take(name) || !take(">"))
            return false;
        bool references = false;
        bool wide = false;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const uchar c = uchar(raw[i]);
            if (c == '&')
                references = true;
            else if (c >= 0x80)
                wide = true;
            else if ((c < 0x20 && c != '\t' && c != '\n') || (c == ']' && raw.sliced(i).startsWith("]]>")))
                return false;
        }
        if (wide && !carriesOnlyXmlCharacters(raw))
            return false;
        m_textInDocument = !references;
        if (!references) {
            m_text = raw;
            return true;
        }
        return resolveReferences(raw);
    }

    // Valid UTF-8 of characters other than surrogates and U+FFFE/U+FFFF.
    static bool carriesOnlyXmlCharacters(QByteArrayView utf8)
    {
        if (!utf8.isValidUtf8())
            return false;
        for (qsizetype i = 0; i + 1 < utf8.size(); ++i) {
            const uchar c = uchar(utf8[i]);
            const uchar next = uchar(utf8[i + 1]);
            if ((c == 0xED && next >= 0xA0) || (c == 0xEF && next == 0xBF && i + 2 < utf8.size() && uchar(utf8[i + 2]) >= 0xBE))
                return false;
        }
        return true;
    }

    bool resolveReferences(QByteArrayView raw)
    {
        m_resolved.clear();
        qsizetype i = 0;
        while (i < raw.size()) {
            const qsizetype ampersand = raw.indexOf('&', i);
            if (ampersand < 0) {
                m_resolved += raw.sliced(i);
                break;
            }
            m_resolved += raw.sliced(i, ampersand - i);
            const qsizetype semicolon = raw.indexOf(';', ampersand);
            if (semicolon < 0 || !appendReference(raw.sliced(ampersand + 1, semicolon - ampersand - 1)))
                return false;
            i = semicolon + 1;
        }
        m_text = m_resolved;
        return true;
    }

    bool appendReference(QByteArrayView reference)
    {
        static const std::pair<QByteArrayView, char> predefined[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& [entity, character] : predefined) {
            if (reference == entity) {
                m_resolved += character;
                return true;
            }
        }
        if (!reference.startsWith('#') || reference.size() < 2 || reference.size() > 9)
            return false;
        const bool hex = reference.at(1) == 'x';
        const QByteArrayView digits = reference.sliced(hex ? 2 : 1);
        const auto isDigit = [hex](char c) {
            return (c >= '0' && c <= '9') || (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f');
        };
        if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
            return false;
        bool ok = false;
        const uint code = digits.toUInt(&ok, hex ? 16 : 10);
        if (!ok || !isXmlCharacter(code))
            return false;
        appendUtf8(m_resolved, code);
        return true;
    }

    static constexpr qsizetype SharedStringBytes = 24;

    const char* m_at;
    const char* m_end;
    QByteArrayView m_text;
    // Whether m_text stands in the document (which outlives the reader),
    // not in m_resolved.
    bool m_textInDocument = false;
    QHash<QByteArrayView, QString> m_sharedStrings;
    QByteArray m_resolved;
    char16_t m_number[64];
};

}  // namespace

std::optional<QVariant> read(QByteArrayView xml)
{
    return Reader(xml).document();
}

QDateTime dateOfText(QByteArrayView text)
{
    const auto digits = [&text](qsizetype from, qsizetype count) {
        int value = 0;
        for (qsizetype i = from; i < from + count; ++i) {
            if (i >= text.size() || text[i] < '0' || text[i] > '9')
                return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto at = [&text](qsizetype i, char c) { return i < text.size() && text[i] == c; };
    if (!at(4, '-') || !at(7, '-') || !at(10, 'T') || !at(13, ':') || !at(16, ':'))
        return {};
    const int fields[] = {digits(0, 4), digits(5, 2), digits(8, 2), digits(11, 2), digits(14, 2), digits(17, 2)};
    if (std::any_of(std::begin(fields), std::end(fields), [](int field) { return field < 0; }))
        return {};
    qsizetype end = 19;
    int msec = 0;
    if (at(end, '.')) {
        qsizetype fraction = 0;
        while (digits(end + 1 + fraction, 1) >= 0)
            ++fraction;
        if (fraction < 1 || fraction > 9)
            return {};
        for (qsizetype i = 0; i < 3; ++i)
            msec = msec * 10 + (i < fraction ? digits(end + 1 + i, 1) : 0);
        end += 1 + fraction;
    }
    if (!at(end, 'Z') || end + 1 != text.size())
        return {};
    // A day or a time that does not exist ("T24:00:00Z") is no date: Qt
    // would read an invalid time as midnight.
    if (!QDate::isValid(fields[0], fields[1], fields[2]) || !QTime::isValid(fields[3], fields[4], fields[5], msec))
        return {};
    return QDateTime(QDate(fields[0], fields[1], fields[2]), QTime(fields[3], fields[4], fields[5], msec), Qt::UTC);
}

std::optional<QByteArray> dataOfText(QByteArrayView text)
{
    QByteArray base64;
    base64.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            base64 += c;
    }
    auto decoded = QByteArray::fromBase64Encoding(std::move(base64), QByteArray::Base64Encoding
                                                                      | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return std::move(*decoded);
}

bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace PropertyList::Quick
