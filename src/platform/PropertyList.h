#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QDateTime>
#include <QIODevice>
#include <QMap>
#include <QString>
#include <QVariant>

#include <optional>

// XML property lists, read and written by our own codec.
//
// In memory a property list is a QVariant tree:
//   dict    -> QVariantMap        array   -> QVariantList
//   string  -> QString            data    -> QByteArray
//   integer -> qlonglong          real    -> double
//   boolean -> bool               date    -> QDateTime (UTC)
// Integers, reals and booleans stay apart across a round trip, reals are
// written so that they read back bit for bit, and dates cover the whole range
// the records use (distantPast() to distantFuture()).
namespace PropertyList {

enum class Status {
    Ok,
    NotFound,     // the file does not exist
    Unreadable,   // the file exists but could not be opened or read
    Malformed,    // the bytes are not a property list we understand
};

struct ReadResult {
    QVariant value;
    Status status = Status::Ok;
    QString error;  // human-readable detail for the log when status != Ok
    bool ok() const { return status == Status::Ok; }
};

// Parses XML property-list bytes.
ReadResult parse(const QByteArray& xml);
// Reads and parses a file; a missing file is Status::NotFound, not Malformed.
ReadResult read(const QString& path);

// Encodes a value as an XML property list. Values of other QVariant types
// are an error (empty result, `error` filled).
QByteArray serialize(const QVariant& value, QString* error = nullptr);
// A top-level dictionary held as the serialized text of each value, so that
// a large file can be rewritten without parsing or serializing again the
// values that did not change.
using Fragments = QMap<QString, QByteArray>;
// The text of `value` as a value of a top-level dictionary; empty on error.
QByteArray serializeDictionaryValue(const QVariant& value, QString* error = nullptr);
// Where the text of one top-level value stands in a dictionary document.
struct FragmentSpan {
    QString key;
    qsizetype start = 0;
    qsizetype length = 0;
};
// The document of the dictionary whose values have these texts: the same
// bytes that serialize() gives for the dictionary itself. `spans`, when
// given, is told where each value's text stands in it, in key order.
QByteArray assembleDictionary(const Fragments& fragments, QList<FragmentSpan>* spans = nullptr);
// Whether `text` is the text serializeDictionaryValue() gives for `value`;
// compared a piece at a time, without the whole text of the value.
bool isSerializedDictionaryValue(const QVariant& value, QByteArrayView text);
// The same for the `length` bytes that `device` reads from where it stands,
// read a piece at a time, never the whole text at once.
bool isSerializedDictionaryValue(const QVariant& value, QIODevice& device, qsizetype length);
// Where the text of each top-level value of a dictionary document laid out
// as our writer lays it out stands, in order; nothing for any other document
// (parse it instead).
std::optional<QList<FragmentSpan>> dictionarySpans(QByteArrayView document);
// Where the text of each top-level value of any well-formed dictionary
// document stands, in order, whatever its layout: from just after the
// value's key to the end of the value. Nothing for a document that is not
// well-formed UTF-8 XML with a dictionary at its root, or that declares
// entities of its own.
std::optional<QList<FragmentSpan>> looseDictionarySpans(QByteArrayView document);
// Parses the text of one value of a top-level dictionary.
ReadResult parseDictionaryValue(const QByteArray& fragment);
// Whether the text of one value of a top-level dictionary is well-formed
// XML, whether or not it holds a value that can be read (a date that does
// not exist is well-formed).
bool isWellFormedDictionaryValue(const QByteArray& fragment);

// Serializes and writes the file whole and atomically. Returns false (and
// leaves any existing file untouched) when anything fails.
bool write(const QString& path, const QVariant& value, QString* error = nullptr);

// True when both values would be stored as the same property list: integers,
// reals and booleans are three kinds that never equal one another, dates are
// compared to the second, lists and dictionaries element by element.
bool sameValue(const QVariant& a, const QVariant& b);

// The two sentinel dates of stored records.
QDateTime distantPast();    // 0001-01-01T00:00:00Z
QDateTime distantFuture();  // 4001-01-01T00:00:00Z

}  // namespace PropertyList
