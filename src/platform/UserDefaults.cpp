#include "UserDefaults.h"

#include "AtomicFile.h"
#include "Log.h"
#include "PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QtConcurrent/QtConcurrentRun>
#include <QStandardPaths>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

bool isInteger(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool isReal(const QVariant& value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

// Truncates toward zero like a C cast, but without the undefined behaviour of
// casting NaN or an out-of-range double.
qlonglong truncatedInteger(double value)
{
    constexpr double limit = 9223372036854775808.0;  // 2^63
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return std::numeric_limits<qlonglong>::max();
    if (value < -limit)
        return std::numeric_limits<qlonglong>::min();
    return static_cast<qlonglong>(value);
}

}  // namespace

QString UserDefaults::standardPath(const QString& folder)
{
    return folder + QStringLiteral("/Orvane.plist");
}

QString UserDefaults::suitePath(const QString& folder, const QString& suiteName)
{
    return folder + u'/' + suiteName + QStringLiteral(".plist");
}

QString UserDefaults::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Orvane");
}

UserDefaults::UserDefaults(const QString& path) : m_path(path)
{
}

void UserDefaults::startLoading()
{
    if (!m_loaded && !m_loading.isValid())
        m_loading = QtConcurrent::run(&UserDefaults::readFile, m_path);
}

// The file is mapped, not copied: the app-group suite runs to tens of
// megabytes, and its pages stop counting once it is unmapped.
UserDefaults::FileContents UserDefaults::readFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    struct stat status {};
    if (!file.open(QIODevice::ReadOnly) || ::fstat(file.handle(), &status) != 0)
        return {FileState::Unreadable, FileStamp::of(path), {}, file.errorString()};
    uchar* mapped = status.st_size > 0 ? file.map(0, status.st_size) : nullptr;
    if (status.st_size > 0 && !mapped)
        return {FileState::Unreadable, FileStamp::of(status), {}, file.errorString()};
    FileContents contents =
        contentsOf(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), status.st_size), FileStamp::of(status));
    file.unmap(mapped);
    return contents;
}

// Files of our own layout are only split into the texts of their values;
// any other dictionary is split as the XML reader finds it and parsed value
// by value.
UserDefaults::FileContents UserDefaults::contentsOf(const QByteArray& bytes, const Stamp& stamp)
{
    FileContents contents{FileState::Readable, stamp, {}, {}};
    if (const std::optional<QList<PropertyList::FragmentSpan>> spans = PropertyList::dictionarySpans(bytes)) {
        takeTexts(bytes, stamp, *spans, &contents.stored);
        return contents;
    }
    if (const std::optional<QList<PropertyList::FragmentSpan>> spans = PropertyList::looseDictionarySpans(bytes)) {
        takeLooseValues(bytes, *spans, &contents.stored);
        return contents;
    }
    const PropertyList::ReadResult result = PropertyList::parse(bytes);
    contents.state = FileState::Unreadable;
    contents.problem = result.ok() ? QStringLiteral("not a dictionary") : result.error;
    return contents;
}

// Values that read are kept as values, written in our layout at the next
// save; one that does not keeps its text, which is parsed (and reported)
// again when it is read and written back as it stands.
void UserDefaults::takeLooseValues(QByteArrayView file, const QList<PropertyList::FragmentSpan>& spans,
                                   QMap<QString, Slot>* found)
{
    for (const PropertyList::FragmentSpan& span : spans) {
        const QByteArray text = file.sliced(span.start, span.length).toByteArray();
        const PropertyList::ReadResult result = PropertyList::parseDictionaryValue(text);
        if (result.ok())
            found->insert(span.key, Slot{QByteArray(), std::nullopt, result.value, true});
        else
            found->insert(span.key, Slot{'\t' + text.trimmed() + '\n', std::nullopt, QVariant(), false});
    }
}

// Short texts are copied out of the file; long ones (the app-group suite's
// bills) are left where they stand in it.
void UserDefaults::takeTexts(QByteArrayView file, const Stamp& stamp,
                             const QList<PropertyList::FragmentSpan>& spans, QMap<QString, Slot>* found)
{
    for (const PropertyList::FragmentSpan& span : spans) {
        Slot slot;
        if (span.length >= LongTextBytes)
            slot.inFile = FileSpan{stamp, span.start, span.length};
        else
            slot.text = file.sliced(span.start, span.length).toByteArray();
        found->insert(span.key, slot);
    }
}

