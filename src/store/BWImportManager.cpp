#include "store/BWImportManager.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>
#include <vector>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "store/BWBill.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaymentLogger.h"
#include "store/RepeatUnit.h"

namespace {

const QString OlderFolderName = QStringLiteral("Orvane");
const QString DataSubfolder = QStringLiteral("Data");
const QString DefaultIcon = QStringLiteral("32x32-Shopping");

// Older key names.
namespace Legacy {
const QString Icon = QStringLiteral("Icon");
const QString NextDue = QStringLiteral("Next_Due");
const QString RepeatCount = QStringLiteral("Repeat_a");
const QString RepeatUnit = QStringLiteral("Repeat_b");
const QString AveragePaid = QStringLiteral("Average_Paid");
const QString PayDates = QStringLiteral("Pay_Dates");
const QString PayAmounts = QStringLiteral("Pay_Amounts");
const QString PayNotes = QStringLiteral("Pay_Notes");
const QString PayAttachment = QStringLiteral("Pay_Attachment");
const QString AlarmOn = QStringLiteral("Alarm_On");
const QString PayLocation = QStringLiteral("Pay_Location_a");
const QString AlarmDays = QStringLiteral("Alarm_Days");
const QString TotalBalance = QStringLiteral("Total_Balance");
const QString PayType = QStringLiteral("Pay_Type");
const QString InterestRate = QStringLiteral("Interest_Rate");
const QString BillNote = QStringLiteral("Pay_Bill_Note");
const QString Tags = QStringLiteral("Tags");
const QString AmountDue = QStringLiteral("Amount_Due");
const QString IsActive = QStringLiteral("Is_Active");
}  // namespace Legacy

// The leading number of a text, read in the C locale ("12.5 USD" is 12.5);
// 0 when the text starts with no number.
double leadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

// A stored number as read, or the leading number of a text.
QVariant numberOrText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return leadingNumber(value.toString());
    return value;
}

std::optional<QDateTime> dateOrNothing(const QVariant& value)
{
    if (value.typeId() != QMetaType::QDateTime || !value.toDateTime().isValid())
        return std::nullopt;
    return value.toDateTime();
}

// A payment's date; a missing one or a text stands for the placeholder date.
QDateTime paymentDate(const QVariant& value)
{
    return dateOrNothing(value).value_or(BWImportManager::placeholderPaymentDate());
}

// A name that may stand for a folder inside the receipts folder: no hidden
// entry and nothing that could climb out of it.
bool isPlainEntryName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') && !name.contains(QStringLiteral(".."));
}

}  // namespace

BWImportManager::BWImportManager(const BWStoreEnvironment& env)
    : m_env(env)
{
}

bool BWImportManager::isOlderDataFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.fileName() == OlderFolderName && QFileInfo(QDir(folder).filePath(DataSubfolder)).isDir();
}

BWImportManager::ImportReport BWImportManager::importDataFromPreviousVersion(bool eraseFirst) const
{
    Log::line(QStringLiteral("Starting Import"));
    QString folder = BWBillsLoader(m_env).orvaneDirectory();
    if (QFileInfo(folder).fileName() == QStringLiteral("Orvane.ovdata"))
        folder = QFileInfo(folder).absolutePath();
    Log::line(QStringLiteral("Default Location Path: %1").arg(folder));
    if (!isOlderDataFolder(folder)) {
        Log::line(QStringLiteral("No older data at %1").arg(folder));
        return {};
    }
    // Imported items land in the default data folder: switch before anything
    // is emptied or written, so a chosen location's data is never touched.
    m_env.defaults->setBool(BWDefaultsKeys::BWCustomLocationEnabled, false);
    m_env.defaults->setObject(BWDefaultsKeys::BWCusomLocationTempPath, QString());
    return importDataFromPreviousVersionAtPath(folder, eraseFirst);
}

BWImportManager::ImportReport BWImportManager::importDataInDefaultLocation(bool eraseFirst) const
{
    const QString folder = QDir(m_env.supportFolder).absolutePath();
    if (!isOlderDataFolder(folder)) {
        Log::line(QStringLiteral("No older data at %1").arg(folder));
        return {};
    }
    m_env.defaults->setBool(BWDefaultsKeys::BWCustomLocationEnabled, false);
    m_env.defaults->setObject(BWDefaultsKeys::BWCusomLocationTempPath, QString());
    return importDataFromPreviousVersionAtPath(folder, eraseFirst);
}

