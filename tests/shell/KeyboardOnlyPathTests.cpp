#include "MainScreensTestFixture.h"

#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillDetailViewController.h"
#include "screens/BWBillEditorController.h"
#include "screens/BWLogPaymentController.h"
#include "widgets/BGHUDSearchField.h"
#include "widgets/BGHUDTextField.h"
#include "screens/BWOverviewHeader.h"
#include "shell/BWMainWindow.h"
#include "shell/BWPreferencePanes.h"
#include "shell/BWSideWindows.h"
#include "shell/BWStartup.h"
#include "shell/MGPreferencePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

#include <functional>

namespace {

// A new user's first minutes by the keyboard alone: every step is a key
// press where the focus is, and is checked in what is stored.
class KeyboardOnlyPathTest : public BWMainScreensTest
{
protected:
    KeyboardOnlyPathTest()
    {
        BWPreferencePanes::Services services;
        services.dataFolder = store.env.defaultDataFolder;
        services.calendarFolder = store.temp.file(QStringLiteral("calendars"));
        services.calendarFile = [] { return QString(); };
        panes = std::make_unique<BWPreferencePanes>(store.defaults, services);
        panes->fill(preferences);
        preferences.awakeFromNib();
    }

    static QWidget* focus() { return QApplication::focusWidget(); }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = focus() ? focus() : QApplication::activeWindow();
        ASSERT_TRUE(target);
        QTest::keyClick(target, key, modifiers);
    }
    static void type(const QString& text) { QTest::keyClicks(focus(), text); }
    // Presses Tab until the focus is on a control `wanted` takes.
    static bool tabTo(const std::function<bool(QWidget*)>& wanted)
    {
        for (int press = 0; press < 80 && focus(); ++press) {
            if (wanted(focus()))
                return true;
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        return focus() && wanted(focus());
    }
    static bool isActive(QWidget* window) { return window && QTest::qWaitForWindowActive(window); }

    // The stored file of the bill named `name`, or nothing.
    QVariantMap storedBill(const QString& name) const
    {
        for (const QString& file : QDir(store.env.defaultDataFolder).entryList({QStringLiteral("*.plist")})) {
            const QVariantMap record
                = PropertyList::read(QDir(store.env.defaultDataFolder).filePath(file)).value.toMap();
            if (record.value(BillKeys::Name) == name)
                return record;
        }
        return {};
    }

    std::unique_ptr<BWPreferencePanes> panes;
    MGPreferencePanel preferences;
};

TEST_F(KeyboardOnlyPathTest, AddFindOpenPaySkipRemindAndQuit)
{
    startUp();
    delegate.sideWindows().setPrefWindow(preferences.window());
    QWidget* window = delegate.window().mainWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(isActive(window));

    // Add a bill: New Bill, a name, an amount, Enter.
    press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(isActive(screens->billEditor().billNameField()->window()));
    ASSERT_EQ(focus(), static_cast<QWidget*>(screens->billEditor().billNameField()));
    type(QStringLiteral("Water"));
    const QList<QLineEdit*> amounts = screens->billEditor().amountFields();
    ASSERT_TRUE(tabTo([&amounts](QWidget* w) { return amounts.contains(w); }));
    static_cast<QLineEdit*>(focus())->selectAll();
    type(QStringLiteral("42.50"));
    press(Qt::Key_Return);
    const QVariantMap added = storedBill(QStringLiteral("Water"));
    ASSERT_FALSE(added.isEmpty());
    EXPECT_EQ(added.value(BillKeys::Amount).toDouble(), 42.5);
    const QString water = added.value(BillKeys::Bid).toString();
    const QDateTime firstDue = added.value(BillKeys::AbsoluteDueDate).toDateTime();

    // Find it: Find, its name, Tab into the table (which selects its row) and Enter.
    ASSERT_TRUE(isActive(window));
    press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(focus(), static_cast<QWidget*>(overview().header().searchField()));
    type(QStringLiteral("Water"));
    ASSERT_TRUE(tabTo([this](QWidget* w) { return w == overview().billTable(); }));
    press(Qt::Key_Return);
    ASSERT_EQ(screens->billView().currentBillID(), water);

    // Log a payment: Log Payment, Enter at its amount.
    press(Qt::Key_L, Qt::ControlModifier);
    QWidget* panel = screens->payLogger().panel();
    ASSERT_TRUE(isActive(panel));
    press(Qt::Key_Return);
    QTRY_VERIFY(!panel->isVisible());
    const QVariantList payments = storedBill(QStringLiteral("Water")).value(BillKeys::PaymentList).toList();
    ASSERT_EQ(payments.size(), 1);
    EXPECT_EQ(payments.first().toMap().value(PaymentKeys::Amount).toDouble(), 42.5);
    const QDateTime paidUntil = storedBill(QStringLiteral("Water")).value(BillKeys::AbsoluteDueDate).toDateTime();
    EXPECT_GT(paidUntil, firstDue);

    // Skip the next one: Skip Payment, Tab to its button, Space.
    ASSERT_TRUE(isActive(window));
    press(Qt::Key_P, Qt::ControlModifier);
    QWidget* skip = screens->billView().skipPaymentPopover();
    ASSERT_TRUE(isActive(skip));
    ASSERT_TRUE(tabTo([](QWidget* w) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        return button && button->text() == QStringLiteral("Skip Payment");
    }));
    press(Qt::Key_Space);
    QTRY_VERIFY(!skip->isVisible());
    const QVariantMap skipped = storedBill(QStringLiteral("Water"));
    EXPECT_EQ(skipped.value(BillKeys::PaymentList).toList().size(), 1);
    EXPECT_GT(skipped.value(BillKeys::AbsoluteDueDate).toDateTime(), paidUntil);

    // Turn on reminders for new bills: Preferences, its Reminders pane, Tab
    // to the box, Space.
    ASSERT_TRUE(isActive(window));
    press(Qt::Key_Comma, Qt::ControlModifier);
    ASSERT_TRUE(isActive(preferences.window()));
    press(Qt::Key(Qt::Key_1 + int(MGPreferencePanel::Reminders)), Qt::ControlModifier);
    const bool remindedBefore = store.defaults.boolForKey(BWDefaultsKeys::BWRemindersEnabled);
    const QString reminderBox = QStringLiteral("Turn reminders on for new bills");
    ASSERT_TRUE(tabTo([&reminderBox](QWidget* w) {
        auto* box = qobject_cast<QCheckBox*>(w);
        return box && box->text() == reminderBox;
    }));
    if (remindedBefore)
        press(Qt::Key_Space);   // off first, so that the step turns it on
    press(Qt::Key_Space);
    EXPECT_TRUE(UserDefaults(store.defaults.path()).boolForKey(BWDefaultsKeys::BWRemindersEnabled));

    // Quit: Escape closes Preferences and gives the main window the keys
    // back, where Ctrl+Q quits.
    press(Qt::Key_Escape);
    EXPECT_FALSE(preferences.window()->isVisible());
    ASSERT_TRUE(isActive(window));
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(delegate.startup().isTerminating());
    EXPECT_EQ(storedBill(QStringLiteral("Water")).value(BillKeys::PaymentList).toList().size(), 1);
}

}  // namespace