void UserDefaults::logUnreadable(const FileContents& contents) const
{
    if (contents.state == FileState::Unreadable)
        Log::line(QStringLiteral("Defaults file %1 is unreadable (%2); leaving it untouched").arg(m_path, contents.problem));
}

// Opens the file at the text of `span`, if it is still the file the span
// was found in: one put in its place since holds other bytes there.
bool UserDefaults::openAtSpan(QFile& file, const FileSpan& span) const
{
    struct stat status {};
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && ::fstat(file.handle(), &status) == 0
           && FileStamp::of(status) == span.stamp && file.seek(span.start);
}

std::optional<QByteArray> UserDefaults::textInFile(const FileSpan& span) const
{
    QFile file(m_path);
    if (!openAtSpan(file, span))
        return std::nullopt;
    QByteArray text = file.read(span.length);
    if (text.size() != span.length)
        return std::nullopt;
    return text;
}

// A text left in the file is compared with the file a piece at a time; a
// file replaced since holds no text of this process to compare with.
bool UserDefaults::isStoredText(const Slot& slot, const QVariant& value) const
{
    if (!slot.inFile)
        return PropertyList::isSerializedDictionaryValue(value, slot.text);
    QFile file(m_path);
    return openAtSpan(file, *slot.inFile) && PropertyList::isSerializedDictionaryValue(value, file, slot.inFile->length);
}

bool UserDefaults::isLeftInReplacedFile(const Slot& slot) const
{
    return slot.inFile && FileStamp::of(m_path) != slot.inFile->stamp;
}

void UserDefaults::ensureLoaded() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    FileContents contents = m_loading.isValid() ? m_loading.takeResult() : readFile(m_path);
    m_loading = {};
    logUnreadable(contents);
    m_stamp = contents.stamp;
    m_fileUnreadable = contents.state == FileState::Unreadable;
    m_slots = std::move(contents.stored);
}

const QVariant& UserDefaults::parsedValue(const QString& key, Slot& slot) const
{
    if (slot.parsed)
        return slot.value;
    slot.parsed = true;
    const std::optional<QByteArray> text = slot.inFile ? textInFile(*slot.inFile) : slot.text;
    PropertyList::ReadResult result;
    if (text) {
        result = PropertyList::parseDictionaryValue(*text);
    } else {
        result.status = PropertyList::Status::Unreadable;
        result.error = QStringLiteral("the file changed under it");
    }
    if (result.ok()) {
        slot.value = result.value;
    } else if (text && PropertyList::isWellFormedDictionaryValue(*text)) {
        slot.unreadable = true;
        reportUnreadableValue(key, result.error);
    } else {
        // Bytes that are no XML where a value stood: the file was spoiled
        // under it. Keep the file as it is rather than write them back.
        m_fileUnreadable = true;
        Log::line(QStringLiteral("Default \"%1\" in %2 is unreadable (%3); leaving the file untouched")
                      .arg(key, m_path, result.error));
    }
    return slot.value;
}

namespace {

struct UnreadableValues {
    QMutex mutex;
    QSet<QString> told;  // path and key of each value told of
    UserDefaults::UnreadableValueListener listener;
};

UnreadableValues& unreadableValues()
{
    static UnreadableValues values;
    return values;
}

}  // namespace

void UserDefaults::setUnreadableValueListener(UnreadableValueListener listener)
{
    UnreadableValues& values = unreadableValues();
    const QMutexLocker lock(&values.mutex);
    values.listener = std::move(listener);
}

// Every object of the file, on any thread, finds the same value again: it
// is told of once a run.
void UserDefaults::reportUnreadableValue(const QString& key, const QString& error) const
{
    UnreadableValueListener listener;
    {
        UnreadableValues& values = unreadableValues();
        const QMutexLocker lock(&values.mutex);
        const QString told = m_path + u'\n' + key;
        if (values.told.contains(told))
            return;
        values.told.insert(told);
        listener = values.listener;
    }
    Log::line(QStringLiteral("Default \"%1\" in %2 cannot be read (%3); it reads as unset and stays in the file as it is")
                  .arg(key, m_path, error));
    if (listener)
        listener(key, m_path);
}

void UserDefaults::registerDefaults(const QVariantMap& registered)
{
    for (auto it = registered.cbegin(); it != registered.cend(); ++it)
        m_registered.insert(it.key(), it.value());
}

