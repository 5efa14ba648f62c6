#pragma once

#include <QDialog>

class QProgressBar;

// Told when a sync progress sheet has ended.
class SyncProgressControllerDelegate
{
public:
    virtual ~SyncProgressControllerDelegate() = default;
    virtual void syncProgressControllerDidComplete() = 0;
};

// The sheet shown over the main window while a phone sync runs: a bar that
// fills from 0 to 1. It has no button: the run ends by itself, at the
// latest when it times out.
class BWSyncProgressController : public QDialog
{
    Q_OBJECT

public:
    explicit BWSyncProgressController(QWidget* parent = nullptr);

    void setDelegate(SyncProgressControllerDelegate* delegate) { m_delegate = delegate; }
    QProgressBar* progressBar() const { return m_progressBar; }

    // Shows the sheet on its window with the bar empty.
    void beginSheet();
    // A fraction from 0 to 1.
    void setProgress(double fraction);
    // Takes the sheet down and tells the delegate.
    void endSheet();

private:
    QProgressBar* m_progressBar = nullptr;
    SyncProgressControllerDelegate* m_delegate = nullptr;
};
