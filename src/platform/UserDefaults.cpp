#include "UserDefaults.h"

#include "AtomicFile.h"
#include "Log.h"
#include "PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <limits>

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

UserDefaults::FileStamp UserDefaults::stampOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {true, qint64(status.st_dev), qint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

// Files of our own layout are only split into the texts of their values;
// anything else is parsed whole.
UserDefaults::FileState UserDefaults::readFile(QMap<QString, Slot>* found) const
{
    found->clear();
    QFile file(m_path);
    if (!file.exists())
        return FileState::Missing;
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (const std::optional<QList<PropertyList::FragmentSpan>> spans = PropertyList::dictionarySpans(bytes)) {
        takeTexts(std::move(bytes), *spans, found);
        return FileState::Readable;
    }
    const PropertyList::ReadResult result = PropertyList::parse(bytes);
    if (result.ok() && result.value.typeId() == QMetaType::QVariantMap) {
        const QVariantMap stored = result.value.toMap();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            found->insert(it.key(), Slot{QByteArray(), it.value(), true});
        return FileState::Readable;
    }
    Log::line(QStringLiteral("Defaults file %1 is unreadable (%2); leaving it untouched")
                  .arg(m_path, result.ok() ? QStringLiteral("not a dictionary") : result.error));
    return FileState::Unreadable;
}

// The longest text (the app-group suite's bills, many megabytes) keeps the
// buffer the file was read into, cut down to it; the others are copied out.
void UserDefaults::takeTexts(QByteArray file, const QList<PropertyList::FragmentSpan>& spans,
                             QMap<QString, Slot>* found)
{
    const auto byLength = [](const PropertyList::FragmentSpan& a, const PropertyList::FragmentSpan& b) {
        return a.length < b.length;
    };
    const auto longest = std::max_element(spans.cbegin(), spans.cend(), byLength);
    for (auto span = spans.cbegin(); span != spans.cend(); ++span) {
        if (span != longest)
            found->insert(span->key, Slot{file.sliced(span->start, span->length), QVariant(), false});
    }
    if (longest == spans.cend())
        return;
    file.truncate(longest->start + longest->length);
    file.remove(0, longest->start);  // moves the start of the data, copies nothing
    found->insert(longest->key, Slot{std::move(file), QVariant(), false});
}

void UserDefaults::ensureLoaded() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_stamp = stampOf(m_path);
    m_fileUnreadable = readFile(&m_slots) == FileState::Unreadable;
}

const QVariant& UserDefaults::parsedValue(const QString& key, Slot& slot) const
{
    if (slot.parsed)
        return slot.value;
    slot.parsed = true;
    const PropertyList::ReadResult result = PropertyList::parseDictionaryValue(slot.text);
    if (result.ok()) {
        slot.value = result.value;
    } else {
        // Keep the file as it is rather than write a damaged value back.
        m_fileUnreadable = true;
        Log::line(QStringLiteral("Default \"%1\" in %2 is unreadable (%3); leaving the file untouched")
                      .arg(key, m_path, result.error));
    }
    return slot.value;
}

void UserDefaults::registerDefaults(const QVariantMap& registered)
{
    for (auto it = registered.cbegin(); it != registered.cend(); ++it)
        m_registered.insert(it.key(), it.value());
}

QVariant UserDefaults::objectForKey(const QString& key) const
{
    ensureLoaded();
    const auto stored = m_slots.find(key);
    if (stored != m_slots.end())
        return parsedValue(key, *stored);
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

double UserDefaults::doubleForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::Bool || isInteger(value) || isReal(value))
        return value.toDouble();
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double real = value.toString().trimmed().toDouble(&ok);
        return ok ? real : 0.0;
    }
    return 0.0;
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

QVariantMap UserDefaults::dictionaryForKey(const QString& key) const
{
    const QVariant value = objectForKey(key);
    return value.typeId() == QMetaType::QVariantMap ? value.toMap() : QVariantMap();
}

bool UserDefaults::hasStoredValue(const QString& key) const
{
    ensureLoaded();
    return m_slots.contains(key);
}

// A value equal to the saved one is not written again. Values known to this
// process are compared as values, kind by kind; one only read from the file
// as text is compared with that text, which our writer makes the same for
// equal values, a piece at a time (the app-group suite's bills run to many
// megabytes), and is known as a value from then on.
bool UserDefaults::setObject(const QString& key, const QVariant& value)
{
    if (!value.isValid())
        return removeObject(key);
    ensureLoaded();
    const auto stored = m_slots.find(key);
    const bool saved = stored != m_slots.end() && !m_changed.contains(key);
    if (saved && stored->parsed && PropertyList::sameValue(stored->value, value))
        return true;
    if (saved && !stored->parsed && PropertyList::isSerializedDictionaryValue(value, stored->text)) {
        keepAsValue(*stored, value);
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
    m_slots.insert(key, Slot{text, value, true});
    m_changed.insert(key);
    return save();
}

// A stored text found equal to a value is known as that value from then on;
// a long one is let go, since a save can write it again from the value.
void UserDefaults::keepAsValue(Slot& slot, const QVariant& value)
{
    constexpr qsizetype LongTextBytes = 256 * 1024;
    slot.value = value;
    slot.parsed = true;
    if (slot.text.size() >= LongTextBytes)
        slot.text = QByteArray();
}

bool UserDefaults::setBool(const QString& key, bool value)
{
    return setObject(key, value);
}

bool UserDefaults::setInteger(const QString& key, qlonglong value)
{
    return setObject(key, value);
}

bool UserDefaults::setDouble(const QString& key, double value)
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
bool UserDefaults::takeInChangesOnDisk()
{
    const FileStamp onDisk = stampOf(m_path);
    if (onDisk == m_stamp)
        return !m_fileUnreadable;
    QMap<QString, Slot> merged;
    if (readFile(&merged) == FileState::Unreadable) {
        m_stamp = onDisk;
        m_fileUnreadable = true;
        return false;
    }
    for (const QString& key : std::as_const(m_changed)) {
        const auto mine = m_slots.constFind(key);
        if (mine == m_slots.cend())
            merged.remove(key);
        else
            merged.insert(key, *mine);
    }
    m_slots = merged;
    m_stamp = onDisk;
    m_fileUnreadable = false;
    return true;
}

bool UserDefaults::save()
{
    if (!takeInChangesOnDisk()) {
        Log::line(QStringLiteral("Defaults file %1 is still unreadable; not overwriting it").arg(m_path));
        return false;
    }
    PropertyList::Fragments fragments;
    for (auto it = m_slots.begin(); it != m_slots.end(); ++it) {
        if (it->text.isEmpty())
            it->text = PropertyList::serializeDictionaryValue(it->value);
        fragments.insert(it.key(), it->text);
    }
    QString error;
    const bool written = QDir().mkpath(QFileInfo(m_path).absolutePath())
                         && AtomicFile::write(m_path, PropertyList::assembleDictionary(fragments), &error);
    if (!written) {
        Log::line(QStringLiteral("Defaults not saved to %1: %2")
                      .arg(m_path, error.isEmpty() ? QStringLiteral("cannot create its folder") : error));
        return false;
    }
    m_changed.clear();
    m_stamp = stampOf(m_path);
    return true;
}