BWImportManager::ImportReport BWImportManager::importDataFromPreviousVersionAtPath(const QString& folder,
                                                                                  bool eraseFirst) const
{
    if (QFileInfo(folder).fileName() != OlderFolderName)
        return {};
    const QString dataPath = QDir(folder).filePath(DataSubfolder);
    const bool hasData = QFileInfo(dataPath).isDir();
    Log::line(QStringLiteral("Data Folder Exists at Selected Location: %1").arg(hasData ? 1 : 0));
    if (!hasData)
        return {};
    Log::line(QStringLiteral("URL of Folder to Import From: %1").arg(folder));
    const QFileInfoList entries = QDir(dataPath).entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    return performImportWithBills(entries, dataPath, eraseFirst);
}

BWImportManager::ImportReport BWImportManager::performImportWithBills(const QFileInfoList& entries,
                                                                      const QString& dataPath, bool eraseFirst) const
{
    ImportReport report;
    report.fromOlderData = true;
    std::vector<ReadBill> bills;
    for (const QFileInfo& entry : entries) {
        if (std::optional<ReadBill> read = readBillFile(entry, dataPath, report.notImported))
            bills.push_back(std::move(*read));
    }
    // With nothing to put in their place, the current items stay.
    if (bills.empty())
        return report;
    if (eraseFirst && !eraseAllBills()) {
        for (const ReadBill& read : bills)
            report.notImported.append(*read.bill.name);
        return report;
    }
    report.erased = eraseFirst;
    for (ReadBill& read : bills) {
        if (storeBill(read))
            ++report.imported;
        else
            report.notImported.append(*read.bill.name);
    }
    return report;
}

// The erased bills are deleted on every cloud channel too: left there, the
// next pass would bring them back.
bool BWImportManager::eraseAllBills() const
{
    const QString folder = BWBillsLoader(m_env).orvaneDirectory();
    if (folder.isEmpty())
        return false;
    const BWBillIndex before(folder);
    if (!BWBill(m_env).deleteAllBills()) {
        Log::line(QStringLiteral("Could not empty the index before the import"));
        return false;
    }
    if (!BWBill(m_env).handReplacedListsToChannels(before)) {
        Log::line(QStringLiteral("Could not hand the erased bills to sync"));
        return false;
    }
    return true;
}

std::optional<BWImportManager::ReadBill> BWImportManager::readBillFile(const QFileInfo& entry,
                                                                       const QString& dataPath,
                                                                       QStringList& unreadable) const
{
    if (!entry.isFile() || entry.isSymLink() || entry.fileName().startsWith(u'.')) {
        Log::line(QStringLiteral("Skipping %1: not a bill file").arg(entry.fileName()));
        return std::nullopt;
    }
    const QString name = entry.fileName().remove(QStringLiteral(".plist"));
    const auto skip = [&](const QString& why) {
        Log::line(QStringLiteral("Skipping %1: %2").arg(entry.fileName(), why));
        unreadable.append(name);
        return std::nullopt;
    };
    const PropertyList::ReadResult read = PropertyList::read(entry.absoluteFilePath());
    if (!read.ok() || read.value.typeId() != QMetaType::QVariantMap)
        return skip(read.ok() ? QStringLiteral("not a dictionary") : read.error);
    const QVariantMap legacy = read.value.toMap();
    if (!legacy.contains(Legacy::RepeatCount))
        return skip(QStringLiteral("it has no repeat rule"));
    // A paid item that never repeats is due never; any other needs its date.
    const qlonglong unit = calculateRepeatBWithString(legacy.value(Legacy::RepeatUnit).toString());
    const bool paidOnce = !legacy.value(Legacy::PayAmounts).toList().isEmpty() && unit == qlonglong(RepeatUnit::Never);
    const std::optional<QDateTime> dueDate =
        paidOnce ? PropertyList::distantFuture() : dateOrNothing(legacy.value(Legacy::NextDue));
    if (!dueDate)
        return skip(QStringLiteral("it has no due date"));

    ReadBill result{BWBill(m_env), !legacy.value(Legacy::IsActive).toBool()};
    BWBill& bill = result.bill;
    bill.name = name;
    Log::line(QStringLiteral("Name: %1").arg(*bill.name));
    bill.bid = BWUIDMaker::makeUID();
    bill.icon = convertIconWithIcon(legacy.value(Legacy::Icon).toString());
    bill.dueDate = dueDate;
    bill.repeat = QVariantList{legacy.value(Legacy::RepeatCount).toLongLong(), unit};
    bill.average = numberOrText(legacy.value(Legacy::AveragePaid, 0.0));
    const QVariantList payDates = legacy.value(Legacy::PayDates).toList();
    bill.lastPayment = payDates.isEmpty() ? PropertyList::distantPast() : paymentDate(payDates.first());
    bill.totalPaid = calculateTotalPaidWithPayments(legacy.value(Legacy::PayAmounts).toList());
    bill.paymentList = createListOfPaymentsForDictionary(legacy, dataPath);
    bill.remindMe = legacy.value(Legacy::AlarmOn).toBool();
    bill.paySite = BWBill::getCorrectedPaymentURL(legacy.value(Legacy::PayLocation).toString());
    bill.reminderDays = legacy.value(Legacy::AlarmDays).toLongLong();
    bill.balance = legacy.value(Legacy::TotalBalance, 0.0);
    bill.payType = calculatePayTypeWithString(legacy.value(Legacy::PayType).toString());
    bill.interest = legacy.value(Legacy::InterestRate, 0.0);
    bill.notes = legacy.value(Legacy::BillNote).toString();
    bill.tags = legacy.value(Legacy::Tags).toStringList();
    bill.rev = 0.0;
    bill.amount = numberOrText(legacy.value(Legacy::AmountDue, 0.0));
    return result;
}

