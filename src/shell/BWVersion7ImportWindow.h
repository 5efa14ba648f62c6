#pragma once

#include <QDialog>

class QCheckBox;

// The previous version's import options: its data folder below a chosen home
// folder, turning the sync between computers on or off, and a fresh import at
// the next start. It only reports which control was used.
class BWVersion7ImportWindow : public QDialog
{
    Q_OBJECT

public:
    explicit BWVersion7ImportWindow(QWidget* parent = nullptr);

    // Shows the sync switch as stored, without reporting a toggle.
    void showSyncState(bool on);

signals:
    void selectFolderRequested();
    void syncToggled(bool on);
    void reimportRequested();

private:
    QCheckBox* m_sync = nullptr;
};
