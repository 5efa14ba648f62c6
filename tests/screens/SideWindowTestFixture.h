#pragma once

#include <QDir>
#include <gtest/gtest.h>

#include "platform/PropertyList.h"
#include "store/BWDefaultsKeys.h"
#include "support/ScreenTestStore.h"

// A data folder of its own for the forecast, history and report windows, with
// the clock on Tuesday 8 March 2016 at 10:00 local time.
class SideWindowTest : public ScreenTestStore
{
protected:
    SideWindowTest()
        : ScreenTestStore(QDate(2016, 3, 8), QTime(10, 0))
    {
        defaults.registerDefaults({{BWDefaultsKeys::BWIncludeSaveAmount, true}, {BWDefaultsKeys::BWEnableIncome, true}});
    }

    // A bill of `amount` repeating by `repeat` ([count, unit]), with `changes`.
    static QVariantMap bill(const QString& name, const QDateTime& dueDate, const QVariantList& repeat, double amount,
                            const QVariantMap& changes = {})
    {
        QVariantMap keys{{BillKeys::Repeat, repeat}, {BillKeys::Amount, amount}};
        keys.insert(changes);
        return ScreenTestStore::bill(name, dueDate, keys);
    }
    static QVariantMap payment(double amount, const QDateTime& date)
    {
        return {{PaymentKeys::Amount, amount}, {PaymentKeys::Date, date}, {PaymentKeys::Note, QString()},
                {PaymentKeys::Receipt, QString()}};
    }
    // Lists an active item in the index's archived list as well.
    void alsoListAsArchived(const QString& billID) const
    {
        const QString path = QDir(env.defaultDataFolder).filePath(DataFolderFiles::BillIndex);
        QVariantMap index = PropertyList::read(path).value.toMap();
        index.insert(IndexKeys::ArchivedBills, QVariantList{billID});
        ASSERT_TRUE(PropertyList::write(path, index));
    }
};
