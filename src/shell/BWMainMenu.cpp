#include "shell/BWMainMenu.h"

#include "platform/SenderTag.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWObjectController.h"
#include "widgets/BWIconFont.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

namespace {

// The drop-down's indexes of the lists the View menu offers, in its order.
constexpr int ListModeIndexes[] = {0, 1, 3, 4, 5};
// The payment kinds the delegate reads from its sender's tag.
constexpr int FullPaymentTag = 0;
constexpr int PartialPaymentTag = 3;
constexpr int PreviousBillTag = -1;
constexpr int NextBillTag = 1;
constexpr int ArchiveTag = 0;
constexpr int RestoreTag = 1;

QKeySequence ctrl(QKeyCombination key)
{
    return QKeySequence(QKeyCombination(key.keyboardModifiers() | Qt::ControlModifier, key.key()));
}

}  // namespace

BWMainMenu::BWMainMenu(BWAppDelegate& delegate, QMainWindow& window)
    : QObject(&window)
    , m_delegate(delegate)
    , m_window(window)
{
    buildFileMenu();
    buildEditMenu();
    buildBillMenu();
    buildViewMenu();
    buildHelpMenu();
    buildToolbar();
}

QMenu* BWMainMenu::addMenu(const QString& title)
{
    QMenu* menu = m_window.menuBar()->addMenu(title);
    // What can be chosen may have changed since the last look (a reload, a
    // write elsewhere), so each opening asks again.
    connect(menu, &QMenu::aboutToShow, this, [this] { validate(m_delegate.commands().commandContext()); });
    return menu;
}

QAction* BWMainMenu::addCommand(QMenu* menu, Command command, const QString& title, const QKeySequence& shortcut,
                                std::function<void(QAction*)> run, int tag)
{
    auto* item = new QAction(title, menu);
    item->setShortcut(shortcut);
    SenderTag::set(item, tag);
    menu->addAction(item);
    // The shortcut of an item still enabled from an older look may fire after
    // the selection changed: the command is checked again before it runs.
    connect(item, &QAction::triggered, this, [this, item, command, run = std::move(run)] {
        if (BWMenuValidation::isEnabled(command, m_delegate.commands().commandContext()))
            run(item);
        else
            QApplication::beep();
    });
    if (!m_actions.contains(command))
        m_actions.insert(command, item);
    m_commandOf.insert(item, command);
    return item;
}

void BWMainMenu::buildFileMenu()
{
    BWAppDelegate* d = &m_delegate;
    m_fileMenu = addMenu(tr("&File"));
    addCommand(m_fileMenu, Command::NewBill, tr("New Bill"), ctrl(Qt::Key_N),
               [d](QAction* item) { d->createNewBillFromMenu(item); });
    addCommand(m_fileMenu, Command::NewSavingsGoal, tr("New Savings Goal"), ctrl(Qt::SHIFT | Qt::Key_N),
               [d](QAction* item) { d->createNewSavingsGoalFromMenu(item); });
    m_fileMenu->addSeparator();
    addCommand(m_fileMenu, Command::ExportCSV, tr("Export Payments as CSV…"), ctrl(Qt::SHIFT | Qt::Key_E),
               [d](QAction* item) { d->exportSelectedBillToCSV(item); });
    m_fileMenu->addSeparator();
    addCommand(m_fileMenu, Command::CloseWindow, tr("Close Window"), ctrl(Qt::Key_W),
               [d](QAction*) { d->window().closeMainWindow(); });
    addCommand(m_fileMenu, Command::Quit, tr("Quit Orvane"), ctrl(Qt::Key_Q), [d](QAction*) { d->quitOrvane(); });
}

void BWMainMenu::buildEditMenu()
{
    BWAppDelegate* d = &m_delegate;
    QMenu* menu = addMenu(tr("&Edit"));
    addCommand(menu, Command::Find, tr("Find"), ctrl(Qt::Key_F), [d](QAction*) { d->selectSearchField(); });
    menu->addSeparator();
    addCommand(menu, Command::Preferences, tr("Preferences…"), ctrl(Qt::Key_Comma),
               [d](QAction*) { d->showPreferences(); });
}

