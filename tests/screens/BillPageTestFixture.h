#pragma once

#include <QAction>
#include <QSignalSpy>

#include "OverviewTestFixture.h"
#include "screens/BWBillActionsMenu.h"
#include "screens/BWBillDetailViewController.h"
#include "store/BWBillsLoader.h"
#include "store/BWPaymentLogger.h"

// The overview's data folder with a bill page beside it. The page opens no
// browser, file or dialog: it records what it would have opened and said.
class BillPageTest : public OverviewTest
{
protected:
    BillPageTest()
    {
        page = std::make_unique<BWBillDetailViewController>(env);
        page->desktop().openUrl = [this](const QUrl& url) {
            openedUrls.append(url);
            return true;
        };
        page->desktop().openFile = [this](const QString& path) {
            openedFiles.append(path);
            return true;
        };
        page->desktop().warn = [this](QWidget*, const QString& message, const QString&) { warnings.append(message); };
        page->desktop().chooseReceipt = [this](QWidget*) { return chosenReceipt; };
    }

    // Shows the stored bill on the page.
    QVariantMap show(const QString& billID)
    {
        page->loadBillWithID(billID);
        return *BWBillsLoader(env).loadBillWithID(billID);
    }
    static QVariantMap payment(double amount, const QDateTime& date, const QString& receipt = QString())
    {
        return {{PaymentKeys::Amount, amount},
                {PaymentKeys::Date, date},
                {PaymentKeys::Note, QString()},
                {PaymentKeys::Receipt, receipt}};
    }
    // The titles of a menu's items, "-" for a separator.
    static QStringList titles(const QList<QAction*>& items)
    {
        QStringList result;
        for (const QAction* item : items)
            result.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        return result;
    }
    QStringList dataFolderFiles() const
    {
        return QDir(env.defaultDataFolder).entryList(QDir::Files);
    }

    std::unique_ptr<BWBillDetailViewController> page;
    QList<QUrl> openedUrls;
    QStringList openedFiles;
    QStringList warnings;
    QString chosenReceipt;
};
