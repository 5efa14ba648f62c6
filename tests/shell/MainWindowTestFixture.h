#pragma once

#include "FakeMainWindowScreens.h"
#include "support/RecordingSoundPlayer.h"

#include "platform/BWUIDMaker.h"
#include "platform/PropertyList.h"
#include "platform/SenderTag.h"
#include "platform/SoundPlayer.h"
#include "screens/BWView.h"
#include "shell/BWAppDelegate.h"
#include "store/BWDefaultsKeys.h"
#include "shell/BWUserInteraction.h"
#include "shell/BWWindowController.h"
#include "widgets/BWAnimatingView.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "support/TempStoreEnvironment.h"
#include "support/TestBillRecords.h"

#include <QDir>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

// The application delegate with its main window over fake screens, on a data
// folder, defaults and clock of its own (Tuesday 8 March 2016, 10:00).
class MainWindowTest : public ::testing::Test, protected TempStoreEnvironment
{
protected:
    MainWindowTest() : TempStoreEnvironment(QStringLiteral("data/Orvane.ovdata"), QStringLiteral("data"))
    {
        clock.setNow(QDateTime(QDate(2016, 3, 8), QTime(10, 0)));
        defaults.registerDefaults({{BWDefaultsKeys::BWDueSoonDays, 7}, {BWDefaultsKeys::BWEnableIncome, true}});

        interaction.openUrl = [this](const QUrl& url) {
            openedUrls.append(url);
            return true;
        };
        interaction.chooseSaveFile = [this](QWidget*, const QString& title, const QString& suggestedName) {
            saveDialogs.append({title, suggestedName});
            return chosenSavePath;
        };
        interaction.showAlert = [this](QWidget*, const QString& message, const QString& informativeText) {
            alerts.append({message, informativeText});
        };
        interaction.sounds = sounds;
        delegate.setUserInteraction(interaction);
    }

    // The screens in the main window, as start-up leaves them.
    void startWithScreens() { startWith({&overview, &billPage, &editor, &payLogger}); }
    // The same with only some of them; the fakes of the others stay unused.
    void startWith(const BWAppDelegate::Screens& screens)
    {
        // Wired as the real screens' signals are.
        payLogger.paymentLogged = [this] { delegate.commands().reloadAfterPayment(); };
        editor.itemChanged = [this] { delegate.commands().reloadAfterItemChange(); };
        billPage.billChanged = [this] { delegate.commands().reloadAfterItemChange(); };
        delegate.setScreens(screens);
        delegate.window().createMainWindowController();
        delegate.customWindowController()->window()->resize(1000, 640);
        delegate.initializeViews();
        overview.loadOverview();
    }

    static QVariantMap bill(const QString& name, const QDate& dueDate, double amount = 50.0)
    {
        return {{BillKeys::Name, name},
                {BillKeys::DueDate, QDateTime(dueDate, QTime(9, 0)).toUTC()},
                {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
                {BillKeys::Amount, amount},
                {BillKeys::PayType, qlonglong(0)},
                {BillKeys::PaySite, QString()},
                {BillKeys::Tags, QVariantList{}},
                {BillKeys::IsArchived, false},
                {BillKeys::IsIncome, false}};
    }
    // Stores the record under a fresh id, listed as active; returns the id.
    QString addBill(QVariantMap record)
    {
        const QString billID = BWUIDMaker::makeUID();
        record.insert(BillKeys::Bid, billID);
        QDir().mkpath(env.defaultDataFolder);
        EXPECT_TRUE(PropertyList::write(billFile(billID), record));
        BWBillIndex index(env.defaultDataFolder);
        index.setIds(IndexKeys::ActiveBills, index.ids(IndexKeys::ActiveBills) << billID);
        EXPECT_TRUE(index.save());
        return billID;
    }
    QString billFile(const QString& billID) const
    {
        return QDir(env.defaultDataFolder).filePath(billID + QStringLiteral(".plist"));
    }
    QVariantMap storedBill(const QString& billID) const
    {
        return PropertyList::read(billFile(billID)).value.toMap();
    }
    QStringList indexList(const QString& list) const { return BWBillIndex(env.defaultDataFolder).ids(list); }

    // A sender of a command kind.
    static std::unique_ptr<QAction> taggedAction(int tag)
    {
        auto action = std::make_unique<QAction>();
        SenderTag::set(action.get(), tag);
        return action;
    }
    // Waits until the pane set shown has slid into the window and nothing
    // slides any more.
    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return shownPanesInSight() && !anyPaneSliding(); }, 10000));
    }
    bool shownPanesInSight()
    {
        const QWidget* pane = delegate.visibleView() == BWAppDelegate::OverviewPaneSet
                                  ? static_cast<const QWidget*>(overview.list())
                                  : billPage.billHeader();
        if (pane->parentWidget() != delegate.mainView())
            return true;   // a screen that is not in the window
        return !pane->isHidden() && delegate.mainView()->rect().intersects(pane->geometry());
    }
    bool anyPaneSliding()
    {
        const QList<QWidget*> panes = delegate.mainView()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        return std::any_of(panes.begin(), panes.end(),
                           [](const QWidget* pane) { return BWAnimatingView::runningAnimation(pane) != nullptr; });
    }

    std::shared_ptr<RecordingSoundPlayer> sounds = std::make_shared<RecordingSoundPlayer>();
    BWUserInteraction interaction;
    QList<QUrl> openedUrls;
    QList<QPair<QString, QString>> saveDialogs;
    QList<QPair<QString, QString>> alerts;
    QString chosenSavePath;

    FakeOverview overview{env};
    FakeBillPage billPage;
    FakeEditor editor{env};
    FakeLogPaymentPanel payLogger;
    // Made after the screens, so that it goes before them.
    BWAppDelegate delegate{env, temp.file(QStringLiteral("calendars"))};
};