void BWMainMenu::buildBillMenu()
{
    BWAppDelegate* d = &m_delegate;
    QMenu* menu = addMenu(tr("&Bill"));
    const auto logWithTag = [d](QAction* item) { d->showLogPaymentPanel(item); };
    addCommand(menu, Command::LogPayment, tr("Log Payment…"), ctrl(Qt::Key_L), logWithTag, FullPaymentTag);
    addCommand(menu, Command::LogPartial, tr("Log Partial Payment…"), ctrl(Qt::ALT | Qt::Key_L), logWithTag,
               PartialPaymentTag);
    addCommand(menu, Command::QuickLog, tr("Quick Log"), ctrl(Qt::Key_T),
               [d](QAction* item) { d->quickLogShortcutPressed(item); });
    addCommand(menu, Command::SkipPayment, tr("Skip Payment…"), ctrl(Qt::Key_P),
               [d](QAction* item) { d->skipPaymentFromTouchbar(item); });
    menu->addSeparator();
    addCommand(menu, Command::PayNow, tr("Pay Now"), ctrl(Qt::ALT | Qt::Key_S),
               [d](QAction* item) { d->showBillWithPayAction(item); });
    addCommand(menu, Command::ViewWebsite, tr("View Website"), ctrl(Qt::Key_S),
               [d](QAction*) { d->showBillWithWebsiteAction(); });
    menu->addSeparator();
    addCommand(menu, Command::EditBill, tr("Edit…"), ctrl(Qt::Key_E), [d](QAction* item) { d->editSelectedBill(item); });
    addCommand(menu, Command::ArchiveOrRestore, tr("Archive"), ctrl(Qt::SHIFT | Qt::Key_A),
               [d](QAction* item) { d->archiveSelectedBill(item); }, ArchiveTag);
    addCommand(menu, Command::DeleteBill, tr("Delete…"), ctrl(Qt::Key_Backspace),
               [d](QAction* item) { d->deleteSelectedBill(item); });
    menu->addSeparator();
    addCommand(menu, Command::PreviousBill, tr("Previous Bill"), ctrl(Qt::Key_BracketLeft),
               [d](QAction* item) { d->switchBills(item); }, PreviousBillTag);
    addCommand(menu, Command::NextBill, tr("Next Bill"), ctrl(Qt::Key_BracketRight),
               [d](QAction* item) { d->switchBills(item); }, NextBillTag);
}

void BWMainMenu::buildViewMenu()
{
    BWAppDelegate* d = &m_delegate;
    QMenu* menu = addMenu(tr("&View"));
    addCommand(menu, Command::ShowOverview, tr("Show Overview"), ctrl(Qt::Key_0),
               [d](QAction* item) { d->showOverviewFromMenu(item); });
    menu->addSeparator();
    const QString titles[] = {tr("All Active Items"), tr("Archived Bills"), tr("Due Soon"),
                              tr("Due This Month"), tr("Paid This Month")};
    for (int position = 0; position < int(std::size(ListModeIndexes)); ++position) {
        const int index = ListModeIndexes[position];
        m_listModeActions.append(addCommand(menu, Command::ListMode, titles[position],
                                            ctrl(Qt::Key(Qt::Key_1 + position)),
                                            [d, index](QAction*) { d->window().showListMode(index); }));
    }
    menu->addSeparator();
    addCommand(menu, Command::TogglePaydays, tr("Show Paydays on Overview"), ctrl(Qt::ALT | Qt::Key_P),
               [d](QAction* item) { d->toggleIncomeVisibility(item); });
    menu->addSeparator();
    addCommand(menu, Command::ShowForecast, tr("Forecast"), ctrl(Qt::ALT | Qt::Key_F),
               [d](QAction*) { d->sideWindows().showForecast(); });
    addCommand(menu, Command::ShowHistory, tr("History"), ctrl(Qt::ALT | Qt::Key_H),
               [d](QAction*) { d->sideWindows().showHistory(); });
    addCommand(menu, Command::ShowReports, tr("Reports"), ctrl(Qt::ALT | Qt::Key_R),
               [d](QAction*) { d->sideWindows().showReports(); });
}

