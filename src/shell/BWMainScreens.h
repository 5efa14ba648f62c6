#pragma once

#include <QObject>

#include <QVariantList>

#include <memory>
#include <optional>

#include "shell/BWUserInteraction.h"
#include "store/BWStoreEnvironment.h"

class BWAppDelegate;
class BWBillActionsMenu;
class BWBillDetailViewController;
class BWBillEditorController;
class BWLogPaymentController;
class BWOverviewController;
class LauncherEntry;
class SoundPlayer;

// The main window's screens as the program runs them: makes the overview, the
// bill page, the log-payment panel and the bill editor, hands them to the
// application delegate and carries what the screens ask for and announce
// (their signals) to the delegate.
//
// Made after the delegate and before its start-up; goes before the delegate,
// taking the screens back from it first.
class BWMainScreens : public QObject
{
    Q_OBJECT

public:
    // Commands reach the user through `interaction`, whose sound player the
    // panel's payment sounds use as well.
    BWMainScreens(const BWStoreEnvironment& env, BWAppDelegate& delegate, const BWUserInteraction& interaction);
    ~BWMainScreens() override;

    BWOverviewController& overview() const { return *m_overview; }
    BWLogPaymentController& payLogger() const { return *m_payLogger; }
    BWBillDetailViewController& billView() const { return *m_billView; }
    BWBillEditorController& billEditor() const { return *m_billEditor; }

private:
    void connectOverviewToDelegate();
    void connectBottomBarToDelegate();
    void connectBillPageToDelegate(const BWUserInteraction& interaction);
    // The commands both screens' actions pop-ups share.
    void connectActionsToDelegate(BWBillActionsMenu& actions);
    void connectEditor(const BWUserInteraction& interaction);
    void connectAnnouncementsToDelegate();
    // The panel floats over the main window once start-up has made it.
    void floatPanelOverMainWindow();
    void showBillsInTray(const QVariantList& bills);
    void startUpStepDone(const QString& step);

    BWAppDelegate& m_delegate;
    std::shared_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<BWLogPaymentController> m_payLogger;
    std::unique_ptr<BWOverviewController> m_overview;
    std::unique_ptr<LauncherEntry> m_launcherEntry;
    std::unique_ptr<BWBillDetailViewController> m_billView;
    std::unique_ptr<BWBillEditorController> m_billEditor;
    // The tray's menu is filled once the main window has shown at start-up;
    // until then the latest bills for it wait here.
    bool m_mainWindowShown = false;
    std::optional<QVariantList> m_billsForTray;
};
