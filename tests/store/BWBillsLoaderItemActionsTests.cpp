#include "BWBillsLoaderTestFixture.h"

#include "store/BWBill.h"
#include "store/BWSecondaryActionKeys.h"

namespace {

const QString First = QStringLiteral("11111111111111111111111111111111");
const QString Second = QStringLiteral("22222222222222222222222222222222");

// A bill's action menu in its order.
const QStringList BillActions{BillActionTitle::QuickLog,   BillActionTitle::LogPartial, BillActionTitle::SkipPayment,
                              BillActionTitle::PayNow,     BillActionTitle::ViewWebsite, BillActionTitle::EditBill};
const QStringList IncomeActions{BillActionTitle::LogIncome, BillActionTitle::SkipPayment, BillActionTitle::EditIncome};

QVariantMap remembered(const QString& billID, const QString& action)
{
    return {{QStringLiteral("billID"), billID}, {QStringLiteral("actionString"), action}};
}

}  // namespace

class BWBillsLoaderSecondaryActionTest : public BWBillsLoaderTest
{
protected:
    void useSetting(qlonglong setting) { defaults.setInteger(QStringLiteral("BWSecondaryActionSetting"), setting); }
    void remember(const QVariantList& entries) { defaults.setObject(QStringLiteral("BWSecondaryAction"), entries); }
    QVariantList memory() const { return defaults.arrayForKey(QStringLiteral("BWSecondaryAction")); }
    QString actionFor(const QString& billID, const QStringList& offered) const
    {
        return loader().defaultSecondaryActionForBill(billID, offered);
    }
};

TEST_F(BWBillsLoaderSecondaryActionTest, EachBillKeepsItsOwnRememberedAction)
{
    remember({remembered(First, BillActionTitle::PayNow), remembered(Second, BillActionTitle::SkipPayment)});
    EXPECT_EQ(actionFor(First, BillActions), BillActionTitle::PayNow);
    EXPECT_EQ(actionFor(Second, BillActions), BillActionTitle::SkipPayment);
}

TEST_F(BWBillsLoaderSecondaryActionTest, RememberedActionNoLongerOfferedFallsBackWithoutForgetting)
{
    remember({remembered(First, BillActionTitle::PayNow)});
    EXPECT_EQ(actionFor(First, IncomeActions), BillActionTitle::LogIncome);
    EXPECT_EQ(memory(), (QVariantList{remembered(First, BillActionTitle::PayNow)}));
}

TEST_F(BWBillsLoaderSecondaryActionTest, BillWithoutAMemoryGetsTheFirstOfferedAction)
{
    remember({remembered(Second, BillActionTitle::PayNow), QStringLiteral("not an entry")});
    EXPECT_EQ(actionFor(First, BillActions), BillActionTitle::QuickLog);
    EXPECT_EQ(actionFor(First, {BillActionTitle::ViewWebsite}), BillActionTitle::ViewWebsite);
}

TEST_F(BWBillsLoaderSecondaryActionTest, FixedSettingsPickTheirActionWhenOffered)
{
    const QList<std::pair<qlonglong, QString>> fixed{{2, BillActionTitle::LogPartial},
                                                     {3, BillActionTitle::SkipPayment},
                                                     {4, BillActionTitle::QuickLog},
                                                     {6, BillActionTitle::ViewWebsite},
                                                     {7, BillActionTitle::PayNow}};
    remember({remembered(First, BillActionTitle::EditBill)});
    for (const auto& [setting, action] : fixed) {
        useSetting(setting);
        EXPECT_EQ(actionFor(First, BillActions), action) << setting;
        EXPECT_EQ(actionFor(First, {BillActionTitle::EditBill}), BillActionTitle::EditBill) << setting;
    }
}

TEST_F(BWBillsLoaderSecondaryActionTest, EditSettingPrefersEditBillThenEditIncome)
{
    useSetting(9);
    EXPECT_EQ(actionFor(First, BillActions), BillActionTitle::EditBill);
    EXPECT_EQ(actionFor(First, IncomeActions), BillActionTitle::EditIncome);
    EXPECT_EQ(actionFor(First, {BillActionTitle::QuickLog}), BillActionTitle::QuickLog);
}

TEST_F(BWBillsLoaderSecondaryActionTest, OtherSettingsGiveTheFirstOfferedAction)
{
    remember({remembered(First, BillActionTitle::PayNow)});
    for (qlonglong setting : {1, 5, 8, 10, 42, -1}) {
        useSetting(setting);
        EXPECT_EQ(actionFor(First, BillActions), BillActionTitle::QuickLog) << setting;
    }
}

TEST_F(BWBillsLoaderSecondaryActionTest, RememberingReplacesTheBillsEntryInPlace)
{
    remember({remembered(First, BillActionTitle::PayNow), remembered(Second, BillActionTitle::SkipPayment)});
    ASSERT_TRUE(loader().setDefaultAction(BillActionTitle::ViewWebsite, First));
    EXPECT_EQ(memory(), (QVariantList{remembered(First, BillActionTitle::ViewWebsite),
                                      remembered(Second, BillActionTitle::SkipPayment)}));
    EXPECT_EQ(actionFor(First, BillActions), BillActionTitle::ViewWebsite);
}

