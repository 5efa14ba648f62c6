#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QVariant>

#include <optional>

// The reader for property lists as writers lay them out, straight over the
// bytes: our own files and those of other property-list writers, which is
// every file a load reads. It gives up, with nothing, on whatever it is not
// certain to read exactly as the full XML reader does (comments, a document
// type of another form, a raw carriage return, character data it would have
// to check further, anything malformed); PropertyList::parse() then hands the
// document to the full reader, which reads it or says what is wrong with it.
namespace PropertyList::Quick {

// The value of the document, or nothing to leave it to the full reader.
std::optional<QVariant> read(QByteArrayView xml);

// Shared with the full reader.
// Deeper trees than this are refused on both sides: reading a hostile file
// must not exhaust the stack, and anything we write must read back.
inline constexpr int MaxDepth = 512;
// "YYYY-MM-DDTHH:MM:SSZ", optionally with up to nine digits of a second after
// a point; invalid for anything else.
QDateTime dateOfText(QByteArrayView text);
// The bytes of base64 text that may hold white space; nothing when the text
// is not base64.
std::optional<QByteArray> dataOfText(QByteArrayView text);
// Whether XML 1.0 can carry the character at all.
bool isXmlCharacter(char32_t c);

}  // namespace PropertyList::Quick
