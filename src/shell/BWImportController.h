#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

#include "shell/BWUserInteraction.h"
#include "store/BWImportManager.h"
#include "store/BWStoreEnvironment.h"

// The import of the fourth version's bills: the warning before the current
// items are replaced, and the window that offers the older data's default
// place or a folder of the user's choice. The current items are replaced only
// once bills of the chosen source have been read; an import that failed or
// left bills out is shown to the user, with the bills it left out.
class BWImportController : public QObject
{
    Q_OBJECT

public:
    // The answers of the warning: its first and second button.
    static constexpr int EraseAndImport = 1000;
    static constexpr int Cancel = 1001;

    BWImportController(const BWStoreEnvironment& env, BWUserInteraction interaction, QObject* parent = nullptr);
    ~BWImportController() override;

    void setWindow(QWidget* window) { m_window = window; }
    bool fromCustomPath() const { return m_fromCustomPath; }
    // The window offering the default place or a chosen folder; made on first use.
    QDialog* importWindow();
    // True when the fourth version had its data in a place of the user's choice.
    bool checkForCustomPath() const;

signals:
    // An import changed the items: the shell renews the reminders and
    // reloads and shows the overview.
    void importFinished();

public slots:
    void manuallyImportData();
    void manuallyImportCustomData();
    void showAlertScreen();
    void alertDidEnd(int returnCode);
    void manuallyImportDefaultData();
    void selectDatabaseForImport();
    void skipImport();
    // The unattended variant: imports when there is no data yet.
    // No caller in the program; BWImportManager::shouldImportData(), then the import steps the window runs.
    void checkForPriorDataAndImport();

private:
    void showImportWindow();
    bool tellOutcome(const BWImportManager::ImportReport& report);

    BWStoreEnvironment m_env;
    BWUserInteraction m_interaction;
    QPointer<QWidget> m_window;
    QPointer<QDialog> m_importWindow;
    bool m_fromCustomPath = false;
};
