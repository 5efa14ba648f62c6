// The commands on one bill: logging, skipping, its pay site, editing,
// deleting, archiving and its export.
#include "shell/BWBillCommandRunner.h"

#include "platform/AtomicFile.h"
#include "platform/Log.h"
#include "platform/SenderTag.h"
#include "platform/SoundPlayer.h"
#include "platform/UserDefaults.h"
#include "screens/BWBillDetailScreen.h"
#include "screens/BWBillEditorScreen.h"
#include "screens/BWLogPaymentScreen.h"
#include "screens/BWOverviewScreen.h"
#include "screens/BWTableSelection.h"
#include "shell/BWAppDelegate.h"
#include "shell/BWMainWindow.h"
#include "shell/BWStartup.h"
#include "store/BWBill.h"
#include "store/BWBillCommands.h"
#include "store/BWBillIndex.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"
#include "store/BWPaySite.h"
#include "store/BWPayment.h"
#include "store/BWPaymentLogger.h"

#include <QAbstractButton>
#include <QAction>

namespace {

// Kinds of the archive command.
enum ArchiveTag { Archive = 0, Restore = 1 };

// The sender's title, whether a menu item or a button.
void retitle(QObject* sender, const QString& title)
{
    if (auto* action = qobject_cast<QAction*>(sender))
        action->setText(title);
    else if (auto* button = qobject_cast<QAbstractButton*>(sender))
        button->setText(title);
}

// A bill's name as a file name: a "/" would name a folder.
QString csvFileNameFor(const QString& billName)
{
    QString name = billName;
    name.replace(u'/', u'-');
    return QStringLiteral("%1.csv").arg(name);
}

}  // namespace

// ---- Logging payments ------------------------------------------------------------

void BWBillCommandRunner::showLogPaymentPanel(QObject* sender)
{
    if (!screens().overview)
        return;
    // Quick logging needs no panel; every other kind does.
    const int tag = SenderTag::of(sender);
    if (!isPaymentKind(tag))
        return;
    const PaymentKind kind = PaymentKind(tag);
    if (kind != PaymentKind::QuickLog && !screens().payLogger) {
        beep();
        return;
    }
    BWLogPaymentScreen* panel = screens().payLogger;
    if (panel)
        panel->setBid(QString());

    QString billID;
    if (overviewIsShown()) {
        if (const std::optional<QVariantMap> record = selectedRecord()) {
            // Such income logs itself when it falls due.
            if (BWBillsLoader::billIsIncome(*record)
                && env().defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome))
                return;
            billID = billIDOf(*record);
        }
    } else if (billPageIsShown() && screens().billView) {
        billID = screens().billView->currentBillID();
    }
    if (!billID.isEmpty() && !offersPaymentKind(billID, kind)) {
        beep();
        return;
    }
    if (panel)
        panel->setBid(billID);

    if (kind == PaymentKind::QuickLog) {
        if (billID.isEmpty())
            beep();
        else
            performQuickLogForBillId(billID);
        return;
    }
    if (kind == PaymentKind::Partial)
        retitle(sender, tr("Log Payment"));
    if (billID.isEmpty())
        beep();
    else
        panel->showLogPaymentWindow(kind);
}

bool BWBillCommandRunner::incomeLogsItself() const
{
    return env().defaults->boolForKey(BWDefaultsKeys::BW_ShouldAutoLogIncome);
}

// Whatever sent it, a log command acts only on a bill that offers it.
bool BWBillCommandRunner::offersPaymentKind(const QString& billID, PaymentKind kind) const
{
    const std::optional<QVariantMap> record = BWBillsLoader(env()).loadBillWithID(billID);
    if (!record)
        return false;
    using BWBillCommands::Command;
    const Command command = kind == PaymentKind::Full       ? Command::LogPayment
                            : kind == PaymentKind::QuickLog ? Command::QuickLog
                                                            : Command::LogPartial;
    return BWBillCommands::offers(command, *record, incomeLogsItself());
}

