#include "shell/BWMenulet.h"

#include "ShellTestStore.h"
#include "store/BWStatisticsCalculator.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>

#include <gtest/gtest.h>

#include <functional>

using namespace BWDefaultsKeys;

namespace {

const QString Separator = QStringLiteral("-");

class BWMenuletTest : public testing::Test
{
protected:
    BWMenuletTest() { menulet.createMenu(); }

    // The menu as the user reads it: titles (names without the due text)
    // and "-" for separators.
    QStringList menuTitles() const
    {
        QStringList titles;
        for (const QAction* item : menulet.theMenu()->actions())
            titles.append(item->isSeparator() ? Separator : item->text().section(QStringLiteral(" — "), 0, 0));
        return titles;
    }
    QAction* itemTitled(const QString& title) const
    {
        for (QAction* item : menulet.theMenu()->actions()) {
            if (item->text().section(QStringLiteral(" — "), 0, 0) == title)
                return item;
        }
        return nullptr;
    }
    // A point on the icon's outline, away from the count's badge.
    static QColor outlineColour(const QImage& image) { return image.pixelColor(14, 20); }

    shelltest::ShellTestStore store;
    BWMenulet menulet{store.env};
};

TEST_F(BWMenuletTest, AnEmptyListOffersOnlyTheWindowAndQuitting)
{
    menulet.updateMenuWithDataSource({});
    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, "Quit Orvane"}));
    EXPECT_EQ(menulet.statusTitle(), QString());
}

TEST_F(BWMenuletTest, BillsWithNothingDueSoonLeaveTwoSeparatorsAndThePlainIcon)
{
    store.addBill(QStringLiteral("Rent"), 20);
    store.addBill(QStringLiteral("Water"), 30);
    menulet.updateMenuWithDataSource(store.loadedBills());

    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, Separator, "Quit Orvane"}));
    EXPECT_EQ(menulet.statusTitle(), QString());
    EXPECT_EQ(menulet.statusImage(), menulet.menuIcon());
    EXPECT_EQ(menulet.statusItem()->toolTip(), QStringLiteral("Orvane"));
}

TEST_F(BWMenuletTest, ABillDueOnTheLastDayOfTheDueSoonWindowIsListed)
{
    ASSERT_TRUE(store.defaults.setInteger(BWDueSoonDays, 7));
    store.addBill(QStringLiteral("In seven"), 7);
    store.addBill(QStringLiteral("In eight"), 8);
    menulet.updateMenuWithDataSource(store.loadedBills());

    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, "In seven", Separator, "Quit Orvane"}));
    EXPECT_EQ(menulet.statusTitle(), QStringLiteral("1"));
    EXPECT_EQ(menulet.statusItem()->toolTip(), QStringLiteral("Orvane: 1 due"));
}

TEST_F(BWMenuletTest, ListsBillsByDueDateWithTheirDueTexts)
{
    store.addBill(QStringLiteral("Phone"), 5);
    store.addBill(QStringLiteral("Power"), -2);
    store.addBill(QStringLiteral("Gym"), 0);
    menulet.updateMenuWithDataSource(store.loadedBills());

    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, "Power", "Gym", "Phone", Separator, "Quit Orvane"}));
    EXPECT_EQ(itemTitled(QStringLiteral("Power"))->text(), QStringLiteral("Power — Overdue by 2 days"));
    EXPECT_EQ(itemTitled(QStringLiteral("Gym"))->text(), QStringLiteral("Gym — Due today"));
    EXPECT_EQ(menulet.statusTitle(), QStringLiteral("3"));
}

TEST_F(BWMenuletTest, IncomeIsNeverListedAndAutomaticBillsOnlyWhenCounted)
{
    store.addBill(QStringLiteral("Salary"), 1, {{BillKeys::IsIncome, true}});
    store.addBill(QStringLiteral("Insurance"), 2, {{BillKeys::PayType, qlonglong(1)}});

    ASSERT_TRUE(store.defaults.setBool(BWDontCountAuto, true));
    menulet.updateMenuWithDataSource(store.loadedBills());
    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, Separator, "Quit Orvane"}));

    ASSERT_TRUE(store.defaults.setBool(BWDontCountAuto, false));
    menulet.updateMenuWithDataSource(store.loadedBills());
    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, "Insurance", Separator, "Quit Orvane"}));
    EXPECT_EQ(menulet.statusTitle(), QStringLiteral("1"));
}

