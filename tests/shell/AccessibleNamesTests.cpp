#include "ScreenOpenersFixture.h"

#include "support/AccessibleTree.h"

#include <QAction>

namespace {

// One window or popover a user opens, and how; the opener hands back what
// it opened.
struct Opening
{
    const char* what;
    QWidget* (ScreenOpenersTest::*open)();
};

class AccessibleNamesTest : public ScreenOpenersTest, public testing::WithParamInterface<Opening>
{
public:
    AccessibleNamesTest() { BWAccessibleFactory::install(); }
};

TEST_P(AccessibleNamesTest, EveryControlThatShowsSaysWhatItIs)
{
    startUp();
    delegate.window().mainWindow()->show();
    QWidget* opened = (this->*GetParam().open)();
    ASSERT_TRUE(opened && opened->isVisible());
    QStringList nameless = accessibletree::namelessControlsOfShownWindows();
    for (QAction* pane : panes ? panel.toolbarItems() : QList<QAction*>()) {
        pane->trigger();
        nameless += accessibletree::namelessControls(panel.window());
    }
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u'\n').toStdString();
}

const Opening openings[] = {
    {"MainWindow", &ScreenOpenersTest::mainWindow},
    {"BillPage", &ScreenOpenersTest::billPage},
    {"NewBillEditor", &ScreenOpenersTest::newBillEditor},
    {"DueDateCalendar", &ScreenOpenersTest::dueDateCalendar},
    {"LogPaymentPanel", &ScreenOpenersTest::logPaymentPanel},
    {"SkipPopover", &ScreenOpenersTest::skipPopover},
    {"PaymentEditor", &ScreenOpenersTest::paymentEditor},
    {"AmountEditor", &ScreenOpenersTest::amountEditor},
    {"NotesEditor", &ScreenOpenersTest::notesEditor},
    {"BalanceEditor", &ScreenOpenersTest::balanceEditor},
    {"Forecast", &ScreenOpenersTest::forecast},
    {"History", &ScreenOpenersTest::history},
    {"Reports", &ScreenOpenersTest::reports},
    {"Vacation", &ScreenOpenersTest::vacation},
    {"IncomeSources", &ScreenOpenersTest::incomeSources},
    {"Preferences", &ScreenOpenersTest::preferences},
};

INSTANTIATE_TEST_SUITE_P(EveryWindow, AccessibleNamesTest, testing::ValuesIn(openings),
                         [](const testing::TestParamInfo<Opening>& info) { return std::string(info.param.what); });

}  // namespace

namespace {

// What a screen reader says of the bills where the main window lists them:
// a table row reads as its bill, a calendar day as its date and bills.
TEST_F(BWMainScreensTest, TheTableAndTheCalendarReadAsTheirBills)
{
    BWAccessibleFactory::install();
    startUp();
    QWidget* window = delegate.window().mainWindow();
    window->show();
    const struct
    {
        QString startsWith;
        QString reading;
    } readings[] = {
        {QStringLiteral("Rent, "), QStringLiteral("Rent, Due in 2 days, Thursday, March 7, $80.00")},
        {QStringLiteral("Power, "), QStringLiteral("Power, Due in 5 days, Sunday, March 10, $80.00")},
        {QStringLiteral("March 7"), QStringLiteral("March 7, Rent due")},
        {QStringLiteral("March 10"), QStringLiteral("March 10, Power due")},
        {QStringLiteral("March 11"), QStringLiteral("March 11")},
    };
    for (const auto& expected : readings) {
        QAccessibleInterface* found = accessibletree::findByName(window, expected.startsWith);
        ASSERT_TRUE(found) << expected.startsWith.toStdString();
        EXPECT_EQ(found->text(QAccessible::Name).toStdString(), expected.reading.toStdString());
    }
}

}  // namespace