bool BWImportManager::storeBill(ReadBill& read) const
{
    BWBill& bill = read.bill;
    Log::line(QStringLiteral("Imported Bill: %1").arg(*bill.bid));
    if (!bill.writeBill(false)) {
        Log::line(QStringLiteral("Could not store the imported bill %1").arg(*bill.name));
        return false;
    }
    if (read.archived && !BWBill(m_env).archiveBillWithBid(*bill.bid))
        Log::line(QStringLiteral("Could not archive the imported bill %1").arg(*bill.name));
    return true;
}

bool BWImportManager::shouldImportData() const
{
    const QString dataFolder = BWBillsLoader(m_env).orvaneDirectory();
    const bool exists = !dataFolder.isEmpty() && QFileInfo::exists(QDir(dataFolder).filePath(DataFolderFiles::BillIndex));
    Log::line(QStringLiteral("Orvane 5 Data Status: %1").arg(exists ? 1 : 0));
    return !exists;
}

QString BWImportManager::convertIconWithIcon(const QString& icon)
{
    static const QHash<QString, QString> table{
        {QStringLiteral("bill_mail.png"), QStringLiteral("32x32-Post-Office-Box")},
        {QStringLiteral("bill_rental.png"), QStringLiteral("32x32-LockerSafe-Deposit")},
        {QStringLiteral("bill_travel.png"), QStringLiteral("32x32-Travel")},
        {QStringLiteral("bill_tool.png"), QStringLiteral("32x32-Landscaping")},
        {QStringLiteral("bill_audio.png"), QStringLiteral("32x32-Television")},
        {QStringLiteral("bill_inbox.png"), QStringLiteral("32x32-Taxes")},
        {QStringLiteral("bill_appliance.png"), QStringLiteral("32x32-Appliance")},
        {QStringLiteral("bill_artwork.png"), QStringLiteral("32x32-Shopping")},
        {QStringLiteral("bill_book.png"), QStringLiteral("32x32-Subscriptions")},
        {QStringLiteral("bill_business.png"), QStringLiteral("32x32-Travel")},
        {QStringLiteral("bill_car.png"), QStringLiteral("32x32-Vehicle")},
        {QStringLiteral("bill_card1.png"), QStringLiteral("32x32-Credticard-A")},
        {QStringLiteral("bill_card2.png"), QStringLiteral("32x32-Credticard-B")},
        {QStringLiteral("bill_couch.png"), QStringLiteral("32x32-Furtinure")},
        {QStringLiteral("bill_electric.png"), QStringLiteral("32x32-Electric-Bill")},
        {QStringLiteral("bill_gas.png"), QStringLiteral("32x32-Gas")},
        {QStringLiteral("bill_home.png"), QStringLiteral("32x32-House")},
        {QStringLiteral("bill_insurance.png"), QStringLiteral("32x32-Insurance")},
        {QStringLiteral("bill_internet.png"), QStringLiteral("32x32-Internet")},
        {QStringLiteral("bill_medical.png"), QStringLiteral("32x32-Medicine")},
        {QStringLiteral("bill_personal.png"), QStringLiteral("32x32-Shopping")},
        {QStringLiteral("bill_phone.png"), QStringLiteral("32x32-Smartphone")},
        {QStringLiteral("bill_recycle.png"), QStringLiteral("32x32-Trash")},
        {QStringLiteral("bill_store.png"), QStringLiteral("32x32-Shopping")},
        {QStringLiteral("bill_ticket.png"), QStringLiteral("32x32-Ticket")},
        {QStringLiteral("bill_subscription.png"), QStringLiteral("32x32-Subscriptions")},
        {QStringLiteral("bill_trashy.png"), QStringLiteral("32x32-Trash")},
        {QStringLiteral("bill_water.png"), QStringLiteral("32x32-Water")},
    };
    return table.value(icon, DefaultIcon);
}

