// The main window's menu bar and toolbar.
#include "shell/BWAppDelegate.h"

#include "platform/UserDefaults.h"
#include "screens/BWOverviewScreen.h"
#include "shell/BWMainMenu.h"
#include "shell/BWWindowController.h"
#include "store/BWDefaultsKeys.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QToolBar>

void BWAppDelegate::createMainMenu()
{
    QMainWindow* window = m_customWindowController->window();
    auto* menu = new BWMainMenu(*this, *window);
    m_mainMenu = menu;
    // Whoever set up the application menu keeps it.
    if (!m_appMenu)
        setAppMenu(menu->fileMenu());
    addDataFolderAndHelpItems(*menu);
    handMenuItemsToOverview();
}

void BWAppDelegate::handMenuItemsToOverview()
{
    BWMainMenu* menu = m_mainMenu;
    if (!menu || !hasOverview())
        return;
    using Command = BWMenuValidation::Command;
    BWOverviewScreen::MenuItems items;
    items.menuItemNew = menu->action(Command::NewBill);
    items.importMenuItem = m_previousVersionImportItem;
    items.import4MenuItem = m_version4ImportItem;
    items.import4MenuCustom = m_version4FolderImportItem;
    items.closeMenuItem = menu->action(Command::CloseWindow);
    items.editBillButton = qobject_cast<QAbstractButton*>(menu->toolbar()->widgetForAction(menu->action(Command::EditBill)));
    items.editBillMenu = menu->action(Command::EditBill);
    items.deleteBillMenu = menu->action(Command::DeleteBill);
    items.archiveBillMenu = menu->action(Command::ArchiveOrRestore);
    m_screens.overview->setMenuItems(items);
}

BWMainMenu* BWAppDelegate::mainMenu() const
{
    return m_mainMenu;
}

BWMenuValidation::Context BWAppDelegate::commandContext() const
{
    BWMenuValidation::Context context;
    context.dataFolderElsewhere = m_defaults.boolForKey(BWDefaultsKeys::BWCustomLocationEnabled);
    if (!hasOverview())
        return context;
    context.billPageShown = billPageIsShown() && m_screens.billView;
    context.selectedRows = int(selectedOverviewRows().size());
    context.record = recordOfCurrentBill();
    context.incomeLogsItself = incomeLogsItself();
    return context;
}

void BWAppDelegate::validateMainMenu()
{
    if (BWMainMenu* menu = m_mainMenu)
        menu->validate(commandContext());
}

void BWAppDelegate::updateToolbar()
{
    BWMainMenu* menu = m_mainMenu;
    if (!menu)
        return;
    QToolBar* toolbar = menu->toolbar();
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->setVisible(true);
}

void BWAppDelegate::showListMode(int index)
{
    if (!hasOverview())
        return;
    // The list shows at once; the drop-down's choice brings the overview back.
    switchToOverviewWithoutReloading();
    m_screens.overview->showListMode(index);
}

void BWAppDelegate::closeMainWindow()
{
    if (QWidget* window = mainWindow())
        window->close();
}
