#include "LoginItem.h"

#include "AtomicFile.h"
#include "Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace {

const QByteArray ProgramPlaceholder = QByteArrayLiteral("@PROGRAM@");
const QString EntrySuffix = QStringLiteral(".desktop");

// An id becomes a file name, so it must stay inside the autostart folder.
bool isSafeId(const QString& id)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9._-]*$"));
    return safe.match(id).hasMatch();
}

// The characters that make the desktop-entry rules ask for a quoted argument.
bool needsQuotes(const QString& argument)
{
    static const QRegularExpression reserved(QStringLiteral("[\\s\"'\\\\><~|&;$*?#()`]"));
    return argument.contains(reserved);
}

// Inside the quotes `"`, `` ` ``, `$` and `\` are escaped; then every
// backslash is doubled once more because the Exec value is itself an escaped
// string.
QString quotedArgument(const QString& argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'\n', QStringLiteral("\\n"));
    quoted.replace(u'\t', QStringLiteral("\\t"));
    quoted.replace(u'\r', QStringLiteral("\\r"));
    return u'"' + quoted + u'"';
}

// One Exec argument. A path with spaces or shell characters is quoted so that
// it reaches the program as one argument; a plain path stays bare, which
// simple launchers that split Exec at spaces (xdg-open without a desktop)
// understand too. A '%' is doubled either way so that it does not read as a
// field code.
QString execArgument(const QString& argument)
{
    QString exec = needsQuotes(argument) ? quotedArgument(argument) : argument;
    return exec.replace(u'%', QStringLiteral("%%"));
}

// The keys of an entry's [Desktop Entry] group; other groups are skipped.
QHash<QString, QString> desktopEntryKeys(const QString& path)
{
    QFile file(path);
    QHash<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    bool inMainGroup = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inMainGroup && equals > 0 && !line.startsWith(u'#'))
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

bool startsAtLogin(const QHash<QString, QString>& keys)
{
    return keys.value(QStringLiteral("Hidden")) != QStringLiteral("true")
           && keys.value(QStringLiteral("X-GNOME-Autostart-enabled")) != QStringLiteral("false");
}

}  // namespace

QString LoginItem::defaultFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative setting, as it would depend on the
    // current folder.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

LoginItem::LoginItem(const QString& folder, const QByteArray& entryTemplate, const QString& program)
    : m_folder(folder), m_template(entryTemplate), m_program(program)
{
}

QString LoginItem::entryPath(const QString& id) const
{
    return QDir(m_folder).filePath(id + EntrySuffix);
}

QByteArray LoginItem::entryText() const
{
    QByteArray text = m_template;
    return text.replace(ProgramPlaceholder, execArgument(m_program).toUtf8());
}

bool LoginItem::setEnabled(const QString& id, bool enabled)
{
    if (!isSafeId(id)) {
        Log::line(QStringLiteral("Refused login item id \"%1\"").arg(id));
        return false;
    }
    const QString path = entryPath(id);
    QString error;
    bool done;
    if (enabled) {
        done = QDir().mkpath(m_folder) && AtomicFile::write(path, entryText(), &error);
    } else {
        // QFile::remove refuses folders, so test the name first: only an
        // absent entry counts as already removed.
        done = !QFileInfo::exists(path) || QFile::remove(path);
    }
    Log::line(QStringLiteral("Login item %1 %2: %3 %4")
                  .arg(id, enabled ? QStringLiteral("enable") : QStringLiteral("disable"),
                       done ? QStringLiteral("done") : QStringLiteral("failed"), error));
    return done;
}

QList<LoginItem::Job> LoginItem::jobs() const
{
    QList<Job> jobs;
    const QDir folder(m_folder);
    const QStringList names = folder.entryList({QStringLiteral("*") + EntrySuffix},
                                               QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString label = name.chopped(EntrySuffix.size());
        jobs.append({label, startsAtLogin(desktopEntryKeys(folder.filePath(name)))});
    }
    return jobs;
}
