#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;
class SoundPlayer;

// The ways the bill commands reach the user and the desktop beyond the main
// window: opening a web address, asking where to save a file, telling the
// user something and making a sound. Tests hand in their own.
struct BWUserInteraction
{
    // Opens the address in the default browser; false when it could not, in
    // which case it has told the user already (callers only log).
    std::function<bool(const QUrl& url)> openUrl;
    // Asks where to save a file; "" when the user cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& suggestedFileName)> chooseSaveFile;
    // Asks for a folder; "" when the user cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& prompt)> chooseFolder;
    // A message the user has to acknowledge.
    std::function<void(QWidget* parent, const QString& message, const QString& informativeText)> showAlert;
    // A question with buttons (the first is the default); answers the index
    // of the button clicked, -1 when the question was dismissed.
    std::function<int(QWidget* parent, const QString& message, const QString& informativeText,
                      const QStringList& buttons)> askQuestion;
    std::shared_ptr<SoundPlayer> sounds;

    // The desktop's own: the default browser, the file dialog, a message box
    // and the sound server.
    static BWUserInteraction system();

    // Hands the address to the desktop's opener (xdg-open); when that can't
    // be started, or reports that no browser took the address, `tell` gets a
    // message and its details. False only when the opener didn't start.
    static bool openInDesktopBrowser(const QUrl& url,
                                     const std::function<void(const QString& message, const QString& details)>& tell);
};