// Another process may have rewritten the file since a long text was found
// in it: the text then stands elsewhere in the new file, if anywhere.
UserDefaults::Slot* UserDefaults::storedSlot(const QString& key) const
{
    ensureLoaded();
    auto stored = m_slots.find(key);
    if (stored != m_slots.end() && !stored->parsed && isLeftInReplacedFile(*stored)) {
        takeInChangesOnDisk();
        stored = m_slots.find(key);
    }
    return stored != m_slots.end() ? &*stored : nullptr;
}

QVariant UserDefaults::objectForKey(const QString& key) const
{
    if (Slot* stored = storedSlot(key)) {
        const QVariant& value = parsedValue(key, *stored);
        if (!stored->unreadable)
            return value;
    }
    return m_registered.value(key);
}

bool UserDefaults::boolForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isInteger(value))
        return value.toLongLong() != 0;
    if (isReal(value))
        return value.toDouble() != 0.0;
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        return text.compare(u"YES", Qt::CaseInsensitive) == 0
               || text.compare(u"true", Qt::CaseInsensitive) == 0 || text == u"1";
    }
    return false;
}

qlonglong UserDefaults::integerForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::Bool || isInteger(value))
        return value.toLongLong();
    if (isReal(value))
        return truncatedInteger(value.toDouble());
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        bool ok = false;
        const qlonglong integer = text.toLongLong(&ok);
        if (ok)
            return integer;
        const double real = text.toDouble(&ok);
        return ok ? truncatedInteger(real) : 0;
    }
    return 0;
}

QString UserDefaults::stringForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (isInteger(value))
        return QString::number(value.toLongLong());
    if (isReal(value))
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return {};
}

QDateTime UserDefaults::dateForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    return value.typeId() == QMetaType::QDateTime ? value.toDateTime() : QDateTime();
}

QVariantList UserDefaults::arrayForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList)
        return value.toList();
    return {};
}

UserDefaults UserDefaults::detachedCopy() const
{
    UserDefaults copy{QString()};
    copy.m_registered = m_registered;
    copy.m_loaded = true;
    // Unreadable, it writes nothing; the values read stay as they are.
    copy.m_fileUnreadable = true;
    ensureLoaded();
    for (auto slot = m_slots.begin(); slot != m_slots.end(); ++slot) {
        const QVariant& value = parsedValue(slot.key(), *slot);
        if (!slot->unreadable)
            copy.m_slots.insert(slot.key(), Slot{QByteArray(), std::nullopt, value, true});
    }
    return copy;
}

UserDefaults UserDefaults::sharingWhatWasRead() const
{
    UserDefaults other(m_path);
    other.m_registered = m_registered;
    // Nothing read yet is not waited for here: the other object reads the
    // file on its own thread.
    if (!m_loaded || !m_changed.isEmpty() || m_fileUnreadable)
        return other;
    other.m_loaded = true;
    other.m_stamp = m_stamp;
    // Long texts are only places in the file, checked against its stamp
    // before use; the rest is shared until either object changes it.
    other.m_slots = m_slots;
    return other;
}

// A value that cannot be read counts as unset.
bool UserDefaults::hasStoredValue(const QString& key) const
{
    Slot* const stored = storedSlot(key);
    if (!stored)
        return false;
    parsedValue(key, *stored);
    return !stored->unreadable;
}

// A value equal to the saved one is not written again. Values known to this
// process are compared as values, kind by kind; one only read from the file
// as text is compared with that text, which our writer makes the same for
// equal values, a piece at a time (the app-group suite's bills run to many
// megabytes, compared with the file itself), and is known as a value from
// then on.
bool UserDefaults::setObject(const QString& key, const QVariant& value)
{
    if (!value.isValid())
        return removeObject(key);
    Slot* const stored = storedSlot(key);
    const bool saved = stored && !m_changed.contains(key);
    if (saved && stored->parsed && PropertyList::sameValue(stored->value, value))
        return true;
    if (saved && !stored->parsed && isStoredText(*stored, value)) {
        stored->value = value;
        stored->parsed = true;
        return true;
    }
    // A value the file cannot hold is refused up front; kept in memory it
    // would make every later write of this file fail.
    QString error;
    const QByteArray text = PropertyList::serializeDictionaryValue(value, &error);
    if (text.isEmpty()) {
        Log::line(QStringLiteral("Default \"%1\" not stored: %2").arg(key, error));
        return false;
    }
    m_slots.insert(key, Slot{text, std::nullopt, value, true});
    m_changed.insert(key);
    return save();
}

