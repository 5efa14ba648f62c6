#pragma once

#include <QStringList>
#include <QUrl>

#include "shell/BWUserInteraction.h"

// A user who answers dialogs from a script: the next folder to choose, the
// button to press for each question; everything shown is recorded.
struct ScriptedUser
{
    QStringList foldersToChoose;    // taken in order; "" or none cancels
    QList<int> buttonsToPress;      // taken in order; none dismisses (-1)
    QStringList alerts;             // messages shown
    QStringList alertDetails;       // their informative texts
    QStringList questions;          // questions asked
    QList<QUrl> openedUrls;
    QList<QWidget*> dialogParents;  // the window each dialog was shown on

    BWUserInteraction interaction()
    {
        BWUserInteraction scripted;
        scripted.openUrl = [this](const QUrl& url) {
            openedUrls.append(url);
            return true;
        };
        scripted.chooseSaveFile = [](QWidget*, const QString&, const QString&) { return QString(); };
        scripted.chooseFolder = [this](QWidget* parent, const QString&, const QString&) {
            dialogParents.append(parent);
            return foldersToChoose.isEmpty() ? QString() : foldersToChoose.takeFirst();
        };
        scripted.showAlert = [this](QWidget* parent, const QString& message, const QString& details) {
            dialogParents.append(parent);
            alerts.append(message);
            alertDetails.append(details);
        };
        scripted.askQuestion = [this](QWidget* parent, const QString& message, const QString&,
                                      const QStringList&) {
            dialogParents.append(parent);
            questions.append(message);
            return buttonsToPress.isEmpty() ? -1 : buttonsToPress.takeFirst();
        };
        return scripted;
    }
};