void BWMainMenu::buildHelpMenu()
{
    BWAppDelegate* d = &m_delegate;
    QMenu* menu = addMenu(tr("&Help"));
    m_helpMenu = menu;
    using Page = BWObjectController::HelpPage;
    const auto openPage
        = [d](Page page) { return [d, page](QAction*) { d->welcome().objectController()->openHelpPage(page); }; };
    m_helpActions = {
        addCommand(menu, Command::Help, tr("Orvane Manual"), QKeySequence::HelpContents, openPage(Page::OrvaneManual)),
        addCommand(menu, Command::Help, tr("&Quick Start Guide"), QKeySequence(),
                   [d](QAction*) { d->welcome().objectController()->showQuickStartGuide(); }),
        addCommand(menu, Command::Help, tr("What's &New in Orvane"), QKeySequence(), openPage(Page::WhatsNew)),
        addCommand(menu, Command::Help, tr("Forecast &Help"), QKeySequence(), openPage(Page::ForecastHelp)),
        addCommand(menu, Command::Help, tr("Orvane &Support"), QKeySequence(), [d](QAction*) { d->reportBug(); }),
        addCommand(menu, Command::Help, tr("&Write to Support…"), QKeySequence(), [d](QAction*) { d->readBlogPost(); }),
        addCommand(menu, Command::Help, tr("Sign &Up for News"), QKeySequence(), [d](QAction*) { d->signUpForList(); }),
    };
    menu->addSeparator();
    addCommand(menu, Command::About, tr("&About Orvane"), QKeySequence(), [this](QAction*) { showAbout(); });
}

void BWMainMenu::buildToolbar()
{
    m_toolbar = new QToolBar(tr("Toolbar"), &m_window);
    m_toolbar->setObjectName(QStringLiteral("mainToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->toggleViewAction()->setEnabled(false);
    m_window.addToolBar(Qt::TopToolBarArea, m_toolbar);
    const QColor ink = m_window.palette().color(QPalette::ButtonText);
    const std::pair<Command, const char*> items[] = {
        {Command::ShowOverview, "overview"}, {Command::NewBill, "newBill"},      {Command::LogPayment, "logPayment"},
        {Command::QuickLog, "quickLog"},     {Command::SkipPayment, "skipPayment"}, {Command::PayNow, "payNow"},
        {Command::EditBill, "editBill"},     {Command::ShowForecast, "forecast"},   {Command::ShowHistory, "history"},
        {Command::ShowReports, "reports"},   {Command::Preferences, "preferences"},
    };
    for (const auto& [command, imageName] : items) {
        QAction* item = action(command);
        item->setIcon(BWIconFont::icon(QString::fromLatin1(imageName), ink));
        if (command == Command::ShowForecast || command == Command::Preferences)
            m_toolbar->addSeparator();
        m_toolbar->addAction(item);
    }
}

QList<QAction*> BWMainMenu::allActions() const
{
    return m_commandOf.keys();
}

void BWMainMenu::validate(const BWMenuValidation::Context& context)
{
    for (auto entry = m_commandOf.cbegin(); entry != m_commandOf.cend(); ++entry)
        entry.key()->setEnabled(BWMenuValidation::isEnabled(entry.value(), context));
    QAction* archive = action(Command::ArchiveOrRestore);
    const bool restores = BWMenuValidation::restores(context);
    archive->setText(restores ? tr("Restore") : tr("Archive"));
    SenderTag::set(archive, restores ? RestoreTag : ArchiveTag);
}

void BWMainMenu::showAbout()
{
    auto* about = new QMessageBox(QMessageBox::NoIcon, tr("About Orvane"),
                                  tr("Orvane keeps your recurring bills and income in order."), QMessageBox::Ok,
                                  &m_window);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setTextFormat(Qt::PlainText);
    about->open();
}