TEST_F(BWMenuletTest, AnyListedOverdueBillTurnsTheIconRed)
{
    const QVariantMap automatic{{BillKeys::PayType, qlonglong(1)}};
    struct Case {
        const char* what;
        int lateDays;
        QVariantMap fields;
        bool countAutomatic;
        QColor colour;
        QString toolTip;
    };
    const QList<Case> cases = {
        {"due in two days", 2, {}, true, BWMenulet::DueSoonColor, QStringLiteral("Orvane: 2 due")},
        {"a day late", -1, {}, true, BWMenulet::OverdueColor, QStringLiteral("Orvane: 2 due, some overdue")},
        // Overdue is the red due dot, which an automatic bill never has.
        {"an automatic one late", -3, automatic, true, BWMenulet::DueSoonColor, QStringLiteral("Orvane: 2 due")},
        {"an automatic one late, not counted", -3, automatic, false, BWMenulet::DueSoonColor,
         QStringLiteral("Orvane: 1 due")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        shelltest::ShellTestStore cleanStore;
        ASSERT_TRUE(cleanStore.defaults.setBool(BWDontCountAuto, !c.countAutomatic));
        BWMenulet tray{cleanStore.env};
        tray.createMenu();
        cleanStore.addBill(QStringLiteral("Soon"), 1);
        cleanStore.addBill(QStringLiteral("Other"), c.lateDays, c.fields);
        tray.updateMenuWithDataSource(cleanStore.loadedBills());
        EXPECT_EQ(outlineColour(tray.statusImage()), outlineColour(tray.imageTintedWithColor(c.colour)));
        EXPECT_EQ(tray.statusItem()->toolTip(), c.toolTip);
    }
}

TEST_F(BWMenuletTest, WithoutColoursTheCountStandsOnThePlainIcon)
{
    ASSERT_TRUE(store.defaults.setBool(BWShouldDisplayStatusColors, false));
    store.addBill(QStringLiteral("Late"), -1);
    menulet.updateMenuWithDataSource(store.loadedBills());

    EXPECT_EQ(outlineColour(menulet.statusImage()), outlineColour(menulet.menuIcon()));
    EXPECT_NE(menulet.statusImage(), menulet.menuIcon());  // the count's badge
    EXPECT_EQ(menulet.statusItem()->toolTip(), QStringLiteral("Orvane: 1 due"));
}

TEST_F(BWMenuletTest, WithoutTheStatusTitleNeitherCountNorColourShows)
{
    ASSERT_TRUE(store.defaults.setBool(BWShouldDisplayStatusTitle, false));
    store.addBill(QStringLiteral("Late"), -1);
    menulet.updateMenuWithDataSource(store.loadedBills());

    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, "Late", Separator, "Quit Orvane"}));
    EXPECT_EQ(menulet.statusTitle(), QString());
    EXPECT_EQ(menulet.statusImage(), menulet.menuIcon());
    EXPECT_EQ(menulet.statusItem()->toolTip(), QStringLiteral("Orvane"));
}

TEST_F(BWMenuletTest, WhileTheMenuIsSwitchedOffRefreshesLeaveItAlone)
{
    menulet.updateMenuWithDataSource({});
    ASSERT_TRUE(store.defaults.setBool(BWEnableMenu, false));
    store.addBill(QStringLiteral("Late"), -1);
    menulet.updateMenuWithDataSource(store.loadedBills());
    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, "Quit Orvane"}));
}

TEST_F(BWMenuletTest, OffersThePreferencesInMenuBarOnlyMode)
{
    ASSERT_TRUE(store.defaults.setInteger(OrvaneVisibility, 1));
    menulet.updateMenuWithDataSource({});
    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", "Preferences", Separator, "Quit Orvane"}));
}

