#include "shell/BWVersion7ImportWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

BWVersion7ImportWindow::BWVersion7ImportWindow(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Orvane 7 Import Options"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr("Import the bills, archived bills and receipts that Orvane 7 kept in your home "
                               "folder, or keep your bills in step on all your computers."),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);

    auto* selectFolder = new QPushButton(tr("Import from Home Folder…"), this);
    selectFolder->setObjectName(QStringLiteral("selectFolder"));
    connect(selectFolder, &QPushButton::clicked, this, &BWVersion7ImportWindow::selectFolderRequested);
    layout->addWidget(selectFolder);

    m_sync = new QCheckBox(tr("Keep my bills in step on all my computers"), this);
    m_sync->setObjectName(QStringLiteral("sync"));
    connect(m_sync, &QCheckBox::toggled, this, &BWVersion7ImportWindow::syncToggled);
    layout->addWidget(m_sync);

    auto* reimport = new QPushButton(tr("Re-Import at Next Start…"), this);
    reimport->setObjectName(QStringLiteral("reimport"));
    connect(reimport, &QPushButton::clicked, this, &BWVersion7ImportWindow::reimportRequested);
    layout->addWidget(reimport);

    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(close);
}

void BWVersion7ImportWindow::showSyncState(bool on)
{
    const QSignalBlocker quiet(m_sync);
    m_sync->setChecked(on);
}
