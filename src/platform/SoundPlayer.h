#pragma once

#include <QString>
#include <memory>

struct ca_context;
class QTemporaryDir;

// Plays short interface sounds through the desktop's sound server
// (PulseAudio, or PipeWire in its place). Where no sound server runs (or
// sounds are switched off there), playing does nothing and prints nothing: a
// sound that can't be heard is never an error.
//
// Callers take a SoundPlayer by reference, so that tests can hand in one that
// only records what would play.
class SoundPlayer
{
public:
    // The program's own sounds lie in the resources' sounds folder; tests
    // point `soundFolder` at a folder of their own.
    explicit SoundPlayer(const QString& soundFolder = QStringLiteral(":/sounds"));
    virtual ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // A sound of the desktop's sound theme by its event id ("bell",
    // "complete", "dialog-error"). True when the sound server took it.
    virtual bool playEventSound(const QString& eventID);
    // The program's own sound `name` (a file name.oga, name.ogg or name.wav in
    // the sound folder). A name the program has no file for plays the theme's
    // "complete" sound instead, so that a finished action is still heard.
    virtual bool playSoundNamed(const QString& name);

    // The file in the sound folder that `name` plays, or "" when there is none.
    QString soundFileFor(const QString& name) const;

private:
    ca_context* context();
    // A path the sound server can open: resources compiled into the program
    // are copied out to a temporary folder once.
    QString playablePath(const QString& soundFile);
    bool playFile(const QString& path);

    QString m_soundFolder;
    ca_context* m_context = nullptr;
    bool m_contextFailed = false;
    std::unique_ptr<QTemporaryDir> m_extracted;
};
