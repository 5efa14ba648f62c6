#pragma once

#include <QObject>

#include <memory>

#include "shell/BWUserInteraction.h"
#include "store/BWStoreEnvironment.h"

class BWAppDelegate;
class BWBillEditorController;
class BWLogPaymentController;
class BWOverviewController;
class SoundPlayer;

// The main window's screens as the program runs them: makes the overview and
// the log-payment panel and the bill editor, hands them to the application
// delegate and carries what the overview asks for (its signals and buttons)
// to the delegate. The bill page is not among them yet; the delegate refuses
// what needs it.
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
    BWBillEditorController& billEditor() const { return *m_billEditor; }

private:
    void connectOverviewToDelegate();
    void connectBottomBarToDelegate();
    void connectEditor(const BWUserInteraction& interaction);
    // The panel floats over the main window once start-up has made it.
    void floatPanelOverMainWindow();

    BWAppDelegate& m_delegate;
    std::shared_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<BWLogPaymentController> m_payLogger;
    std::unique_ptr<BWOverviewController> m_overview;
    std::unique_ptr<BWBillEditorController> m_billEditor;
};
