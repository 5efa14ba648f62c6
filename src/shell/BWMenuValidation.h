#pragma once

#include <QVariantMap>

#include <optional>

// Which of the main menu's commands can act at a given moment. The commands
// on a bill act on the overview's selected row while the overview is shown
// and on the bill page's bill while that is shown; what the bill and the
// number of selected rows offer is the rule of BWBillCommands, the same
// wherever a command is offered.
class BWMenuValidation
{
public:
    enum class Command {
        NewBill,
        NewSavingsGoal,
        ExportCSV,
        CloseWindow,
        Quit,
        Find,
        Preferences,
        LogPayment,
        LogPartial,
        QuickLog,
        SkipPayment,
        PayNow,
        ViewWebsite,
        EditBill,
        ArchiveOrRestore,
        DeleteBill,
        NextBill,
        PreviousBill,
        ShowOverview,
        ListMode,
        TogglePaydays,
        Help,
        About,
        ShowForecast,
        ShowHistory,
        ShowReports,
        // The data folder back to its usual place (File menu, Preferences).
        MoveDatabaseBack,
    };

    // What the commands depend on.
    struct Context
    {
        bool billPageShown = false;
        // Rows selected in the overview (ignored on the bill page).
        int selectedRows = 0;
        // The bill the commands act on: the selected row's or the page's.
        std::optional<QVariantMap> record;
        // Income is logged by itself (BW_ShouldAutoLogIncome).
        bool incomeLogsItself = false;
        // The data folder is kept elsewhere than its usual place
        // (BWCustomLocationEnabled).
        bool dataFolderElsewhere = false;
    };

    static bool isEnabled(Command command, const Context& context);
    // The archive item's title and tag: restoring an archived bill, archiving
    // any other.
    static bool restores(const Context& context);

private:
    // The bill page counts as one selected item.
    static int selectedItems(const Context& context);
};