qlonglong BWImportManager::calculatePayTypeWithString(const QString& payType)
{
    if (payType == QStringLiteral("Online"))
        return 0;
    if (payType == QStringLiteral("Automatic"))
        return 1;
    return 4;  // shown as "Other"
}

qlonglong BWImportManager::calculateRepeatBWithString(const QString& repeatUnit)
{
    static const QHash<QString, RepeatUnit> table{
        {QStringLiteral("Weeks"), RepeatUnit::Weeks},   {QStringLiteral("Twice"), RepeatUnit::TwicePerMonth},
        {QStringLiteral("Months"), RepeatUnit::Months}, {QStringLiteral("Days"), RepeatUnit::Days},
        {QStringLiteral("Never"), RepeatUnit::Never},
    };
    return qlonglong(table.value(repeatUnit, RepeatUnit::Weeks));
}

double BWImportManager::calculateTotalPaidWithPayments(const QVariantList& amounts)
{
    double total = 0.0;
    for (const QVariant& amount : amounts)
        total += numberOrText(amount).toDouble();
    return total;
}

QDateTime BWImportManager::placeholderPaymentDate()
{
    return QDateTime(QDate(2004, 1, 1), QTime(1, 0), QTimeZone(6 * 3600)).toUTC();
}

QVariantList BWImportManager::createListOfPaymentsForDictionary(const QVariantMap& legacyBill,
                                                                const QString& dataPath) const
{
    const QString receiptsFolder = QDir(QFileInfo(dataPath).absolutePath()).filePath(QStringLiteral("receipts"));
    const QVariantList amounts = legacyBill.value(Legacy::PayAmounts).toList();
    const QVariantList attachments = legacyBill.value(Legacy::PayAttachment).toList();
    const QVariantList dates = legacyBill.value(Legacy::PayDates).toList();
    const QVariantList notes = legacyBill.value(Legacy::PayNotes).toList();
    Log::line(QStringLiteral("Count: %1").arg(amounts.size()));

    QVariantList payments;
    for (qsizetype i = 0; i < amounts.size(); ++i) {
        const QVariant& rawAmount = amounts.at(i);
        double amount = rawAmount.toDouble();
        if (rawAmount.typeId() == QMetaType::QString) {
            bool parsed = false;
            amount = QLocale().toDouble(rawAmount.toString(), &parsed);
            if (!parsed)
                amount = 0.0;
        }
        const QVariantMap payment{{PaymentKeys::Amount, amount},
                                  {PaymentKeys::Date, paymentDate(dates.value(i))},
                                  {PaymentKeys::Note, notes.value(i).toString()},
                                  {PaymentKeys::Receipt, receiptForAttachment(attachments.value(i), receiptsFolder)}};
        payments = BWPaymentLogger::addNewRecordToPaymentList(payment, {{BillKeys::PaymentList, payments}});
    }
    return payments;
}

// The receipt of one older payment: the first file of its sub-folder of the
// receipts folder, copied into the data folder; "" for none.
QString BWImportManager::receiptForAttachment(const QVariant& attachment, const QString& receiptsFolder) const
{
    const QString name = attachment.toString();
    if (name.isEmpty() || name.contains(QStringLiteral("attach"), Qt::CaseInsensitive))
        return QString();
    if (!isPlainEntryName(name)) {
        Log::line(QStringLiteral("Skipping the receipt folder \"%1\"").arg(name));
        return QString();
    }
    const QDir folder(QDir(receiptsFolder).filePath(name));
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    Log::line(QStringLiteral("Files found: %1").arg(files.size()));
    if (files.isEmpty() || files.first().isSymLink())
        return QString();
    return BWPaymentLogger(m_env).copyAttachment(files.first().absoluteFilePath()).value_or(QString());
}
