#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

#include "store/BWStoreEnvironment.h"

// The frame of the exchange with the phone edition's data in Dropbox: the
// network test, a safety copy of the index, one run at a time, the progress
// count and a time-out. The exchange itself is a step that transfers nothing
// and reports its end at once; doRoutineSync() is where one would go.
//
// A run that times out is an error: it ends the run and leaves the phone-sync
// switch as it was.
class BWPhoneSync : public QObject
{
    Q_OBJECT

public:
    // Ticks of 0.1 s before a run gives up.
    static constexpr int TimeOutTicks = 240;

    BWPhoneSync(const BWStoreEnvironment& env, std::function<bool()> connectedToInternet, QObject* parent = nullptr);

    bool isCurrentlyProcessing() const { return m_isCurrentlyProcessing; }
    bool didFinishWithAccountError() const { return m_didFinishWithAccountError; }
    int timerCount() const { return m_timerCount; }
    QString forceString() const { return m_forceString; }
    double progress() const { return m_billsToCheck > 0 ? double(m_currentNumber) / m_billsToCheck : 0.0; }

    // What a run does for now, in one line for the user.
    static QString nothingExchangedNotice();

public slots:
    // Starts a run (the manual sync button).
    void didPressLink();
    // One tick of the run's timer.
    void finishedSync();
    // The exchange: transfers nothing, and says so by ending the run's work
    // at once. Reports success. An exchange that reports its end later
    // (closeWithoutError(), closeWithError()) takes its place.
    virtual bool doRoutineSync();
    // Counts the items of the active list for the progress bar.
    void parseActiveBills();
    void incrementCounter();
    void checkCount();
    void closeWithError();
    void closeWithoutError();
    // Back to the switch's first state.
    void endLink();
    void showFirstSyncAlert();

signals:
    void progressSheetShown();
    void progressChanged(double fraction);
    // The run ended; the shell shows the overview and renews reminders.
    void syncProgressControllerDidComplete();

private:
    bool makeSafetyCopyOfIndex() const;
    void finishRun(bool completed);

    BWStoreEnvironment m_env;
    std::function<bool()> m_connectedToInternet;
    QTimer m_timer;
    bool m_isCurrentlyProcessing = false;
    bool m_isFinishedProcessing = false;
    bool m_isUploadingSecondIndex = false;
    bool m_shouldForceUpload = false;
    bool m_didFinishWithAccountError = false;
    int m_timerCount = 0;
    int m_billsToCheck = 0;
    int m_currentNumber = 0;
    QString m_forceString;
};
