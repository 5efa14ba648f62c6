#pragma once

#include "shell/BWMainScreens.h"
#include "support/RecordingSoundPlayer.h"

#include "ShellTestStore.h"

#include "screens/BWOverviewController.h"
#include "shell/BWAppDelegate.h"

#include <QAbstractButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

// The real overview and log-payment panel over a store of their own, wired
// to a delegate that has gone through start-up.
class BWMainScreensTest : public testing::Test
{
protected:
    BWMainScreensTest()
    {
        rent = store.addBill(QStringLiteral("Rent"), 2,
                             {{BillKeys::PaySite, QStringLiteral("https://landlord.example/pay")}});
        power = store.addBill(QStringLiteral("Power"), 5);
        interaction.openUrl = [this](const QUrl& url) {
            openedUrls.append(url);
            return true;
        };
        interaction.sounds = sounds;
    }

    void startUp()
    {
        screens = std::make_unique<BWMainScreens>(store.env, delegate, interaction);
        delegate.awakeFromNib();
        delegate.applicationDidFinishLaunching();
    }
    BWOverviewController& overview() const { return screens->overview(); }
    // A click on the row; with Ctrl held, the row joins the selection.
    void selectRow(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTableView* table = overview().billTable();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                          table->visualRect(table->model()->index(row, 0)).center());
    }
    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    shelltest::ShellTestStore store;
    std::shared_ptr<RecordingSoundPlayer> sounds = std::make_shared<RecordingSoundPlayer>();
    BWUserInteraction interaction;
    QList<QUrl> openedUrls;
    BWAppDelegate delegate{store.env, store.temp.file(QStringLiteral("calendars"))};
    std::unique_ptr<BWMainScreens> screens;
    QString rent;
    QString power;
};