bool BWBillCommandRunner::performQuickLogForBillId(const QString& billID)
{
    Log::line(QStringLiteral("Performing Quick Log"));
    const std::optional<QVariantMap> record = BWBillsLoader(env()).loadBillWithID(billID);
    if (!record) {
        Log::line(QStringLiteral("Quick Log: no bill with id %1").arg(billID));
        beep();
        return false;
    }
    if (!BWBillCommands::offers(BWBillCommands::Command::QuickLog, *record, incomeLogsItself())) {
        Log::line(QStringLiteral("Quick Log: %1 takes no payments").arg(billID));
        beep();
        return false;
    }

    BWPayment payment;
    payment.amount = record->value(BillKeys::Amount).toDouble();
    payment.date = record->value(BillKeys::DueDate).toDateTime();
    payment.note = tr("Quick Logged");
    payment.attachment = QString();
    const BWPaymentLogger logger(env());
    if (!logger.recordPayment(payment, *record)) {
        m_delegate.interaction().showAlert(
            m_delegate.window().mainWindow(), tr("The Payment Was Not Logged"),
            tr("The bill could not be saved, so its payments and due date are unchanged."));
        return false;
    }

    reloadAfterPayment({billID});
    if (m_delegate.interaction().sounds)
        logger.playSpecifiedSound(*m_delegate.interaction().sounds);
    return true;
}

void BWBillCommandRunner::quickLogShortcutPressed(QObject*)
{
    if (!screens().overview)
        return;
    if (overviewIsShown() && overviewSelection().selectedRows().size() != 1) {
        playRefusalSound();
        return;
    }
    const std::optional<QVariantMap> record = recordOfCurrentBill();
    if (record && !BWBillsLoader::billIsIncome(*record))
        performQuickLogForBillId(billIDOf(*record));
}

// ---- Skipping --------------------------------------------------------------------

// The user is asked where they are: on the bill page by its skip popover, in
// the overview by the overview, which stays in sight.
void BWBillCommandRunner::skipPaymentFromTouchbar(QObject*)
{
    if (!screens().overview)
        return;
    if (billPageIsShown()) {
        if (billPageOrBeep())
            screens().billView->showSkipPaymentPopover(nullptr);
        return;
    }
    if (!BWMenuValidation::isEnabled(BWMenuValidation::Command::SkipPayment, commandContext())) {
        beep();
        return;
    }
    screens().overview->skipFromActionsButtonMenu();
}

// ---- Pay site ----------------------------------------------------------------------

void BWBillCommandRunner::showBillWithPayAction(QObject*)
{
    showPaySiteOfCurrentBill(&BWBillDetailScreen::showWebView, [this] {
        QAction logPayment;
        SenderTag::set(&logPayment, int(PaymentKind::Full));
        showLogPaymentPanel(&logPayment);
    });
}

void BWBillCommandRunner::showBillWithWebsiteAction()
{
    showPaySiteOfCurrentBill(&BWBillDetailScreen::finishShowingWebsite, {});
}

void BWBillCommandRunner::showPaySiteOfCurrentBill(void (BWBillDetailScreen::*showInPage)(),
                                                   const std::function<void()>& beforeDesktopBrowser)
{
    if (!screens().overview)
        return;
    const std::optional<QVariantMap> record = recordOfCurrentBill();
    if (!record)
        return;
    if (paysInInternalBrowser()) {
        if (overviewIsShown())
            switchToBillView();
        (screens().billView->*showInPage)();
        return;
    }
    if (beforeDesktopBrowser)
        beforeDesktopBrowser();
    openPaySite(*record);
}

// The internal browser is a pane of the bill page; without the page the pay
// site opens in the desktop's browser instead.
bool BWBillCommandRunner::paysInInternalBrowser() const
{
    return screens().billView && env().defaults->boolForKey(BWDefaultsKeys::BWPayWithInternalBrowser);
}

void BWBillCommandRunner::openPaySite(const QVariantMap& record)
{
    const QString site = record.value(BillKeys::PaySite).toString();
    const std::optional<QUrl> url = BWPaySite::webAddress(site);
    if (!url) {
        // Without a site there is nothing to open; a site that is not a web
        // page is refused.
        const bool noSite = site.trimmed().isEmpty() || site.trimmed() == QLatin1String("http://");
        Log::line(noSite ? QStringLiteral("The bill has no pay site")
                         : QStringLiteral("Refused to open a pay site that is not a web address"));
        if (!noSite)
            beep();
        return;
    }
    // The desktop tells the user itself when no browser could be started.
    if (!m_delegate.interaction().openUrl(*url))
        Log::line(QStringLiteral("Could not open the pay site"));
}

