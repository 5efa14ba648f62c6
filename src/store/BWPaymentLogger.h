#pragma once

#include <QDateTime>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "store/BWPayment.h"
#include "store/BWStoreEnvironment.h"

class SoundPlayer;

// Applies payments to bill records and moves their due dates by the repeat
// rule. A logger is made for each use and keeps no state.
class BWPaymentLogger
{
public:
    explicit BWPaymentLogger(const BWStoreEnvironment& env)
        : m_env(env)
    {
    }

    // ---- Payment logging ----
    // Every operation that stores returns true only when everything it had
    // to write was written; after a failed write nothing else is changed.

    // Appends the payment, with an id of its own, to a loaded record's
    // PaymentList, recomputes TotalPaid, Average and LastPayment, keeps in
    // the entry what it takes off Balance (which the write takes off), copies
    // the receipt into the
    // data folder and stores the record. A full payment (`updateDate`) moves
    // the due date on by the repeat rule, sets a varying amount to 0 and
    // archives a paid one-time item when the user wants that; a partial one
    // leaves the due date alone and lowers a varying amount by what was paid.
    bool recordPayment(const BWPayment& payment, const QVariantMap& bill, bool updateDate = true) const;
    // The bill's PaymentList with `paymentRecord` appended; a receipt button
    // title in its Receipt is stored as "".
    static QVariantList addNewRecordToPaymentList(QVariantMap paymentRecord, const QVariantMap& bill);
    struct PaymentTotals {
        double total = 0.0;
        double average = 0.0;   // 0 for no payments
    };
    static PaymentTotals recalculateAveragePaidForData(const QVariantList& payments);
    // Sets TotalPaid, Average and LastPayment (the newest payment's Date, the
    // distant past for none) of `bill` from `payments`.
    static void setTotalsFromPayments(QVariantMap& bill, const QVariantList& payments);
    // The payments sorted by Date, newest first (equal dates keep their order).
    static QVariantList paymentsNewestFirst(QVariantList payments);

    // Undoes the first payment of `payments` (the bill's list, newest first):
    // the due date goes back to where that payment moved it from (or one step
    // back by the rule when that is no longer known), a varying Amount gets
    // back what the payment took (and Balance, as every payment that goes
    // gives back its share), and TotalPaid, Average and
    // LastPayment are recomputed from the rest, which becomes the stored list.
    // Its receipt copy is removed. On success `payments` becomes the stored
    // list, newest first, without it; false for an empty list, an unknown
    // bill, a list that no longer
    // holds exactly the stored payments, or a failed write.
    bool reverseLastPaymentForBill(const QString& billID, QVariantList& payments) const;
    // Whether the payment moved the bill's due date on, so that undoing it
    // moves the date back: a full payment did, a partial one did not. An
    // entry from older data, which does not say, is taken for a full one.
    static bool paymentMovedDueDate(const QVariantMap& payment);
    // Stores an edited payment list (newest first) with TotalPaid, Average and
    // LastPayment recomputed from it, and removes the receipt copies that no
    // payment refers to any more. A payment left out is removed: its share
    // of Balance comes back.
    bool savePaymentList(const QVariantList& payments, const QString& billID) const;
    // Stores the list (newest first) with the entry at `index` replaced by
    // `edited`, the same payment. A payment that took its share off the
    // balance takes the share of its new amount instead, so Balance follows
    // the edit.
    bool saveEditedPayment(QVariantList payments, qsizetype index, QVariantMap edited, const QString& billID) const;

    // The amount to pre-fill: Amount when above 0, else the newest payment's
    // amount, else 0.
    static double amountPrefilValueForBill(const QVariantMap& bill);
    // The share of each payment that is interest, from 0 to 1. Interest is
    // stored as that fraction; a value above 1 up to 100 is a percent that an
    // earlier rate field stored as typed, and any other value is no rate (0),
    // so that no payment ever raises the balance.
    static double interestShareOf(const QVariantMap& bill);
    // Whether the bill logs itself without asking: the rule of
    // BWAutomaticPayments::isDue, with automatic bills switched on (the
    // caller asks BWShouldAutoLogPayments) and income as `incomeAutologging`
    // says; never a further occurrence of the bill nor a record whose due
    // date has moved on since.
    // No caller in the program; BWAutomaticPayments logs by the same rule.
    bool checkIfBillShouldSilentlyLog(const QVariantMap& bill, bool incomeAutologging) const;

