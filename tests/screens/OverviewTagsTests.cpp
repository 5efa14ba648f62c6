#include "OverviewTestFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

#include "store/BWDefaultsKeys.h"
#include "store/BWTagList.h"
#include "support/ShownText.h"
#include "widgets/BWDateField.h"

namespace {

class OverviewTagsTest : public OverviewTest
{
protected:
    OverviewTagsTest()
    {
        storeBill(QStringLiteral("Rent"), 2, {{BillKeys::Tags, QVariantList{QStringLiteral("Home")}}});
        storeBill(QStringLiteral("Gym"), 4, {{BillKeys::Tags, QVariantList{QStringLiteral("Health")}}});
        storeBill(QStringLiteral("Car"), 6, {{BillKeys::Tags, QVariantList{QStringLiteral("Auto")}}});
        overview->loadOverview();
    }
    QStringList storedTags() const { return BWTagList(env).getListOfTags().value_or(QStringList()); }
    QPushButton* vacationDoneButton() const
    {
        for (QPushButton* button : overview->vacationPopover().popover()->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Done"))
                return button;
        }
        return nullptr;
    }
};

}  // namespace

TEST_F(OverviewTagsTest, TheChosenTagStaysChosenByItsTitleWhenAnEarlierTagGoes)
{
    const int home = overview->header().tagDropdown()->findText(QStringLiteral("Home"));
    chooseList(home);
    ASSERT_EQ(shownNames(), QStringList{QStringLiteral("Rent")});
    ASSERT_TRUE(BWTagList(env).overwriteListOfTagsWithTags({QStringLiteral("Health"), QStringLiteral("Home")}));
    overview->loadOverview();
    EXPECT_EQ(overview->header().tagDropdown()->currentText(), QStringLiteral("Home"));
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("Rent")});

    // A chosen tag that is gone leaves the drop-down on all active items.
    ASSERT_TRUE(BWTagList(env).overwriteListOfTagsWithTags({QStringLiteral("Health")}));
    overview->updateTagList();
    EXPECT_EQ(overview->header().tagDropdown()->currentIndex(), int(BWOverviewController::AllActiveItems));
}

TEST_F(OverviewTagsTest, TheTagFieldRewritesTheTagList)
{
    EXPECT_EQ(overview->sidebar().tagList()->text(), QStringLiteral("Auto, Health, Home"));
    EXPECT_EQ(overview->sidebar().tagList()->cursorPosition(), 0) << "read from the first tag";
    overview->sidebar().tagList()->setText(QStringLiteral("Home,  Travel , Home,"));
    overview->saveTagChanges();
    EXPECT_EQ(storedTags(), (QStringList{QStringLiteral("Home"), QStringLiteral("Travel")}));
    EXPECT_GE(overview->header().tagDropdown()->findText(QStringLiteral("Travel")), 0);
    ASSERT_NE(overview->header().searchMenu(), nullptr);
    EXPECT_EQ(overview->header().searchMenu()->actions().size(), 2);
}

TEST_F(OverviewTagsTest, TheSearchMenuFiltersByATagAndEnterOpensTheTypedName)
{
    QSignalSpy opened(overview.get(), &BWOverviewController::showBillRequested);
    QAction* health = overview->header().searchMenu()->actions().at(1);
    ASSERT_EQ(health->text(), QStringLiteral("Health"));
    health->trigger();
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("Gym")});
    EXPECT_EQ(overview->header().searchField()->text(), QStringLiteral("Health"));

    overview->header().searchField()->setText(QStringLiteral("Car"));
    QTest::keyClick(overview->header().searchField(), Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(overview->header().searchField()->text(), QString());
}

TEST_F(OverviewTagsTest, ClosingTheVacationPopoverReloadsWithTheVacationShift)
{
    defaults.setBool(BWDefaultsKeys::ShouldAllowHolidayAdjustments, true);
    overview->showVacationModePopover(overview->header().airplaneButton());
    overview->vacationPopover().vacationStart()->setDate(clock.today().addDays(3));
    overview->vacationPopover().vacationEnd()->setDate(clock.today().addDays(7));
    overview->vacationPopover().vacationSwitch()->setChecked(true);
    EXPECT_TRUE(defaults.boolForKey(BWDefaultsKeys::VacationEnabled));
    overview->vacationPopover().popover()->close();
    // Gym, due in 4 days (a Saturday), falls within the vacation and moves to the day before it.
    const int gym = rowOf(QStringLiteral("Gym"));
    ASSERT_GE(gym, 0);
    EXPECT_EQ(overview->dataSourceFiltered().at(gym).toMap().value(BillKeys::DueDate).toDateTime().toLocalTime().date(),
              clock.today().addDays(2));
    EXPECT_EQ(overview->header().airplaneButton()->property("imageName").toString(),
              QStringLiteral("893-airplaneselect"));
}

