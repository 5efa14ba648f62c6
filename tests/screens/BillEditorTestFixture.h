#pragma once

#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "screens/BWBillEditorController.h"
#include "screens/BWTagTokenField.h"
#include "store/BWBillIndex.h"
#include "store/BWDefaultsKeys.h"
#include "widgets/BGHUDCheckBox.h"
#include "widgets/BGHUDLabel.h"
#include "widgets/BGHUDTextField.h"
#include "widgets/BWPopupButton.h"
#include "widgets/KNPopUpDatePicker.h"
#include "support/ScreenTestStore.h"

// A bill editor over a data folder of its own, on Tuesday 5 March 2024 at
// noon. Alerts are recorded instead of shown.
class BillEditorTest : public ScreenTestStore
{
protected:
    BillEditorTest()
        : ScreenTestStore(QDate(2024, 3, 5), QTime(12, 0))
    {
        defaults.registerDefaults({{BWDefaultsKeys::BWRemindersEnabled, true},
                                   {BWDefaultsKeys::BWReminderDays, qlonglong(7)},
                                   {BWDefaultsKeys::BWShouldSuggestBills, true},
                                   {BWDefaultsKeys::BWAvoidWeekends, qlonglong(0)}});
        editor = std::make_unique<BWBillEditorController>(env);
        editor->setAlert([this](QWidget*, const QString& title, const QString&) { alerts.append(title); });
        anchor.resize(80, 24);
        anchor.show();
    }

    QDateTime inDays(int days) const { return clock.now().addDays(days).toUTC(); }

    // A monthly power bill of 50.00; `changes` replace keys.
    static QVariantMap bill(const QString& name, const QDateTime& dueDate, const QVariantMap& changes = {})
    {
        QVariantMap keys{{BillKeys::Icon, QStringLiteral("GScale_Power")}};
        keys.insert(changes);
        return ScreenTestStore::bill(name, dueDate, keys);
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

    std::unique_ptr<BWBillEditorController> editor;
    QWidget anchor;
    QStringList alerts;
};