bool UserDefaults::setBool(const QString& key, bool value)
{
    return setObject(key, value);
}

bool UserDefaults::setInteger(const QString& key, qlonglong value)
{
    return setObject(key, value);
}

bool UserDefaults::removeObject(const QString& key)
{
    ensureLoaded();
    if (!m_fileUnreadable && !m_slots.contains(key) && !m_changed.contains(key))
        return true;
    m_slots.remove(key);
    m_changed.insert(key);
    return save();
}

bool UserDefaults::synchronize()
{
    ensureLoaded();
    return save();
}

// What another process saved since this one last read or wrote the file is
// taken in under this process's own changes. False while the file on disk
// cannot be read.
bool UserDefaults::takeInChangesOnDisk() const
{
    if (FileStamp::of(m_path) == m_stamp)
        return !m_fileUnreadable;
    FileContents found = readFile(m_path);
    m_stamp = found.stamp;
    if (found.state == FileState::Unreadable) {
        logUnreadable(found);
        m_fileUnreadable = true;
        return false;
    }
    for (const QString& key : std::as_const(m_changed)) {
        const auto mine = m_slots.constFind(key);
        if (mine == m_slots.cend())
            found.stored.remove(key);
        else
            found.stored.insert(key, *mine);
    }
    m_slots = std::move(found.stored);
    m_fileUnreadable = false;
    return true;
}

// The document of all stored values; long texts left in the file are read
// from it again. Nothing when one of them cannot be.
std::optional<QByteArray> UserDefaults::documentToSave(QList<PropertyList::FragmentSpan>* spans)
{
    PropertyList::Fragments fragments;
    for (auto it = m_slots.begin(); it != m_slots.end(); ++it) {
        if (!it->inFile && it->text.isEmpty())
            it->text = PropertyList::serializeDictionaryValue(it->value);
        const std::optional<QByteArray> text = it->inFile ? textInFile(*it->inFile) : it->text;
        if (!text) {
            Log::line(QStringLiteral("Default \"%1\" could not be read back from %2; not overwriting it")
                          .arg(it.key(), m_path));
            return std::nullopt;
        }
        fragments.insert(it.key(), *text);
    }
    return PropertyList::assembleDictionary(fragments, spans);
}

// Once written, long texts are let go again: they stand in the new file.
void UserDefaults::leaveLongTextsIn(const Stamp& stamp, const QList<PropertyList::FragmentSpan>& spans)
{
    for (const PropertyList::FragmentSpan& span : spans) {
        if (span.length < LongTextBytes)
            continue;
        Slot& slot = m_slots[span.key];
        slot.text = QByteArray();
        slot.inFile = FileSpan{stamp, span.start, span.length};
    }
}

// Two objects of one file may live in one process, on different threads
// (the app-group suite's export is written on a worker): their saves take
// turns, so that neither writes over what the other has just saved without
// reading it first.
QMutex& UserDefaults::saveTurnOf(const QString& path)
{
    static QMutex turns;
    static std::map<QString, QMutex> ofPath;
    const QMutexLocker lock(&turns);
    return ofPath[QFileInfo(path).absoluteFilePath()];
}

bool UserDefaults::save()
{
    const QMutexLocker turn(&saveTurnOf(m_path));
    if (!takeInChangesOnDisk()) {
        Log::line(QStringLiteral("Defaults file %1 is still unreadable; not overwriting it").arg(m_path));
        return false;
    }
    QList<PropertyList::FragmentSpan> spans;
    const std::optional<QByteArray> document = documentToSave(&spans);
    if (!document)
        return false;
    QString error;
    struct stat written {};
    const bool saved = QDir().mkpath(QFileInfo(m_path).absolutePath())
                       && AtomicFile::write(m_path, *document, &error, &written);
    if (!saved) {
        Log::line(QStringLiteral("Defaults not saved to %1: %2")
                      .arg(m_path, error.isEmpty() ? QStringLiteral("cannot create its folder") : error));
        return false;
    }
    m_changed.clear();
    m_stamp = FileStamp::of(written);
    leaveLongTextsIn(m_stamp, spans);
    return true;
}
