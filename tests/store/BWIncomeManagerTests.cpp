#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "StoreFiguresTestFixture.h"
#include "platform/PropertyList.h"
#include "store/BWIncomeManager.h"

namespace {

class BWIncomeManagerTest : public StoreFiguresTest
{
protected:
    BWIncomeManager manager() const { return BWIncomeManager(env); }
    QString incomeFile() const { return QDir(env.defaultDataFolder).filePath(QStringLiteral("incomeindex.plist")); }

    // A source as the editor saves it on the clock's day.
    QVariantMap source(const QString& description, double amount, IncomeRepeat repeat, int payDayIndex) const
    {
        QVariantMap saved{{IncomeSourceKeys::Iid, description.toUpper().leftJustified(32, u'0').left(32)},
                          {IncomeSourceKeys::Description, description},
                          {IncomeSourceKeys::Amount, amount},
                          {IncomeSourceKeys::PayDate, qlonglong(payDayIndex)},
                          {IncomeSourceKeys::Repeat, qlonglong(repeat)},
                          {IncomeSourceKeys::CreationDate, clock.now().toUTC()}};
        if (repeat == IncomeRepeat::EveryTwoWeeks || repeat == IncomeRepeat::Weekly) {
            QVariantList dates;
            for (const QDateTime& date : manager().createArrayOfIncomeDatesForInterval(repeat, payDayIndex))
                dates.append(date.toUTC());
            saved.insert(IncomeSourceKeys::IncomeDates, dates);
        }
        return saved;
    }
    void save(const QVariantList& sources) const { ASSERT_TRUE(manager().writeUpdatedIncomeArray(sources)); }
    QVariantList storedSources() const
    {
        return PropertyList::read(incomeFile()).value.toMap().value(IncomeSourceKeys::IncomeSources).toList();
    }
    void setToday(int year, int month, int day) { clock.setNow(localMoment(year, month, day, 10)); }
};

// The last-day index gives each month's last day, never a day of the next month.
TEST_F(BWIncomeManagerTest, PayDayIndex28IsTheMonthsLastDay)
{
    const struct {
        QDate today;
        int index;
        QDate payDay;
        const char* text;
    } rows[] = {
        {{2026, 2, 10}, 28, {2026, 2, 28}, "Feb 28"},
        {{2028, 2, 10}, 28, {2028, 2, 29}, "Feb 29"},
        {{2026, 4, 10}, 28, {2026, 4, 30}, "Apr 30"},
        {{2026, 3, 10}, 28, {2026, 3, 31}, "Mar 31"},
        {{2026, 3, 10}, 4, {2026, 3, 5}, "Mar 5"},
        {{2026, 2, 10}, 27, {2026, 2, 28}, "Feb 28"},
        {{2026, 3, 10}, 0, {2026, 3, 1}, "Mar 1"},
    };
    for (const auto& row : rows) {
        setToday(row.today.year(), row.today.month(), row.today.day());
        const QDateTime payDate = manager().dateFromDateIndex(row.index);
        EXPECT_EQ(payDate, row.payDay.startOfDay()) << row.text;
        EXPECT_EQ(manager().displayDateFromIndex(row.index), QString::fromLatin1(row.text));
        EXPECT_EQ(manager().lastDayOfMonth(), row.today.daysInMonth());

        // A monthly source paid on that day counts from that day on.
        save({source("Salary", 1000, IncomeRepeat::Monthly, row.index)});
        setToday(row.payDay.year(), row.payDay.month(), row.payDay.day());
        EXPECT_DOUBLE_EQ(manager().incomeThisMonth(), 1000) << row.text;
        if (row.payDay.day() > 1) {
            const QDate before = row.payDay.addDays(-1);
            setToday(before.year(), before.month(), before.day());
            EXPECT_DOUBLE_EQ(manager().incomeThisMonth(), 0) << row.text;
            EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 1000) << row.text;
        }
    }
}

