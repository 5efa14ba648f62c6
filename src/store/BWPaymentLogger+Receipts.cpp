// Receipts: a chosen receipt file is copied into the data folder under a new
// id, so the payment keeps its receipt when the original is moved or deleted
// and the copy travels with the data folder. The receipt button shows a title
// while no receipt is chosen; those titles are never stored.
#include "store/BWPaymentLogger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "platform/BWUIDMaker.h"
#include "platform/Log.h"
#include "store/BWBillRecordKeys.h"

namespace {

const char* const AttachReceiptTitle = QT_TRANSLATE_NOOP("BWPaymentLogger", "Attach Receipt");
const char* const AttachTitle = QT_TRANSLATE_NOOP("BWPaymentLogger", "Attach");

QString translated(const char* title)
{
    return QCoreApplication::translate("BWPaymentLogger", title);
}

bool isButtonTitle(const QString& text)
{
    // The title as shown, in English or in the language of the screens.
    for (const char* title : {AttachReceiptTitle, AttachTitle}) {
        if (text == QLatin1String(title) || text == translated(title))
            return true;
    }
    return false;
}

// A copy named <id>.plist would be taken for a bill file by anything that
// lists the data folder, so such receipts get an extension of their own.
QString copyExtensionFor(const QString& attachment)
{
    const QString suffix = QFileInfo(attachment).suffix();
    if ((QLatin1Char('.') + suffix).compare(DataFolderFiles::BillFileExtension, Qt::CaseInsensitive) == 0)
        return QStringLiteral("receipt");
    return suffix;
}

QSet<QString> receiptsOf(const QVariantList& payments)
{
    QSet<QString> receipts;
    for (const QVariant& entry : payments) {
        const QString receipt = entry.toMap().value(PaymentKeys::Receipt).toString();
        if (!receipt.isEmpty())
            receipts.insert(receipt);
    }
    return receipts;
}

}  // namespace

QString BWPaymentLogger::cleanReceiptTitle(const QString& title)
{
    return isButtonTitle(title) ? QString() : title;
}

QString BWPaymentLogger::reverseCleanReceiptTitleWithString(const QString& receipt)
{
    return receipt.isEmpty() ? translated(AttachTitle) : receipt;
}

QString BWPaymentLogger::resetTitleForReceiptButton(int kind)
{
    if (kind == 1)
        return translated(AttachReceiptTitle);
    if (kind == 2)
        return translated(AttachTitle);
    return QString();
}

std::optional<QString> BWPaymentLogger::copyAttachment(const QString& attachment) const
{
    if (cleanReceiptTitle(attachment).isEmpty())
        return attachment;
    const QString folder = dataFolder();
    if (folder.isEmpty()) {
        Log::line(QStringLiteral("Error: no data folder to copy the receipt %1 into").arg(attachment));
        return std::nullopt;
    }
    const QString suffix = copyExtensionFor(attachment);
    const QString name = suffix.isEmpty() ? BWUIDMaker::makeUID() : BWUIDMaker::makeUID() + QLatin1Char('.') + suffix;
    const QString copy = QDir(folder).filePath(name);
    QFile source(attachment);
    if (!QFileInfo(attachment).isFile() || !source.copy(copy)) {
        Log::line(QStringLiteral("Error: %1").arg(source.errorString().isEmpty()
                                                      ? QStringLiteral("%1 is not a file").arg(attachment)
                                                      : source.errorString()));
        return std::nullopt;
    }
    Log::line(QStringLiteral("Final Path %1").arg(copy));
    return copy;
}

bool BWPaymentLogger::isReceiptCopy(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo file(path);
    const QString folder = QFileInfo(dataFolder()).canonicalFilePath();
    if (folder.isEmpty() || !file.isFile() || file.absoluteDir().canonicalPath() != folder)
        return false;
    // Bill files are named by an id too; no receipt is ever a property list.
    const QString name = file.fileName();
    return BWUIDMaker::isValidUID(name.section(QLatin1Char('.'), 0, 0))
           && !name.endsWith(DataFolderFiles::BillFileExtension, Qt::CaseInsensitive);
}

void BWPaymentLogger::removeReceiptCopy(const QString& path) const
{
    if (!isReceiptCopy(path))
        return;
    if (!QFile::remove(path))
        Log::line(QStringLiteral("Could not remove the receipt copy %1").arg(path));
}

void BWPaymentLogger::removeUnusedReceiptCopies(const QVariantList& before, const QVariantList& after) const
{
    const QSet<QString> stillUsed = receiptsOf(after);
    for (const QString& receipt : receiptsOf(before)) {
        if (!stillUsed.contains(receipt))
            removeReceiptCopy(receipt);
    }
}
