#include "sync/BWPhoneSync.h"

#include <QDir>
#include <QFile>

#include "platform/Log.h"
#include "platform/UserDefaults.h"
#include "store/BWBillRecordKeys.h"
#include "store/BWBillsLoader.h"
#include "store/BWDefaultsKeys.h"

using namespace BWDefaultsKeys;

namespace {

const QString RemoteFolder = QStringLiteral("/OrvaneTouch.ovdata/");
const QString SafetyCopyName = QStringLiteral("oldindex.plist");

}  // namespace

BWPhoneSync::BWPhoneSync(const BWStoreEnvironment& env, std::function<bool()> connectedToInternet, QObject* parent)
    : QObject(parent), m_env(env), m_connectedToInternet(std::move(connectedToInternet))
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &BWPhoneSync::finishedSync);
}

void BWPhoneSync::didPressLink()
{
    if (!m_connectedToInternet()) {
        Log::line(QStringLiteral("Sync Failed"));
        return;
    }
    // One run at a time, until its timer has ended it; a second press must
    // not touch the safety copy the running one made.
    if (m_isCurrentlyProcessing || m_timer.isActive())
        return;
    Log::line(QStringLiteral("Starting Sync…"));
    if (!makeSafetyCopyOfIndex()) {
        Log::line(QStringLiteral("Sync Failed: no safety copy of the index"));
        return;
    }
    Log::line(QStringLiteral("Syncing"));
    m_isFinishedProcessing = false;
    m_isCurrentlyProcessing = true;
    m_isUploadingSecondIndex = false;
    m_shouldForceUpload = false;
    m_didFinishWithAccountError = false;
    doRoutineSync();
    emit progressChanged(0.0);
    emit progressSheetShown();
    m_timerCount = 0;
    m_timer.start();
}

// Written beside the copy first and renamed over it, so the copy is never
// half there.
bool BWPhoneSync::makeSafetyCopyOfIndex() const
{
    const QDir dataFolder(BWBillsLoader(m_env).orvaneDirectory());
    const QString index = dataFolder.filePath(DataFolderFiles::BillIndex);
    if (!QFile::exists(index))
        return true;  // nothing to protect yet
    const QString temporary = dataFolder.filePath(SafetyCopyName + QStringLiteral(".tmp"));
    QFile::remove(temporary);
    if (!QFile::copy(index, temporary))
        return false;
    const QString copy = dataFolder.filePath(SafetyCopyName);
    QFile::remove(copy);
    return QFile::rename(temporary, copy);
}

void BWPhoneSync::finishedSync()
{
    if (m_isFinishedProcessing && !m_isUploadingSecondIndex) {
        Log::line(QStringLiteral("Sync Finished"));
        finishRun(true);
        return;
    }
    if (++m_timerCount < TimeOutTicks)
        return;
    Log::line(QStringLiteral("Sync took too long, timing out"));
    closeWithError();
    finishRun(false);
}

// A completed run marks the phone sync on; a timed-out one leaves the switch
// as the user had it.
void BWPhoneSync::finishRun(bool completed)
{
    m_timer.stop();
    m_isCurrentlyProcessing = false;
    UserDefaults& defaults = *m_env.defaults;
    if (completed) {
        defaults.setBool(BWIsFirstPhoneSync, false);
        defaults.setBool(BWDropboxPhoneSyncEnabled, true);
        defaults.setObject(BWTurnSyncOffButtonTitle, tr("Turn Off Sync"));
    }
    defaults.synchronize();
    Log::line(QStringLiteral("Sync Did Complete"));
    emit syncProgressControllerDidComplete();
}

bool BWPhoneSync::doRoutineSync()
{
    const QString remoteIndex = RemoteFolder + DataFolderFiles::BillIndex;
    Log::line(QStringLiteral("Sync: exchanging %1").arg(remoteIndex));
    // Nothing to wait for: the run ends at the timer's next tick instead of
    // running into its time-out.
    closeWithoutError();
    return true;
}

QString BWPhoneSync::nothingExchangedNotice()
{
    return tr("Orvane for phones exchanges no bills with this computer yet.");
}

void BWPhoneSync::parseActiveBills()
{
    Log::line(QStringLiteral("Sync: Parsing index to see if any bills need updating"));
    const QStringList ids = BWBillsLoader(m_env).getListOfBills(IndexKeys::ActiveBills).value_or(QStringList());
    Log::line(QStringLiteral("Bill Count: %1").arg(ids.size()));
    m_billsToCheck = int(ids.size());
    m_currentNumber = 0;
    if (ids.isEmpty())
        QTimer::singleShot(2000, this, &BWPhoneSync::closeWithoutError);
}

void BWPhoneSync::incrementCounter()
{
    ++m_currentNumber;
    checkCount();
}

void BWPhoneSync::checkCount()
{
    emit progressChanged(progress());
    if (m_currentNumber == m_billsToCheck) {
        m_isCurrentlyProcessing = false;
        m_isFinishedProcessing = true;
    }
}

void BWPhoneSync::closeWithError()
{
    m_didFinishWithAccountError = true;
    closeWithoutError();
}

void BWPhoneSync::closeWithoutError()
{
    m_isCurrentlyProcessing = false;
    m_isFinishedProcessing = true;
}

void BWPhoneSync::endLink()
{
    UserDefaults& defaults = *m_env.defaults;
    defaults.setBool(BWIsFirstPhoneSync, true);
    defaults.setBool(BWDropboxPhoneSyncEnabled, false);
    defaults.setObject(BWTurnSyncOffButtonTitle, tr("Turn On Sync"));
    defaults.synchronize();
    m_forceString.clear();
}

void BWPhoneSync::showFirstSyncAlert()
{
    m_forceString = QStringLiteral("upload");
}