TEST_F(BWIncomeManagerTest, SumsCountThisMonthsPayDates)
{
    // Today is Tuesday 10 March 2026.
    const struct {
        const char* what;
        QVariantMap source;
        double soFar, all;
        int payDates;
    } rows[] = {
        {"weekly from the 3rd: 3, 10, 17, 24, 31", source("Tips", 50, IncomeRepeat::Weekly, 2), 100, 250, 5},
        {"every two weeks from the 5th: 5, 19", source("Wages", 800, IncomeRepeat::EveryTwoWeeks, 4), 800, 1600, 2},
        {"monthly on the 15th", source("Rent in", 300, IncomeRepeat::Monthly, 14), 0, 300, 1},
        {"one time on the 1st", source("Gift", 20, IncomeRepeat::OneTime, 0), 20, 20, 1},
        {"unknown repeat code", with(source("Odd", 20, IncomeRepeat::Monthly, 0), IncomeSourceKeys::Repeat, 9), 0, 0, 0},
    };
    for (const auto& row : rows) {
        save({row.source});
        EXPECT_DOUBLE_EQ(manager().incomeThisMonth(), row.soFar) << row.what;
        EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), row.all) << row.what;
        EXPECT_EQ(manager().incomeDatesThisMonth().size(), row.payDates) << row.what;
    }
    save({rows[0].source, rows[1].source, rows[2].source});
    EXPECT_DOUBLE_EQ(manager().incomeThisMonth(), 900);
    EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 2150);
}

TEST_F(BWIncomeManagerTest, ReadsDropOnlyWhatLiesInPassedMonths)
{
    setToday(2026, 1, 31);
    const QVariantMap once = source("Bonus", 500, IncomeRepeat::OneTime, 27);
    const QVariantMap weekly = source("Tips", 50, IncomeRepeat::Weekly, 2);
    const QVariantMap monthly = source("Salary", 1000, IncomeRepeat::Monthly, 0);
    save({once, weekly, monthly});
    EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 500 + 5 * 50 + 1000);   // 3, 10, 17, 24, 31 Jan

    // A read in February drops the one-time source and January's pay dates.
    setToday(2026, 2, 1);
    const QVariantList february = manager().getIncomeSources().value_or(QVariantList());
    ASSERT_EQ(february.size(), 2);
    EXPECT_EQ(storedSources(), february);
    EXPECT_EQ(february.at(0).toMap().value(IncomeSourceKeys::IncomeDates).toList().constFirst().toDateTime(),
              QDate(2026, 2, 7).startOfDay());
    EXPECT_EQ(february.at(1).toMap(), monthly);
    EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 4 * 50 + 1000);

    // With the clock set back a year nothing is lost, and nothing of the
    // "future" months is counted.
    setToday(2025, 2, 1);
    EXPECT_EQ(manager().getIncomeSources().value_or(QVariantList()), february);
    EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 1000);
    setToday(2026, 2, 1);
    EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 4 * 50 + 1000);

    // Three years on the weekly source has no dates left but stays listed.
    setToday(2029, 3, 1);
    const QVariantList later = manager().getIncomeSources().value_or(QVariantList());
    ASSERT_EQ(later.size(), 2);
    EXPECT_TRUE(later.at(0).toMap().value(IncomeSourceKeys::IncomeDates).toList().isEmpty());
    EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 1000);
}

