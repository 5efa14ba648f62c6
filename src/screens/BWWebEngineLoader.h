#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "screens/BWWebEngine.h"

class QWidget;

// Loads the web engine module the first time the engine is asked for and
// keeps it for the rest of the run. Until then neither the module nor
// Chromium is loaded. Made before the views that use the engine, and goes
// after them.
class BWWebEngineLoader
{
public:
    BWWebEngineLoader(QString modulePath, BWWebEngineSettings settings);
    ~BWWebEngineLoader();
    BWWebEngineLoader(const BWWebEngineLoader&) = delete;
    BWWebEngineLoader& operator=(const BWWebEngineLoader&) = delete;

    // The engine, started on the first call; null when it cannot start, and
    // then errorString() says why. A failed start is not tried again.
    BWWebEngine* engine();
    QString errorString() const { return m_error; }
    // Whether the module was loaded (or tried): showing bills never does.
    bool hasStarted() const { return m_tried; }

    // The module beside the program.
    static QString defaultModulePath();

    // Asks a question with buttons (the first is the default); the index of
    // the button clicked, -1 when dismissed.
    using Question = std::function<int(QWidget* parent, const QString& message, const QString& details,
                                       const QStringList& buttons)>;
    // The engine's settings for a profile kept in `profileFolder`, saving a
    // download in `downloadsFolder` once `ask` got the user's yes.
    static BWWebEngineSettings settingsFor(const QString& profileFolder, const QString& downloadsFolder, Question ask);
    // A path in `folder` for a file named `fileName` that overwrites
    // nothing: the name, or the name with " (2)", " (3)", ... before its
    // extension. A name that is empty or names a folder becomes "download".
    static QString freePathIn(const QString& folder, const QString& fileName);

private:
    BWWebEngine* start();

    QString m_modulePath;
    BWWebEngineSettings m_settings;
    std::unique_ptr<BWWebEngine> m_engine;
    QString m_error;
    bool m_tried = false;
};
