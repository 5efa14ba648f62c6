#include <QDataStream>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "platform/SoundPlayer.h"
#include "support/TempFolder.h"

namespace {

// A tenth of a second of silence as a 16-bit mono WAV file.
QByteArray silentWave()
{
    const quint32 sampleRate = 8000;
    const quint32 dataSize = sampleRate / 10 * 2;
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << sampleRate << quint32(sampleRate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataSize;
    wave.append(QByteArray(int(dataSize), '\0'));
    return wave;
}

}  // namespace

TEST(SoundPlayerTest, FindsTheProgramsOwnSoundByName)
{
    TempFolder sounds;
    sounds.write(QStringLiteral("cheers.wav"), silentWave());
    sounds.write(QStringLiteral("rings.wav"), silentWave());
    sounds.write(QStringLiteral("rings.oga"), "ogg");
    const SoundPlayer player(sounds.path());

    EXPECT_EQ(player.soundFileFor(QStringLiteral("cheers")), sounds.file(QStringLiteral("cheers.wav")));
    EXPECT_EQ(player.soundFileFor(QStringLiteral("rings")), sounds.file(QStringLiteral("rings.oga")));
    EXPECT_EQ(player.soundFileFor(QStringLiteral("swell")), QString());
}

TEST(SoundPlayerTest, NamesThatCouldLeaveTheSoundFolderNameNoSound)
{
    TempFolder root;
    root.write(QStringLiteral("secret.wav"), silentWave());
    root.write(QStringLiteral("sounds/.hidden.wav"), silentWave());
    const SoundPlayer player(root.file(QStringLiteral("sounds")));

    for (const QString& name : {QStringLiteral("../secret"), QStringLiteral(".hidden"), QString(),
                                QStringLiteral("..\\secret"), root.file(QStringLiteral("secret"))})
        EXPECT_EQ(player.soundFileFor(name), QString()) << name.toStdString();
}

// A desktop session without a sound server: nothing plays, nothing is
// printed, and nothing waits.
class NoSoundServer
{
public:
    NoSoundServer()
        : m_hadRuntime(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")), m_runtime(qgetenv("XDG_RUNTIME_DIR")),
          m_pulse(qgetenv("PULSE_SERVER"))
    {
        qputenv("XDG_RUNTIME_DIR", m_emptyRuntime.path().toUtf8());
        qunsetenv("PULSE_SERVER");
    }
    ~NoSoundServer()
    {
        if (m_hadRuntime)
            qputenv("XDG_RUNTIME_DIR", m_runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        if (!m_pulse.isEmpty())
            qputenv("PULSE_SERVER", m_pulse);
    }

private:
    bool m_hadRuntime;
    QByteArray m_runtime;
    QByteArray m_pulse;
    TempFolder m_emptyRuntime;
};

TEST(SoundPlayerTest, PlaysNothingWithoutASoundServer)
{
    const NoSoundServer session;
    TempFolder sounds;
    sounds.write(QStringLiteral("cheers.wav"), silentWave());
    SoundPlayer player(sounds.path());
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(player.playSoundNamed(QStringLiteral("cheers")));
    EXPECT_FALSE(player.playSoundNamed(QStringLiteral("no-such-sound")));
    EXPECT_FALSE(player.playEventSound(QStringLiteral("bell")));
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST(SoundPlayerTest, CompiledInFolderWithoutTheSoundFallsBackQuietly)
{
    const NoSoundServer session;
    SoundPlayer player;   // the program's resources; this test program carries none
    EXPECT_EQ(player.soundFileFor(QStringLiteral("trumpetnew")), QString());
    EXPECT_FALSE(player.playSoundNamed(QStringLiteral("trumpetnew")));
}
