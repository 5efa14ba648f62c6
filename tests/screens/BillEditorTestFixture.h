#pragma once

#include <QDir>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "platform/BWUIDMaker.h"
#include "platform/Clock.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillEditorController.h"
#include "screens/BWTagTokenField.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWStoreEnvironment.h"
#include "store/DueDateTestSupport.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KNPopUpDatePicker.h"
#include "support/TempFolder.h"

// A bill editor over a data folder of its own, in New York time and US
// English, on Tuesday 5 March 2024 at noon. Alerts are recorded instead of
// shown. Items are stored through the store's writer.
class BillEditorTest : public ::testing::Test
{
protected:
    BillEditorTest()
    {
        env.defaults = &defaults;
        env.appGroup = &appGroup;
        env.clock = &clock;
        env.supportFolder = temp.file(QStringLiteral("support"));
        env.defaultDataFolder = temp.file(QStringLiteral("support/Orvane.ovdata"));
        clock.setNow(QDateTime(QDate(2024, 3, 5), QTime(12, 0)));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        defaults.registerDefaults({{BWDefaultsKeys::BWRemindersEnabled, true},
                                   {BWDefaultsKeys::BWReminderDays, qlonglong(7)},
                                   {BWDefaultsKeys::BWShouldSuggestBills, true},
                                   {BWDefaultsKeys::BWAvoidWeekends, qlonglong(0)}});
        editor = std::make_unique<BWBillEditorController>(env);
        editor->setAlert([this](QWidget*, const QString& title, const QString&) { alerts.append(title); });
        anchor.resize(80, 24);
        anchor.show();
    }
    ~BillEditorTest() override { QLocale::setDefault(m_savedLocale); }

    QDateTime inDays(int days) const { return clock.now().addDays(days).toUTC(); }

    // A monthly bill due in `days` days; `changes` replace keys.
    static QVariantMap bill(const QString& name, const QDateTime& dueDate, const QVariantMap& changes = {})
    {
        QVariantMap record{{BillKeys::Name, name},
                           {BillKeys::Bid, BWUIDMaker::makeUID()},
                           {BillKeys::Icon, QStringLiteral("GScale_Power")},
                           {BillKeys::DueDate, dueDate},
                           {BillKeys::Repeat, QVariantList{qlonglong(1), qlonglong(2)}},
                           {BillKeys::Amount, 50.0},
                           {BillKeys::AmountVaries, qlonglong(0)},
                           {BillKeys::Balance, 0.0},
                           {BillKeys::PayType, qlonglong(0)},
                           {BillKeys::PaySite, QString()},
                           {BillKeys::Tags, QVariantList{}},
                           {BillKeys::RemindMe, false},
                           {BillKeys::ReminderDays, qlonglong(3)},
                           {BillKeys::PaymentList, QVariantList{}},
                           {BillKeys::IsArchived, false},
                           {BillKeys::IsIncome, false}};
        for (auto change = changes.begin(); change != changes.end(); ++change)
            record.insert(change.key(), change.value());
        return record;
    }
    QString store(const QVariantMap& record) const
    {
        EXPECT_TRUE(BWBill(env).finishWritingBillWithDictionary(record, false, false));
        return record.value(BillKeys::Bid).toString();
    }
    QVariantMap storedFile(const QString& billID) const
    {
        return PropertyList::read(QDir(env.defaultDataFolder).filePath(billID + QStringLiteral(".plist")))
            .value.toMap();
    }
    BWBillIndex index() const { return BWBillIndex(env.defaultDataFolder); }

    void edit(const QString& billID) { editor->showEditPopoverForBill(billID, &anchor); }
    // Types into the bill form's name field as a user would.
    void typeName(const QString& text) { QTest::keyClicks(editor->billNameField(), text); }
    void choose(QComboBox* selector, int index)
    {
        selector->setCurrentIndex(index);
        emit selector->activated(index);
    }

    DueDateTestZone zone;
    TempFolder temp;
    UserDefaults defaults{temp.file(QStringLiteral("defaults.plist"))};
    UserDefaults appGroup{temp.file(QStringLiteral("group.plist"))};
    Clock clock;
    BWStoreEnvironment env;
    std::unique_ptr<BWBillEditorController> editor;
    QWidget anchor;
    QStringList alerts;

private:
    QLocale m_savedLocale;
};
