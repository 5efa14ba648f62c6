#include "UserDefaults.h"

#include "Log.h"
#include "PropertyList.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

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
    load();
}

void UserDefaults::load()
{
    const PropertyList::ReadResult result = PropertyList::read(m_path);
    if (result.status == PropertyList::Status::NotFound)
        return;
    if (result.ok() && result.value.typeId() == QMetaType::QVariantMap) {
        m_stored = result.value.toMap();
        return;
    }
    m_fileUnreadable = true;
    Log::line(QStringLiteral("Defaults file %1 is unreadable (%2); starting without its values "
                             "and leaving it untouched")
                  .arg(m_path, result.ok() ? QStringLiteral("not a dictionary") : result.error));
}

void UserDefaults::registerDefaults(const QVariantMap& registered)
{
    for (auto it = registered.cbegin(); it != registered.cend(); ++it)
        m_registered.insert(it.key(), it.value());
}

QVariant UserDefaults::objectForKey(const QString& key) const
{
    const auto stored = m_stored.constFind(key);
    if (stored != m_stored.cend())
        return *stored;
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
    return m_stored.contains(key);
}

bool UserDefaults::setObject(const QString& key, const QVariant& value)
{
    if (!value.isValid())
        return removeObject(key);
    // A value the file cannot hold is refused up front; kept in memory it
    // would make every later write of this file fail.
    QString error;
    if (PropertyList::serialize(value, &error).isEmpty()) {
        Log::line(QStringLiteral("Default \"%1\" not stored: %2").arg(key, error));
        return false;
    }
    m_stored.insert(key, value);
    m_removedWhileUnreadable.removeAll(key);
    return synchronize();
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
    m_stored.remove(key);
    if (m_fileUnreadable && !m_removedWhileUnreadable.contains(key))
        m_removedWhileUnreadable.append(key);
    return synchronize();
}

bool UserDefaults::synchronize()
{
    if (!fileMayBeWritten())
        return false;
    QString error;
    const bool written = QDir().mkpath(QFileInfo(m_path).absolutePath())
                         && PropertyList::write(m_path, m_stored, &error);
    if (!written)
        Log::line(QStringLiteral("Defaults not saved to %1: %2")
                      .arg(m_path, error.isEmpty() ? QStringLiteral("cannot create its folder") : error));
    return written;
}

// While the file could not be read it is looked at again before each write:
// once it is gone or readable, its values are taken in under the ones set
// during this run and writing resumes.
bool UserDefaults::fileMayBeWritten()
{
    if (!m_fileUnreadable)
        return true;
    const PropertyList::ReadResult result = PropertyList::read(m_path);
    if (result.status == PropertyList::Status::NotFound) {
        m_fileUnreadable = false;
    } else if (result.ok() && result.value.typeId() == QMetaType::QVariantMap) {
        QVariantMap merged = result.value.toMap();
        for (const QString& key : std::as_const(m_removedWhileUnreadable))
            merged.remove(key);
        merged.insert(m_stored);
        m_stored = merged;
        m_fileUnreadable = false;
    } else {
        Log::line(QStringLiteral("Defaults file %1 is still unreadable; not overwriting it")
                      .arg(m_path));
        return false;
    }
    m_removedWhileUnreadable.clear();
    return true;
}