TEST_F(BWMenuletTest, ChoosingAnItemAnnouncesIt)
{
    ASSERT_TRUE(store.defaults.setInteger(OrvaneVisibility, 1));
    const QString billID = store.addBill(QStringLiteral("Rent"), 3);
    menulet.updateMenuWithDataSource(store.loadedBills());
    QSignalSpy bills(&menulet, &BWMenulet::billChosen);
    QSignalSpy show(&menulet, &BWMenulet::showOrvaneChosen);
    QSignalSpy preferences(&menulet, &BWMenulet::preferencesChosen);
    QSignalSpy quit(&menulet, &BWMenulet::quitChosen);

    itemTitled(QStringLiteral("Rent"))->trigger();
    itemTitled(QStringLiteral("Show Orvane"))->trigger();
    itemTitled(QStringLiteral("Preferences"))->trigger();
    itemTitled(QStringLiteral("Quit Orvane"))->trigger();

    ASSERT_EQ(bills.count(), 1);
    EXPECT_EQ(bills.at(0).at(0).toString(), billID);
    EXPECT_EQ(itemTitled(QStringLiteral("Rent"))->data().toString(), billID);
    EXPECT_EQ(show.count(), 1);
    EXPECT_EQ(preferences.count(), 1);
    EXPECT_EQ(quit.count(), 1);
}

TEST_F(BWMenuletTest, AnAmpersandInANameIsShownAsItIs)
{
    store.addBill(QStringLiteral("Gas & Power"), 1);
    menulet.updateMenuWithDataSource(store.loadedBills());
    const QAction* item = menulet.theMenu()->actions().at(2);
    EXPECT_TRUE(item->iconText().startsWith(QStringLiteral("Gas & Power"))) << item->iconText().toStdString();
}

TEST_F(BWMenuletTest, IsMadeOnlyOncePerRun)
{
    QSystemTrayIcon* first = menulet.statusItem();
    menulet.updateMenuWithDataSource({});
    menulet.createMenu();
    EXPECT_EQ(menulet.statusItem(), first);
    EXPECT_EQ(menulet.theMenu()->actions().size(), 3);
}

TEST(BWMenuletBeforeCreation, RefreshesChangeNothing)
{
    shelltest::ShellTestStore store;
    BWMenulet menulet(store.env);
    menulet.updateMenuWithDataSource({});
    menulet.setStatusTitle(QStringLiteral("2"), 2, true);
    EXPECT_EQ(menulet.theMenu(), nullptr);
    EXPECT_EQ(menulet.statusItem(), nullptr);
    EXPECT_EQ(menulet.statusTitle(), QString());
}

TEST_F(BWMenuletTest, TintingColoursOnlyTheIconsOwnPixels)
{
    const QImage plain = menulet.menuIcon();
    const QImage tinted = menulet.imageTintedWithColor(BWMenulet::OverdueColor);
    ASSERT_EQ(tinted.size(), plain.size());
    EXPECT_EQ(tinted.pixelColor(0, 0).alpha(), 0);  // a corner outside the icon stays clear
    const QColor outline = outlineColour(tinted);
    EXPECT_EQ(outline.alpha(), outlineColour(plain).alpha());
    EXPECT_GT(outline.red(), 200);
    EXPECT_LT(outline.green(), 80);
    EXPECT_EQ(menulet.imageTintedWithColor(QColor()), plain);
}

}  // namespace

TEST(BWMenuletMenuText, MnemonicMarksAreEscapedForEachHost)
{
    struct Case
    {
        const char* plain;
        BWMenulet::MenuHost host;
        const char* shown;
    };
    const Case cases[] = {
        {"Gas_Bill", BWMenulet::MenuHost::DBus, "Gas__Bill"},
        {"Gas_Bill", BWMenulet::MenuHost::Qt, "Gas_Bill"},
        {"Gas & Power", BWMenulet::MenuHost::DBus, "Gas && Power"},
        {"Gas & Power", BWMenulet::MenuHost::Qt, "Gas && Power"},
        {"_&_", BWMenulet::MenuHost::DBus, "__&&__"},
    };
    for (const Case& each : cases)
        EXPECT_EQ(BWMenulet::menuText(QString::fromUtf8(each.plain), each.host), QString::fromUtf8(each.shown))
            << each.plain;
}

