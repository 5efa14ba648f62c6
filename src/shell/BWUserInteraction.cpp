#include "shell/BWUserInteraction.h"

#include "platform/SoundPlayer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

BWUserInteraction BWUserInteraction::system()
{
    BWUserInteraction interaction;
    interaction.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    interaction.chooseSaveFile = [](QWidget* parent, const QString& title, const QString& suggestedFileName) {
        return QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(suggestedFileName));
    };
    interaction.showAlert = [](QWidget* parent, const QString& message, const QString& informativeText) {
        QMessageBox box(parent);
        box.setIcon(QMessageBox::Warning);
        box.setText(message);
        box.setInformativeText(informativeText);
        box.exec();
    };
    interaction.sounds = std::make_shared<SoundPlayer>();
    return interaction;
}
