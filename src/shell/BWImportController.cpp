#include "shell/BWImportController.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWImportManager.h"

BWImportController::BWImportController(const BWStoreEnvironment& env, BWUserInteraction interaction, QObject* parent)
    : QObject(parent), m_env(env), m_interaction(std::move(interaction))
{
}

BWImportController::~BWImportController()
{
    delete m_importWindow;
}

bool BWImportController::checkForCustomPath() const
{
    return m_env.defaults->boolForKey(BWDefaultsKeys::use_custom_path);
}

void BWImportController::manuallyImportData()
{
    m_fromCustomPath = false;
    showAlertScreen();
}

void BWImportController::manuallyImportCustomData()
{
    m_fromCustomPath = true;
    showAlertScreen();
}

void BWImportController::showAlertScreen()
{
    const int answer = m_interaction.askQuestion(
        m_window, tr("Warning: Importing Will Overwrite Your Current Data"),
        tr("Importing Orvane 4 data will overwrite all current Orvane 5 data. This cannot be undone. Are you sure "
           "you want to continue?"),
        {tr("Erase & Import"), tr("Cancel")});
    alertDidEnd(answer == 0 ? EraseAndImport : Cancel);
}

void BWImportController::alertDidEnd(int returnCode)
{
    if (returnCode == Cancel) {
        Log::line(QStringLiteral("Import Canceled!"));
        return;
    }
    if (returnCode != EraseAndImport)
        return;
    Log::line(QStringLiteral("Step 1a: Import from Menu Authorized"));
    // The current items are replaced only once a source has proved usable.
    if (checkForCustomPath() || m_fromCustomPath) {
        Log::line(QStringLiteral("Custom path detected, showing Import Selection Window"));
        showImportWindow();
        return;
    }
    Log::line(QStringLiteral("No custom path detected, proceeding to import from default location"));
    tellOutcome(BWImportManager(m_env).importDataFromPreviousVersion(true));
    emit importFinished();
}

void BWImportController::manuallyImportDefaultData()
{
    const BWImportManager::ImportReport report = BWImportManager(m_env).importDataInDefaultLocation(true);
    tellOutcome(report);
    if (report.changedItems())
        emit importFinished();
}

void BWImportController::selectDatabaseForImport()
{
    const QString folder = m_interaction.chooseFolder(importWindow(), tr("Select Orvane Folder"), tr("Select"));
    if (folder.isEmpty())
        return;
    Log::line(QStringLiteral("Selected Path for Import: %1").arg(folder));
    if (!BWImportManager::isOlderDataFolder(folder)) {
        m_interaction.showAlert(importWindow(), tr("Invalid Folder"),
                                tr("This doesn't appear to be a Orvane database folder. The folder should be named "
                                   "Orvane. Please try again."));
        return;
    }
    const BWImportManager::ImportReport report
        = BWImportManager(m_env).importDataFromPreviousVersionAtPath(folder, true);
    if (tellOutcome(report))
        skipImport();
    else if (report.changedItems())
        emit importFinished();  // erased, though nothing could be stored in their place
}

void BWImportController::skipImport()
{
    if (m_importWindow)
        m_importWindow->close();
    emit importFinished();
}

void BWImportController::checkForPriorDataAndImport()
{
    Log::line(QStringLiteral("Step 1: Checking For Existence of Current Data"));
    const bool shouldImport = BWImportManager(m_env).shouldImportData();
    Log::line(QStringLiteral("Should Import Old Data: %1").arg(shouldImport ? 1 : 0));
    if (!shouldImport)
        return;
    Log::line(QStringLiteral("Step 2: No Orvane 5 Data Exists, Attempting to Import Data"));
    const bool customPath = checkForCustomPath();
    Log::line(QStringLiteral("Is There a Custom Path Set in Orvane 4: %1").arg(customPath ? 1 : 0));
    if (customPath) {
        Log::line(QStringLiteral("Custom Path Exists, Showing Selection Window"));
        importWindow()->exec();
        return;
    }
    Log::line(QStringLiteral("No Custom Path Exists, Importing from Default Location"));
    BWImportManager(m_env).importDataFromPreviousVersion();
}

void BWImportController::showImportWindow()
{
    QDialog* window = importWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

QDialog* BWImportController::importWindow()
{
    if (m_importWindow)
        return m_importWindow;
    m_importWindow = new QDialog(m_window);
    m_importWindow->setWindowTitle(tr("Import Orvane 4 Data"));
    auto* layout = new QVBoxLayout(m_importWindow);
    auto* text = new QLabel(tr("Import the bills of Orvane 4 from its usual place, or choose the folder named Orvane "
                               "that holds its data."),
                            m_importWindow);
    text->setWordWrap(true);
    layout->addWidget(text);
    const auto addButton = [this, layout](const QString& title, void (BWImportController::*action)()) {
        auto* button = new QPushButton(title, m_importWindow);
        connect(button, &QPushButton::clicked, this, action);
        layout->addWidget(button);
        return button;
    };
    addButton(tr("Import from the Usual Place"), &BWImportController::manuallyImportDefaultData)->setObjectName("defaultPlace");
    addButton(tr("Choose Folder…"), &BWImportController::selectDatabaseForImport)->setObjectName("chooseFolder");
    addButton(tr("Skip"), &BWImportController::skipImport)->setObjectName("skip");
    return m_importWindow;
}

// An import that left bills out says which; one that stored nothing says so
// too. True when anything was imported.
bool BWImportController::tellOutcome(const BWImportManager::ImportReport& report)
{
    const QString leftOut = report.notImported.isEmpty()
        ? QString()
        : tr("These bills could not be read: %1.").arg(report.notImported.join(QStringLiteral(", ")));
    if (report.imported == 0) {
        QString text = tr("No older Orvane data could be imported from there.");
        if (!leftOut.isEmpty())
            text += QStringLiteral("\n\n") + leftOut;
        m_interaction.showAlert(m_window, tr("Import Failed"), text);
        return false;
    }
    if (!leftOut.isEmpty())
        m_interaction.showAlert(m_window, tr("Some Bills Were Not Imported"),
                                tr("%n bill(s) were imported. ", nullptr, report.imported) + leftOut);
    return true;
}