namespace {

// What each host shows for an item title: Qt draws "&&" as "&" and takes a
// single "&" for the mnemonic mark. For a D-Bus host, Qt turns the first "&"
// that does not end the label into "_" and the host draws "__" as "_" and
// takes the first single "_" for the mnemonic mark.
QString shownByHost(const QString& title, BWMenulet::MenuHost host)
{
    QString label = title;
    QChar mark = u'&';
    if (host == BWMenulet::MenuHost::DBus) {
        mark = u'_';
        const qsizetype first = label.indexOf(u'&');
        if (first >= 0 && first < label.size() - 1)
            label[first] = u'_';
    }
    QString shown;
    bool markUsed = false;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label.at(i) != mark || i + 1 == label.size()) {
            shown.append(label.at(i));
        } else if (label.at(i + 1) == mark) {
            shown.append(mark);
            ++i;
        } else if (markUsed) {
            shown.append(label.at(i));
        } else {
            markUsed = true;
        }
    }
    return shown;
}

}  // namespace

TEST(BWMenuletMenuText, EveryHostShowsTheTextAsWritten)
{
    const char* const texts[] = {"Tom & Jerry & Co", "Gas_Bill & Co", "A&", "&&", "_&_", "R&D_Lab_", "Plain"};
    for (const BWMenulet::MenuHost host : {BWMenulet::MenuHost::Qt, BWMenulet::MenuHost::DBus}) {
        for (const char* text : texts) {
            const QString plain = QString::fromUtf8(text);
            const QString title = BWMenulet::menuText(plain, host);
            EXPECT_EQ(shownByHost(title, host), plain) << text << " as " << title.toStdString();
        }
    }
}

TEST_F(BWMenuletTest, BillEntriesCarryTheirIcons)
{
    store.addBill(QStringLiteral("Rent"), 1);
    menulet.updateMenuWithDataSource(store.loadedBills());
    const QAction* item = itemTitled(QStringLiteral("Rent"));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->icon().isNull());
}

// ---- Refreshes after a change ------------------------------------------------

// A change to the stored bills between two refreshes.
struct MenuChangeCase
{
    const char* name;
    std::function<void(class BWMenuletRefreshTest& test, const QStringList& ids)> change;
};

class BWMenuletRefreshTest : public BWMenuletTest, public testing::WithParamInterface<MenuChangeCase>
{
protected:
    // Everything the menu and the tray show, entry by entry.
    static QStringList shown(const BWMenulet& tray)
    {
        QStringList lines;
        for (const QAction* item : tray.theMenu()->actions())
            lines.append(item->isSeparator() ? Separator
                                             : item->text() + " | " + item->data().toString()
                                                   + (item->icon().isNull() ? " | no icon" : QString()));
        lines << tray.statusTitle() << tray.statusItem()->toolTip();
        return lines;
    }

    void rewrite(const QString& billID, const QVariantMap& changes)
    {
        QVariantMap record = *BWBillsLoader(store.env).loadBillWithID(billID);
        for (auto change = changes.begin(); change != changes.end(); ++change)
            record.insert(change.key(), change.value());
        ASSERT_TRUE(BWBill(store.env).finishWritingBillWithDictionary(record, false, false));
    }

public:
    using BWMenuletTest::store;
    void moveDue(const QString& billID, int days)
    {
        rewrite(billID, {{BillKeys::DueDate, store.daysFromNow(days).toUTC()}});
    }
    void rename(const QString& billID, const QString& name) { rewrite(billID, {{BillKeys::Name, name}}); }
};