// ---- Edit, delete, archive ------------------------------------------------------------

void BWBillCommandRunner::editSelectedBill(QObject*)
{
    openEditorPopover(&BWOverviewScreen::editBillFromOverview, &BWBillEditorScreen::showEditPopoverForBill);
}

// Deleting is confirmed in the editor's popover, so it needs the editor too.
void BWBillCommandRunner::deleteSelectedBill(QObject*)
{
    openEditorPopover(&BWOverviewScreen::deleteBillFromOverview, &BWBillEditorScreen::showDeletePopoverForBill);
}

void BWBillCommandRunner::openEditorPopover(void (BWOverviewScreen::*fromOverview)(), EditorPopover onBillPage)
{
    if (!screens().overview || !editorOrBeep())
        return;
    if (overviewIsShown()) {
        (screens().overview->*fromOverview)();
    } else if (billPageIsShown() && screens().billView) {
        QWidget* anchor = screens().billView->actionsPopupButton();
        (screens().billEditor->*onBillPage)(screens().billView->currentBillID(), anchor->rect(), anchor);
    }
}

bool BWBillCommandRunner::archiveSelectedBill(QObject* sender)
{
    if (!screens().overview)
        return false;
    const int tag = SenderTag::of(sender);
    if (tag != Archive && tag != Restore)
        return false;
    BWOverviewScreen& overview = *screens().overview;

    // Restoring goes through the editor, which puts the item back in its lists.
    if (tag == Restore && !editorOrBeep())
        return false;
    if (overviewIsShown()) {
        if (tag == Archive)
            return overview.archiveBillFromOverview(Archive);
        const bool restored = overview.restoreBillFromOverview();
        if (restored)
            m_delegate.startup().logAutomaticPayments();
        overview.loadOverviewForBills(IndexKeys::ArchivedBills, QString());
        return restored;
    }
    if (!billPageIsShown() || !screens().billView)
        return false;

    // The bill page's own bill, whichever row the overview has selected.
    const QString billID = screens().billView->currentBillID();
    const bool written
        = tag == Archive ? BWBill(env()).archiveBillWithBid(billID) : screens().billEditor->restoreBill(billID);
    // A restored item may have fallen due while it was archived.
    if (written && tag == Restore)
        m_delegate.startup().logAutomaticPayments();
    reloadBillPageAndOverview();
    return written;
}

// ---- Export -------------------------------------------------------------------------------

bool BWBillCommandRunner::exportSelectedBillToCSV(QObject*)
{
    if (!screens().overview)
        return false;
    const QString billID = currentBillID();
    if (billID.isEmpty()) {
        Log::line(QStringLiteral("No Bill Selected"));
        m_delegate.interaction().showAlert(m_delegate.window().mainWindow(), tr("No Bill Selected"),
                                           tr("Select a bill before trying to export it as a CSV file."));
        return false;
    }
    const BWBillsLoader loader(env());
    const std::optional<QVariantMap> record = loader.loadBillWithID(billID);
    if (!record) {
        m_delegate.interaction().showAlert(m_delegate.window().mainWindow(), tr("Export Failed"),
                                           tr("The bill could not be read."));
        return false;
    }
    const QString path
        = m_delegate.interaction().chooseSaveFile(m_delegate.window().mainWindow(), tr("Export Bill As CSV"),
                                                  csvFileNameFor(record->value(BillKeys::Name).toString()));
    if (path.isEmpty())
        return false;

    QString error;
    if (!AtomicFile::write(path, loader.exportPaymentsToCSVFromBillDict(*record).toUtf8(), &error)) {
        Log::line(QStringLiteral("CSV export to %1 failed: %2").arg(path, error));
        m_delegate.interaction().showAlert(m_delegate.window().mainWindow(), tr("Export Failed"),
                                           tr("The payments could not be saved to \"%1\".").arg(path));
        return false;
    }
    return true;
}
