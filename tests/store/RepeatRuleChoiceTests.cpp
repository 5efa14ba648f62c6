#include <gtest/gtest.h>

#include "DueDateTestSupport.h"
#include "store/BWBill.h"
#include "store/BWBillsLoader.h"

namespace {

using Selection = QList<int>;

QVariantList pair(qlonglong count, qlonglong unit)
{
    return {count, unit};
}

class RepeatRuleChoiceTest : public ::testing::Test, protected DateRuleSettings
{
protected:
    BWBillsLoader loader{env};

    std::optional<Selection> mac(const QVariantList& repeat) const { return loader.getRepeatFromArrayMac(repeat); }
    std::optional<Selection> older(const QVariantList& repeat) const { return loader.getRepeatFromArray(repeat); }
};

// ---- Editor choice to stored pair ----

TEST_F(RepeatRuleChoiceTest, FixedChoicesStoreTheirPairs)
{
    const QList<QVariantList> expected = {pair(1, 0), pair(1, 1), pair(1, 2), pair(3, 2), pair(6, 2),
                                          pair(12, 2), {},        pair(0, 4), pair(2, 2), pair(2, 0)};
    for (int index = 0; index < expected.size(); ++index) {
        if (index == 6)
            continue;
        EXPECT_EQ(BWBill::calculateRepeatValuesWithRepeatSelector(index, 99, 4), expected.at(index))
            << "index " << index;
    }
}

TEST_F(RepeatRuleChoiceTest, CustomChoiceStoresTypedCountWithUnitOfCustomSelector)
{
    EXPECT_EQ(BWBill::calculateRepeatValuesWithRepeatSelector(6, 10, 0), pair(10, 3));
    EXPECT_EQ(BWBill::calculateRepeatValuesWithRepeatSelector(6, 3, 1), pair(3, 0));
    EXPECT_EQ(BWBill::calculateRepeatValuesWithRepeatSelector(6, 5, 2), pair(5, 2));
    EXPECT_EQ(BWBill::calculateRepeatValuesWithRepeatSelector(6, 1, 4), pair(1, 5));
    EXPECT_EQ(BWBill::calculateRepeatValuesWithRepeatSelector(6, 1, 6), pair(1, 6));
}

TEST_F(RepeatRuleChoiceTest, CustomSelectorsNamingNoUnitStoreDays)
{
    for (int customSelector : {3, 5, 7, 8, -1})
        EXPECT_EQ(BWBill::calculateRepeatValuesWithRepeatSelector(6, 4, customSelector), pair(4, 3))
            << "custom selector " << customSelector;
}

TEST_F(RepeatRuleChoiceTest, UnknownRepeatIndexStoresNothing)
{
    EXPECT_TRUE(BWBill::calculateRepeatValuesWithRepeatSelector(10, 1, 0).isEmpty());
    EXPECT_TRUE(BWBill::calculateRepeatValuesWithRepeatSelector(-1, 1, 0).isEmpty());
}

TEST_F(RepeatRuleChoiceTest, StoredPairsHoldIntegers)
{
    const QVariantList stored = BWBill::calculateRepeatValuesWithRepeatSelector(3, 0, 0);
    EXPECT_EQ(stored.at(0).typeId(), QMetaType::LongLong);
    EXPECT_EQ(stored.at(1).typeId(), QMetaType::LongLong);
}

// ---- Stored pair back to editor choice ----

TEST_F(RepeatRuleChoiceTest, StoredPairsOpenAsEditorSelections)
{
    EXPECT_EQ(mac(pair(1, 0)), Selection{0});
    EXPECT_EQ(mac(pair(2, 0)), (Selection{6, 1}));
    EXPECT_EQ(mac(pair(0, 0)), (Selection{6, 1}));
    EXPECT_EQ(mac(pair(7, 1)), Selection{1});
    EXPECT_EQ(mac(pair(1, 2)), Selection{2});
    EXPECT_EQ(mac(pair(3, 2)), Selection{3});
    EXPECT_EQ(mac(pair(6, 2)), Selection{4});
    EXPECT_EQ(mac(pair(12, 2)), Selection{5});
    EXPECT_EQ(mac(pair(2, 2)), (Selection{6, 2}));
    EXPECT_EQ(mac(pair(1, 3)), (Selection{6, 0}));
    EXPECT_EQ(mac(pair(0, 4)), Selection{7});
    EXPECT_EQ(mac(pair(1, 5)), (Selection{6, 4}));
    EXPECT_EQ(mac(pair(1, 6)), (Selection{6, 6}));
}

TEST_F(RepeatRuleChoiceTest, UnknownUnitOpensNothingAndUnreadablePairOpensMonthly)
{
    EXPECT_FALSE(mac(pair(1, 7)).has_value());
    EXPECT_FALSE(mac(pair(1, -1)).has_value());
    EXPECT_FALSE(mac(pair(1, 0x100000002LL)).has_value());
    EXPECT_EQ(mac({}), Selection{2});
    EXPECT_EQ(mac({1}), Selection{2});
}

TEST_F(RepeatRuleChoiceTest, RealNumbersInStoredPairReadAsIntegers)
{
    EXPECT_EQ(mac(QVariantList{3.0, 2.0}), Selection{3});
}

TEST_F(RepeatRuleChoiceTest, EveryChoiceSurvivesTheRoundTrip)
{
    for (int index = 0; index <= 9; ++index) {
        if (index == 6)
            continue;
        const QVariantList stored = BWBill::calculateRepeatValuesWithRepeatSelector(index, 0, 0);
        const Selection reopened = mac(stored).value();
        // The two "Custom: Every 2 ..." choices reopen as custom choices.
        if (index == 8)
            EXPECT_EQ(reopened, (Selection{6, 2}));
        else if (index == 9)
            EXPECT_EQ(reopened, (Selection{6, 1}));
        else
            EXPECT_EQ(reopened, Selection{index}) << "index " << index;
    }
    for (int customSelector : {0, 1, 2, 4, 6}) {
        const QVariantList stored = BWBill::calculateRepeatValuesWithRepeatSelector(6, 5, customSelector);
        EXPECT_EQ(mac(stored), (Selection{6, customSelector})) << "custom selector " << customSelector;
    }
}

TEST_F(RepeatRuleChoiceTest, OlderTableDiffersOnlyWhereItShould)
{
    EXPECT_EQ(older(pair(2, 0)), Selection{9});
    EXPECT_EQ(older(pair(2, 2)), Selection{8});
    EXPECT_EQ(older(pair(1, 5)), (Selection{6, 0}));
    EXPECT_EQ(older(pair(1, 6)), (Selection{6, 4}));
    EXPECT_EQ(older(pair(1, 7)), (Selection{6, 6}));
    EXPECT_FALSE(older(pair(1, 8)).has_value());
    EXPECT_FALSE(older(pair(1, -1)).has_value());
    for (const QVariantList& same : {pair(1, 0), pair(3, 0), pair(1, 1), pair(1, 2), pair(3, 2), pair(6, 2),
                                     pair(12, 2), pair(5, 2), pair(4, 3), pair(0, 4), QVariantList{}})
        EXPECT_EQ(older(same), mac(same));
}

// ---- Choice names ----

TEST_F(RepeatRuleChoiceTest, ChoiceNames)
{
    const QStringList names = {"Weekly", "Twice Per Month", "Monthly", "Quarterly", "Every 6 Months",
                               "Every Year", "Custom", "Never", "Custom: Every 2 Months",
                               "Custom: Every 2 Weeks"};
    for (int index = 0; index < names.size(); ++index)
        EXPECT_EQ(loader.repeatStringFromRepeatArray({index, 3}), names.at(index));
}

TEST_F(RepeatRuleChoiceTest, UnknownSelectionIsNamedMonthly)
{
    EXPECT_EQ(loader.repeatStringFromRepeatArray({10}), "Monthly");
    EXPECT_EQ(loader.repeatStringFromRepeatArray({-1}), "Monthly");
    EXPECT_EQ(loader.repeatStringFromRepeatArray({}), "Monthly");
}

}  // namespace