// The menu after an earlier refresh shows what a first refresh shows.
TEST_P(BWMenuletRefreshTest, ShowsWhatAFreshMenuShows)
{
    const QStringList ids{store.addBill(QStringLiteral("Power"), -2), store.addBill(QStringLiteral("Gym"), 1),
                          store.addBill(QStringLiteral("Phone"), 3), store.addBill(QStringLiteral("Rent"), 3),
                          store.addBill(QStringLiteral("Water"), 20)};
    menulet.updateMenuWithDataSource(store.loadedBills());
    GetParam().change(*this, ids);
    menulet.updateMenuWithDataSource(store.loadedBills());

    BWMenulet fresh(store.env);
    fresh.createMenu();
    fresh.updateMenuWithDataSource(store.loadedBills());
    EXPECT_EQ(shown(menulet), shown(fresh));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BWMenuletRefreshTest,
    testing::Values(
        MenuChangeCase{"NothingChanged", [](BWMenuletRefreshTest&, const QStringList&) {}},
        MenuChangeCase{"OverdueBillPaidLeavesTheList",
                       [](BWMenuletRefreshTest& test, const QStringList& ids) { test.moveDue(ids.at(0), 28); }},
        MenuChangeCase{"BillMovesToTheTop",
                       [](BWMenuletRefreshTest& test, const QStringList& ids) { test.moveDue(ids.at(3), -5); }},
        MenuChangeCase{"BillComesDue",
                       [](BWMenuletRefreshTest& test, const QStringList& ids) { test.moveDue(ids.at(4), 2); }},
        MenuChangeCase{"NothingLeftDue",
                       [](BWMenuletRefreshTest& test, const QStringList& ids) {
                           for (const QString& billID : ids.mid(0, 4))
                               test.moveDue(billID, 25);
                       }},
        MenuChangeCase{"NewBillAmongOthers",
                       [](BWMenuletRefreshTest& test, const QStringList&) {
                           test.store.addBill(QStringLiteral("Insurance"), 3);
                       }},
        MenuChangeCase{"Renamed", [](BWMenuletRefreshTest& test, const QStringList& ids) {
                           test.rename(ids.at(1), QStringLiteral("Gym & Pool"));
                       }},
        MenuChangeCase{"FirstAndLastRenamed",
                       [](BWMenuletRefreshTest& test, const QStringList& ids) {
                           test.rename(ids.at(0), QStringLiteral("Power and light"));
                           test.rename(ids.at(3), QStringLiteral("Rent and parking"));
                       }},
        MenuChangeCase{"TwoBillsSwapPlaces", [](BWMenuletRefreshTest& test, const QStringList& ids) {
                           test.moveDue(ids.at(0), 2);
                           test.moveDue(ids.at(2), -3);
                       }}),
    [](const testing::TestParamInfo<MenuChangeCase>& info) { return std::string(info.param.name); });

TEST_F(BWMenuletTest, OpeningTheMenuOnANewDayShowsThatDaysDueTextsAtOnce)
{
    store.addBill(QStringLiteral("Power"), -2);
    store.addBill(QStringLiteral("Phone"), 1);
    menulet.updateMenuWithDataSource(store.loadedBills());
    QSignalSpy askedForTheDay(&menulet, &BWMenulet::menuWillOpen);

    store.clock.setNow(store.clock.now().addDays(1));
    emit menulet.theMenu()->aboutToShow();

    EXPECT_EQ(askedForTheDay.count(), 1);
    EXPECT_EQ(itemTitled(QStringLiteral("Power"))->text(), QStringLiteral("Power — Overdue by 3 days"));
    EXPECT_EQ(itemTitled(QStringLiteral("Phone"))->text(), QStringLiteral("Phone — Due today"));
}

// The tray counts and marks as the side bar and the badge do: a repeating
// bill listed with a further occurrence is one bill, named once.
TEST_F(BWMenuletTest, ARepeatingBillWithAFurtherOccurrenceCountsOnce)
{
    store.addBill(QStringLiteral("Weekly"), -3);
    store.addBill(QStringLiteral("Phone"), 2);
    QVariantList rows = store.loadedBills();
    for (const QVariant& row : store.loadedBills()) {
        QVariantMap next = row.toMap();
        next.insert(BillKeys::DueDate, next.value(BillKeys::DueDate).toDateTime().addDays(7));
        next.insert(BillKeys::SortableDueDate, next.value(BillKeys::SortableDueDate).toLongLong() + 7 * 86400);
        next.insert(BillKeys::HumanDueDate, QStringLiteral("a week later"));
        rows.append(next);
    }
    menulet.updateMenuWithDataSource(rows);

    EXPECT_EQ(menuTitles(), (QStringList{"Show Orvane", Separator, "Weekly", "Phone", Separator, "Quit Orvane"}));
    EXPECT_EQ(itemTitled(QStringLiteral("Weekly"))->text(), QStringLiteral("Weekly — Overdue by 3 days"));
    EXPECT_EQ(menulet.statusTitle(), QStringLiteral("2"));
    EXPECT_EQ(menulet.statusTitle().toLongLong(),
              BWStatisticsCalculator(store.env).countAndAmountofBillsDueSoonForData(rows).count);
}
