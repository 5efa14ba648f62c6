#include "shell/BWVersion7ImportWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

BWVersion7ImportWindow::BWVersion7ImportWindow(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Orvane 7 Import Options"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr("Import the bills, archived bills and receipts that Orvane 7 kept in your home "
                               "folder, or keep them in step through iCloud."),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);

    auto* selectFolder = new QPushButton(tr("Import from Home Folder…"), this);
    selectFolder->setObjectName(QStringLiteral("selectFolder"));
    connect(selectFolder, &QPushButton::clicked, this, &BWVersion7ImportWindow::selectFolderRequested);
    layout->addWidget(selectFolder);

    auto* iCloud = new QCheckBox(tr("Sync with iCloud"), this);
    iCloud->setObjectName(QStringLiteral("iCloudSync"));
    connect(iCloud, &QCheckBox::toggled, this, &BWVersion7ImportWindow::iCloudSyncToggled);
    layout->addWidget(iCloud);

    auto* reimport = new QPushButton(tr("Re-Import at Next Start…"), this);
    reimport->setObjectName(QStringLiteral("reimport"));
    connect(reimport, &QPushButton::clicked, this, &BWVersion7ImportWindow::reimportRequested);
    layout->addWidget(reimport);

    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(close);
}