TEST_F(BWBillsLoaderSecondaryActionTest, RememberingANewBillAppendsAnEntryAndKeepsOthers)
{
    remember({QStringLiteral("not an entry")});
    ASSERT_TRUE(loader().setDefaultAction(BillActionTitle::PayNow, First));
    ASSERT_TRUE(loader().setDefaultAction(BillActionTitle::SkipPayment, Second));
    EXPECT_EQ(memory(), (QVariantList{QStringLiteral("not an entry"), remembered(First, BillActionTitle::PayNow),
                                      remembered(Second, BillActionTitle::SkipPayment)}));
}

TEST_F(BWBillsLoaderSecondaryActionTest, RememberedActionOutlivesTheLoaderThatStoredIt)
{
    ASSERT_TRUE(loader().setDefaultAction(BillActionTitle::SkipPayment, First));
    UserDefaults reread(defaults.path());
    EXPECT_EQ(reread.arrayForKey(QStringLiteral("BWSecondaryAction")),
              (QVariantList{remembered(First, BillActionTitle::SkipPayment)}));
}

// ---- Names, icons and tag completion ----

using BWBillsLoaderCatalogueTest = BWBillsLoaderTest;

TEST_F(BWBillsLoaderCatalogueTest, PaymentTypesHaveFixedEnglishNames)
{
    EXPECT_EQ(BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(qlonglong(0)), QStringLiteral("Online"));
    EXPECT_EQ(BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(qlonglong(1)), QStringLiteral("Automatic"));
    EXPECT_EQ(BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(2.0), QStringLiteral("Mail"));
    EXPECT_EQ(BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(qlonglong(3)), QStringLiteral("Phone"));
    EXPECT_EQ(BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(qlonglong(4)), QStringLiteral("Other"));
    EXPECT_EQ(BWBillsLoader::getPaymentTypeStringWithPaymentTypeNumber(qlonglong(-1)), QStringLiteral("Other"));
}

TEST_F(BWBillsLoaderCatalogueTest, NumberedIconsMapBackToTheirNumbers)
{
    for (qlonglong number = 0; number < 12; ++number)
        EXPECT_EQ(loader().getIndexForIcon(BWBill::getIconFromInteger(number)), number);
    EXPECT_EQ(loader().getIndexForIcon(QStringLiteral("bill_internet.png")), 11);
    EXPECT_EQ(loader().getIndexForIcon(QStringLiteral("GScale_Home")), 0);
    EXPECT_EQ(loader().getIndexForIcon(QString()), 0);
}

TEST_F(BWBillsLoaderCatalogueTest, CatalogueIconsHaveAPositionAndTitle)
{
    const auto first = loader().getTitleForIcon(QStringLiteral("GScale_Home"));
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->position, 0);
    EXPECT_EQ(first->title, QStringLiteral("Mortgage & Rent"));
    EXPECT_EQ(loader().getTitleForIcon(QStringLiteral("Jewelery"))->title, QStringLiteral("Jewelry"));
    EXPECT_EQ(loader().getTitleForIcon(QStringLiteral("Jewelery"))->position, 26);
    EXPECT_EQ(loader().getTitleForIcon(QStringLiteral("Savings"))->position, 42);
    EXPECT_EQ(loader().getTitleForIcon(QStringLiteral("GScale_Taxes"))->position, 43);
    EXPECT_FALSE(loader().getTitleForIcon(QStringLiteral("gscale_home")).has_value());
    EXPECT_FALSE(loader().getTitleForIcon(QStringLiteral("bill_home.png")).has_value());
}

TEST_F(BWBillsLoaderCatalogueTest, IconNamesPassThroughUnchanged)
{
    EXPECT_EQ(loader().newImageNameForImageNamed(QStringLiteral("bill_car.png")), QStringLiteral("bill_car.png"));
}

TEST_F(BWBillsLoaderCatalogueTest, TagCompletionFindsTheFirstTagStartingWithTheText)
{
    const QStringList tags{QStringLiteral("Auto"), QStringLiteral("Utilities"), QStringLiteral("Utility room")};
    EXPECT_EQ(loader().findMatchingTagsForString(QStringLiteral("u"), tags), QStringLiteral("Utilities"));
    EXPECT_EQ(loader().findMatchingTagsForString(QStringLiteral("AUT"), tags), QStringLiteral("Auto"));
    EXPECT_FALSE(loader().findMatchingTagsForString(QStringLiteral("ti"), tags).has_value());
    EXPECT_FALSE(loader().findMatchingTagsForString(QString(), tags).has_value());
    EXPECT_FALSE(loader().findMatchingTagsForString(QStringLiteral("a"), {}).has_value());
}
