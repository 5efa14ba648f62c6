#include "shell/BWUserInteraction.h"

#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QProcess>

#include "widgets/BWMessageBox.h"
#include "widgets/BWPlainText.h"

BWUserInteraction BWUserInteraction::system()
{
    BWUserInteraction interaction;
    interaction.openUrl = [](const QUrl& url) {
        return openInDesktopBrowser(url, [](const QString& message, const QString& details) {
            BWMessageBox box(QMessageBox::Warning, message, details);
            box.addButton(QMessageBox::Ok);
            box.exec();
        });
    };
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
        BWMessageBox box(QMessageBox::Warning, message, informativeText, parent);
        box.addButton(QMessageBox::Ok);
        box.exec();
    };
    interaction.askQuestion = [](QWidget* parent, const QString& message, const QString& informativeText,
                                 const QStringList& buttons) {
        BWMessageBox box(QMessageBox::Question, message, informativeText, parent);
        QList<QAbstractButton*> added;
        // "Erase & Import" keeps its "&".
        for (const QString& title : buttons)
            added.append(box.addButton(BWPlainText::mnemonicFree(title),
                                       added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
        if (!added.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
        box.exec();
        return int(added.indexOf(box.clickedButton()));
    };
    interaction.sounds = std::make_shared<SoundPlayer>();
    return interaction;
}

bool BWUserInteraction::openInDesktopBrowser(const QUrl& url,
                                             const std::function<void(const QString&, const QString&)>& tell)
{
    const QString message = QObject::tr("No Web Browser Could Be Started");
    const QString details =
        QObject::tr("Orvane could not open %1. Check that the desktop has a default web browser.")
            .arg(url.toDisplayString());
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({url.toString(QUrl::FullyEncoded)});
    // The opener finishes once it has handed the address on; it says so when
    // nothing would take it.
    QObject::connect(opener, &QProcess::finished, opener, [opener, tell, message, details](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            tell(message, details);
        opener->deleteLater();
    });
    opener->start();
    if (opener->waitForStarted())
        return true;
    delete opener;
    tell(message, details);
    return false;
}
