#include "shell/MGPreferencePanel.h"

#include "platform/SenderTag.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct PaneItem
{
    const char* identifier;
    const char* label;  // also the window title
    const char* themeIcon;
    QStyle::StandardPixmap fallbackIcon;
};

const PaneItem PaneItems[MGPreferencePanel::PaneCount] = {
    {"View1ItemIdentifier", QT_TRANSLATE_NOOP("MGPreferencePanel", "General"), "computer", QStyle::SP_ComputerIcon},
    {"View2ItemIdentifier", QT_TRANSLATE_NOOP("MGPreferencePanel", "Sync"), "emblem-synchronizing",
     QStyle::SP_DriveNetIcon},
    {"View3ItemIdentifier", QT_TRANSLATE_NOOP("MGPreferencePanel", "Reminders"), "x-office-calendar",
     QStyle::SP_MessageBoxInformation},
    {"View4ItemIdentifier", QT_TRANSLATE_NOOP("MGPreferencePanel", "Logging"), "x-office-spreadsheet",
     QStyle::SP_FileDialogDetailedView},
    {"View4aItemIdentifier", QT_TRANSLATE_NOOP("MGPreferencePanel", "Income"), "folder-download", QStyle::SP_ArrowDown},
    {"View5ItemIdentifier", QT_TRANSLATE_NOOP("MGPreferencePanel", "Advanced"), "application-x-addon",
     QStyle::SP_FileDialogListView},
};

constexpr int ToolbarIconSide = 32;

}  // namespace

MGPreferencePanel::MGPreferencePanel(QObject* parent) : QObject(parent)
{
    m_window = new QWidget(nullptr, Qt::Window);
    m_contentView = new QWidget(m_window);
    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(m_contentView, 1);
}

MGPreferencePanel::~MGPreferencePanel()
{
    delete m_window;
}

void MGPreferencePanel::setPane(Pane pane, QWidget* view)
{
    view->setParent(m_contentView);
    view->hide();
    m_panes[pane] = view;
}

QWidget* MGPreferencePanel::pane(Pane pane) const
{
    return m_panes[pane];
}

void MGPreferencePanel::awakeFromNib()
{
    mapViewsToToolbar();
    firstPane();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_window->geometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->setGeometry(frame);
    }
}

void MGPreferencePanel::mapViewsToToolbar()
{
    if (!m_toolbar) {
        m_toolbar = new QToolBar(m_window);
        m_toolbar->setObjectName(ToolbarIdentifier);
        static_cast<QVBoxLayout*>(m_window->layout())->insertWidget(0, m_toolbar);
    }
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setFixedHeight(ToolbarHeight);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(ToolbarIconSide, ToolbarIconSide));
    m_toolbar->clear();

    auto* selection = new QActionGroup(m_toolbar);
    for (int tag = 0; tag < PaneCount; ++tag) {
        const PaneItem& item = PaneItems[tag];
        QAction* action = m_toolbar->addAction(
            QIcon::fromTheme(QString::fromLatin1(item.themeIcon), m_window->style()->standardIcon(item.fallbackIcon)),
            tr(item.label));
        action->setObjectName(QString::fromLatin1(item.identifier));
        action->setCheckable(true);
        action->setActionGroup(selection);
        SenderTag::set(action, tag);
        connect(action, &QAction::triggered, this, [this, action] { changePanes(action); });
    }
    m_window->setWindowTitle(tr(PaneItems[General].label));
    toolbarItems().first()->setChecked(true);
}

QList<QAction*> MGPreferencePanel::toolbarItems() const
{
    return m_toolbar ? m_toolbar->actions() : QList<QAction*>();
}

void MGPreferencePanel::firstPane()
{
    showPane(m_panes[General]);
}

void MGPreferencePanel::changePanes(QObject* sender)
{
    const int tag = SenderTag::of(sender);
    if (tag < 0 || tag >= PaneCount)
        return;
    m_window->setWindowTitle(tr(PaneItems[tag].label));
    if (QAction* item = toolbarItems().value(tag))
        item->setChecked(true);
    showPane(m_panes[tag]);
}

// The window takes the pane's size plus the toolbar's band; its top edge
// stays, so the bottom edge moves.
void MGPreferencePanel::showPane(QWidget* view)
{
    if (!view)
        return;
    for (QWidget* shown : m_panes) {
        if (shown && shown != view)
            shown->hide();
    }
    const QSize paneSize = view->sizeHint().expandedTo(view->minimumSize());
    const QRect old = m_window->geometry();
    m_window->setFixedSize(paneSize.width(), paneSize.height() + ToolbarHeight);
    m_window->setGeometry(old.x(), old.y(), paneSize.width(), paneSize.height() + ToolbarHeight);
    view->setGeometry(0, 0, paneSize.width(), paneSize.height());
    view->show();
}
