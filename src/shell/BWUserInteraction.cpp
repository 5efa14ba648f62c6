#include "shell/BWUserInteraction.h"

#include "platform/SoundPlayer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

BWUserInteraction BWUserInteraction::system()
{
    BWUserInteraction interaction;
    interaction.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    interaction.chooseSaveFile = [](QWidget* parent, const QString& title, const QString& suggestedFileName) {
        return QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(suggestedFileName));
    };
    interaction.chooseFolder = [](QWidget* parent, const QString& title, const QString& prompt) {
        QFileDialog dialog(parent, title, QDir::homePath());
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setLabelText(QFileDialog::Accept, prompt);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                      : QString();
    };
    interaction.showAlert = [](QWidget* parent, const QString& message, const QString& informativeText) {
        QMessageBox box(parent);
        box.setIcon(QMessageBox::Warning);
        // Messages may quote names the user typed: never read them as markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(message);
        box.setInformativeText(informativeText);
        box.exec();
    };
    interaction.askQuestion = [](QWidget* parent, const QString& message, const QString& informativeText,
                                 const QStringList& buttons) {
        QMessageBox box(parent);
        box.setIcon(QMessageBox::Question);
        box.setTextFormat(Qt::PlainText);
        box.setText(message);
        box.setInformativeText(informativeText);
        QList<QAbstractButton*> added;
        for (const QString& title : buttons)
            added.append(box.addButton(title, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
        if (!added.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.exec();
        return int(added.indexOf(box.clickedButton()));
    };
    interaction.sounds = std::make_shared<SoundPlayer>();
    return interaction;
}