    // The payment sound the user chose, or "" for none.
    QString getSpecifiedSound() const;
    // One of the six cheering sounds, picked at random.
    static QString randomSound(QRandomGenerator* generator = QRandomGenerator::global());
    // Plays the chosen payment sound; returns its name ("" when none plays).
    QString playSpecifiedSound(SoundPlayer& player) const;

    // ---- Receipts ----
    // The receipt button's titles mean "no receipt": they become "".
    static QString cleanReceiptTitle(const QString& title);
    // "" becomes the button title "Attach"; a receipt path passes unchanged.
    // No caller in the program; undoes cleanReceiptTitle().
    static QString reverseCleanReceiptTitleWithString(const QString& receipt);
    // 1: "Attach Receipt", 2: "Attach", anything else "".
    static QString resetTitleForReceiptButton(int kind);
    // Copies a chosen receipt file into the data folder under a new id (with
    // the file's extension) and returns the copy's path. A receipt button
    // title comes back unchanged. Nothing when the copy failed.
    std::optional<QString> copyAttachment(const QString& attachment) const;

    // What a payment takes off a loan-like balance: the payment less its
    // escrow share, less the interest share of that. A bill whose Balance is
    // 0 or less keeps no balance.
    static double balanceTakenBy(double amount, const QVariantMap& bill);

    // True when `newDate` lies at least one whole second after `currentDate`.
    // No caller in the program; setTotalsFromPayments() takes the newest payment's date.
    static bool shouldUpdateLastPaidDate(const QDateTime& currentDate, const QDateTime& newDate);

    // ---- Next due date ----
    // Every step starts from the record's AbsoluteDueDate (the stored date
    // before any display shift). An invalid date means "no date".

    // One repeat step forward.
    QDateTime calculateNextDueDateForBill(const QVariantMap& bill) const;
    // One step forward (modifier 1) or back (-1). Weeks, months and days keep
    // the time of day; the calendar rules give the start of their day; a
    // one-time item gets the distant future. No date for a record without
    // AbsoluteDueDate, an unreadable Repeat pair or an unknown unit.
    QDateTime calculateNextDueDateForBill(const QVariantMap& bill, int modifier) const;
    // Moves the record's DueDate (and AbsoluteDueDate) one step forward (1) or
    // back (-1), keeping the day of the month of a monthly item that a shorter
    // month clipped. False, and the record unchanged, when the rule gives no date.
    bool moveDueDateOfBill(QVariantMap& bill, int modifier = 1) const;
    enum class Skip { Skipped, NoNextDueDate, NotWritten };
    // Skips the loaded record's next payment: its due date moves one step on
    // by the rule, no payment is logged, and the record is stored and told to
    // the observer. On anything but Skipped the stored bill is unchanged.
    Skip skipPayment(QVariantMap& bill) const;
    // The next of the two days of the month `days` ([first, second]) after
    // `date`; past the 25th the second day of the next month.
    static QDateTime calculateSpecialNextDueDateTwicePerMonthForDate(const QDateTime& date, const QList<int>& days);
    // The one before `date`.
    static QDateTime calculateSpecialNextDueDateTwicePerMonthForDateBackwards(const QDateTime& date,
                                                                              const QList<int>& days);
    // The same weekday of the same rank (the second Tuesday, ...) in the next
    // (modifier 1) or previous (-1) month that has one.
    static QDateTime caleculateSpecialNextDueDateForWeekdayWithDate(const QDateTime& date, int modifier);
    // The next (1) or previous (-1) estimated-tax date: 15 January, April,
    // June or September.
    static QDateTime calculateSpecialNextDueDateForEstimatedTaxInterval(const QDateTime& date, int modifier);

private:
    // Gives the bill back the due date that the reversed payment moved it from.
    void moveDueDateBackBefore(const QVariantMap& reversed, QVariantMap& bill) const;
    bool isDueAsStored(const QVariantMap& bill) const;
    bool storePaymentList(const QVariantMap& bill, QVariantMap changed, const QVariantList& payments) const;
    QString dataFolder() const;
    // Only a file that the logger itself copied into the data folder (named by
    // an id) is a receipt copy; any other path counts as no receipt at all.
    bool isReceiptCopy(const QString& path) const;
    void removeReceiptCopy(const QString& path) const;
    // Removes the receipt copies of `before` that no entry of `after` refers to.
    void removeUnusedReceiptCopies(const QVariantList& before, const QVariantList& after) const;

    BWStoreEnvironment m_env;
};