// Tags from a file or from sync may hold what a typed list would split or
// Qt would read as a shortcut mark: the tag field, the search menu and the
// drop-down keep each tag as it is.
TEST_F(OverviewTagsTest, TagsWithCommasAndAmpersandsStayAsTheyAre)
{
    const QStringList tags{QStringLiteral("Food, Drink"), QStringLiteral("Health"), QStringLiteral("Home & Car")};
    storeBill(QStringLiteral("Groceries"), 3, {{BillKeys::Tags, QVariantList{tags.first()}}});
    ASSERT_TRUE(BWTagList(env).overwriteListOfTagsWithTags(tags));
    overview->loadOverview();

    // Enter in the side bar's tag field leaves the list as it is.
    overview->sidebar().tagList()->setFocus();
    QTest::keyClick(overview->sidebar().tagList(), Qt::Key_Return);
    EXPECT_EQ(storedTags(), tags);
    overview->saveTagChanges();
    EXPECT_EQ(storedTags(), tags);

    ASSERT_NE(overview->header().searchMenu(), nullptr);
    const QList<QAction*> items = overview->header().searchMenu()->actions();
    ASSERT_EQ(items.size(), tags.size());
    for (int at = 0; at < items.size(); ++at) {
        EXPECT_EQ(shown::title(items.at(at)->text()), tags.at(at));
        EXPECT_TRUE(shown::marksNoShortcut(items.at(at)->text()));
    }
    items.first()->trigger();
    EXPECT_EQ(overview->header().searchField()->text(), tags.first());
    EXPECT_EQ(shownNames(), QStringList{QStringLiteral("Groceries")});

    EXPECT_GE(overview->header().tagDropdown()->findText(tags.at(2)), 0);
}

// The detail under a name may list the tags; its tool tip shows them as typed.
TEST_F(OverviewTagsTest, TheTagsToolTipShowsTagsAsTyped)
{
    defaults.setInteger(QStringLiteral("BW_WhatToShowOnOverview"), 2);
    storeBill(QStringLiteral("Water <Acme>"), 1,
              {{BillKeys::Tags, QVariantList{QStringLiteral("<i>Home</i>"), QStringLiteral("Car & <b>Co</b>")}}});
    overview->loadOverview();
    const int row = rowOf(QStringLiteral("Water <Acme>"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(shown::toolTip(cell(row, QStringLiteral("Name")).data(Qt::ToolTipRole).toString()),
              QStringLiteral("<i>Home</i>, Car & <b>Co</b>"));
}

// Switching the vacation on and pressing Done stores the days the popover
// shows, from today until today, not a window from the launch on for good.
TEST_F(OverviewTagsTest, DoneStoresTheVacationThePopoverShows)
{
    defaults.registerDefaults({{BWDefaultsKeys::VacationStartDate, clock.now().addSecs(-3600)},
                               {BWDefaultsKeys::VacationEndTime, PropertyList::distantFuture()}});
    overview->showVacationModePopover(overview->header().airplaneButton());
    QTest::mouseClick(overview->vacationPopover().vacationSwitch(), Qt::LeftButton);
    ASSERT_TRUE(vacationDoneButton());
    QTest::mouseClick(vacationDoneButton(), Qt::LeftButton);
    EXPECT_FALSE(overview->vacationPopover().popover()->isVisible());
    EXPECT_TRUE(defaults.boolForKey(BWDefaultsKeys::VacationEnabled));
    EXPECT_EQ(defaults.dateForKey(BWDefaultsKeys::VacationStartDate), clock.today().startOfDay());
    EXPECT_EQ(defaults.dateForKey(BWDefaultsKeys::VacationEndTime), QDateTime(clock.today(), QTime(23, 59, 59)));
}

// A day typed into the popover is taken by Done; text that names no day
// keeps the popover open and stores nothing of it.
TEST_F(OverviewTagsTest, DoneTakesTypedDaysAndRefusesTextThatNamesNone)
{
    overview->showVacationModePopover(overview->header().airplaneButton());
    overview->vacationPopover().vacationSwitch()->setChecked(true);
    const QDateTime storedEnd = defaults.dateForKey(BWDefaultsKeys::VacationEndTime);
    overview->vacationPopover().vacationEnd()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(overview->vacationPopover().vacationEnd(), QStringLiteral("someday"));
    QTest::mouseClick(vacationDoneButton(), Qt::LeftButton);
    EXPECT_TRUE(overview->vacationPopover().popover()->isVisible());
    EXPECT_EQ(defaults.dateForKey(BWDefaultsKeys::VacationEndTime), storedEnd);

    const QDate end = clock.today().addDays(9);
    overview->vacationPopover().vacationEnd()->setText(QLocale().toString(end, QStringLiteral("M/d/yy")));
    QTest::mouseClick(vacationDoneButton(), Qt::LeftButton);
    EXPECT_FALSE(overview->vacationPopover().popover()->isVisible());
    EXPECT_EQ(defaults.dateForKey(BWDefaultsKeys::VacationEndTime), QDateTime(end, QTime(23, 59, 59)));
}
