#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <canberra.h>

namespace {

const char* const ApplicationName = "Orvane";
const QString FallbackEventID = QStringLiteral("complete");
const char* const SoundSuffixes[] = {".oga", ".ogg", ".wav"};

// A sound name is a bare file stem; anything that could reach outside the
// sound folder names no sound.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\'));
}

// Sounds go through the desktop's sound server (PulseAudio, or PipeWire in its
// place). Without one, the sound library would fall back to the bare sound
// card, which on a machine without one fills the terminal with complaints.
bool soundServerRuns()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return false;
    const QDir folder(runtime);
    return QFileInfo::exists(folder.filePath(QStringLiteral("pulse/native")))
           || QFileInfo::exists(folder.filePath(QStringLiteral("pipewire-0")));
}

bool isCompiledResource(const QString& path)
{
    return path.startsWith(QLatin1Char(':'));
}

}  // namespace

SoundPlayer::SoundPlayer(const QString& soundFolder)
    : m_soundFolder(soundFolder)
{
}

SoundPlayer::~SoundPlayer()
{
    if (m_context)
        ca_context_destroy(m_context);
}

bool SoundPlayer::playEventSound(const QString& eventID)
{
    ca_context* sounds = context();
    if (!sounds || eventID.isEmpty())
        return false;
    const QByteArray id = eventID.toUtf8();
    return ca_context_play(sounds, 0, CA_PROP_EVENT_ID, id.constData(), nullptr) == CA_SUCCESS;
}

bool SoundPlayer::playSoundNamed(const QString& name)
{
    const QString soundFile = soundFileFor(name);
    if (soundFile.isEmpty())
        return playEventSound(FallbackEventID);
    const QString path = playablePath(soundFile);
    return !path.isEmpty() && playFile(path);
}

QString SoundPlayer::soundFileFor(const QString& name) const
{
    if (!isPlainName(name))
        return QString();
    const QDir folder(m_soundFolder);
    for (const char* suffix : SoundSuffixes) {
        const QString candidate = folder.filePath(name + QLatin1String(suffix));
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

// Made on first use: a program that never plays a sound never talks to the
// sound server. A context that can't be made is not tried again; a server
// that isn't running yet is looked for again at the next sound.
ca_context* SoundPlayer::context()
{
    if (m_context || m_contextFailed)
        return m_context;
    if (!soundServerRuns())
        return nullptr;
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_contextFailed = true;
        return nullptr;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, ApplicationName, nullptr);
    return m_context;
}

QString SoundPlayer::playablePath(const QString& soundFile)
{
    if (!isCompiledResource(soundFile))
        return soundFile;
    if (!m_extracted) {
        m_extracted = std::make_unique<QTemporaryDir>();
        if (!m_extracted->isValid()) {
            m_extracted.reset();
            return QString();
        }
    }
    const QString copy = m_extracted->filePath(QFileInfo(soundFile).fileName());
    if (QFileInfo::exists(copy) || QFile::copy(soundFile, copy))
        return copy;
    return QString();
}

bool SoundPlayer::playFile(const QString& path)
{
    ca_context* sounds = context();
    if (!sounds)
        return false;
    const QByteArray file = QFile::encodeName(path);
    return ca_context_play(sounds, 0, CA_PROP_MEDIA_FILENAME, file.constData(), CA_PROP_CANBERRA_CACHE_CONTROL,
                           "volatile", nullptr)
           == CA_SUCCESS;
}