TEST_F(BWIncomeManagerTest, AMissingFileIsCreatedAndAnUnreadableOneKept)
{
    EXPECT_EQ(manager().getIncomeSources(), QVariantList());
    EXPECT_TRUE(PropertyList::read(incomeFile()).ok());
    EXPECT_EQ(PropertyList::read(incomeFile()).value.toMap(), (QVariantMap{{IncomeSourceKeys::IncomeSources, QVariantList()}}));

    // Reading writes the file back only when the pruned list differs from it.
    const QDateTime longAgo(QDate(2000, 1, 1), QTime(0, 0));
    const auto ageFile = [&] {
        QFile file(incomeFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    };
    save({source("Salary", 1000, IncomeRepeat::Monthly, 0)});
    ageFile();
    EXPECT_EQ(manager().getIncomeSources()->size(), 1);
    EXPECT_EQ(QFileInfo(incomeFile()).lastModified(), longAgo);
    temp.write(QStringLiteral("Orvane.ovdata/incomeindex.plist"),
               PropertyList::serialize(QVariantMap{{IncomeSourceKeys::IncomeSources, QVariantList()}, {"Other", 1}}));
    ageFile();
    EXPECT_EQ(manager().getIncomeSources(), QVariantList());
    EXPECT_GT(QFileInfo(incomeFile()).lastModified(), longAgo);

    const QList<QByteArray> unreadable{"not a property list", PropertyList::serialize(QVariantList{qlonglong(1), qlonglong(2)}),
                                       PropertyList::serialize(QVariantMap{{IncomeSourceKeys::IncomeSources, qlonglong(3)}})};
    for (const QByteArray& bytes : unreadable) {
        temp.write(QStringLiteral("Orvane.ovdata/incomeindex.plist"), bytes);
        EXPECT_FALSE(manager().getIncomeSources().has_value());
        EXPECT_FALSE(manager().writeUpdatedIncomeArray({source("Salary", 1000, IncomeRepeat::Monthly, 0)}));
        EXPECT_DOUBLE_EQ(manager().incomeThisMonthAll(), 0);
        EXPECT_EQ(temp.read(QStringLiteral("Orvane.ovdata/incomeindex.plist")), bytes);
    }
}

TEST_F(BWIncomeManagerTest, NoDataFolderMeansNoSources)
{
    setSetting(BWDefaultsKeys::BWCustomLocationEnabled, true);
    setSetting(BWDefaultsKeys::BWCustomLocationBookmark, temp.file(QStringLiteral("gone")));
    EXPECT_FALSE(manager().getIncomeSources().has_value());
    EXPECT_FALSE(manager().writeUpdatedIncomeArray({}));
    EXPECT_DOUBLE_EQ(manager().incomeThisMonth(), 0);
}

TEST_F(BWIncomeManagerTest, PayDatesAndTheirTexts)
{
    const struct {
        IncomeRepeat repeat;
        int count, daysApart;
    } rows[] = {{IncomeRepeat::EveryTwoWeeks, 79, 14}, {IncomeRepeat::Weekly, 157, 7},
                {IncomeRepeat::Monthly, 1, 0}, {IncomeRepeat::OneTime, 1, 0}};
    for (const auto& row : rows) {
        const QList<QDateTime> dates = manager().createArrayOfIncomeDatesForInterval(row.repeat, 4);
        ASSERT_EQ(dates.size(), row.count);
        EXPECT_EQ(dates.constFirst(), QDate(2026, 3, 5).startOfDay());
        EXPECT_EQ(dates.constLast(), QDate(2026, 3, 5).addDays((row.count - 1) * row.daysApart).startOfDay());
    }

    save({source("Tips", 50, IncomeRepeat::Weekly, 2)});
    setToday(2026, 4, 2);
    const QVariantMap pruned = manager().getIncomeSources()->constFirst().toMap();
    EXPECT_EQ(manager().displayDateWithIncome(pruned), QStringLiteral("Apr 7"));
    EXPECT_EQ(manager().displayDateWithIncome(with(pruned, IncomeSourceKeys::IncomeDates, QVariantList())),
              QStringLiteral("Apr 2"));
    EXPECT_EQ(manager().displayDateWithIncome(source("Salary", 1, IncomeRepeat::Monthly, 28)), QStringLiteral("Apr 30"));
    EXPECT_EQ(manager().displayDateWithIncome(with(pruned, IncomeSourceKeys::Repeat, 7)), QString());
}

}  // namespace
