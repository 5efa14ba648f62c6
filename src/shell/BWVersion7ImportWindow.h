#pragma once

#include <QDialog>

class QCheckBox;

// The previous version's import options: its data folder below a chosen home
// folder, turning on iCloud sync, and a fresh import at the next start. It
// only reports which control was used.
class BWVersion7ImportWindow : public QDialog
{
    Q_OBJECT

public:
    explicit BWVersion7ImportWindow(QWidget* parent = nullptr);

signals:
    void selectFolderRequested();
    void iCloudSyncToggled(bool on);
    void reimportRequested();
};
