#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QToolBar;
class QWidget;

// The preferences window: one pane at a time under a toolbar of six
// buttons. Switching panes resizes the window to the pane and keeps its top
// edge where it was.
class MGPreferencePanel : public QObject
{
    Q_OBJECT

public:
    // The toolbar's band above the pane: the window is always this much
    // taller than the pane it shows.
    static constexpr int ToolbarHeight = 76;
    static inline const QString ToolbarIdentifier = QStringLiteral("Orvane.mgpreferencepanel.toolbar");

    enum Pane { General = 0, Sync, Reminders, Logging, Income, Advanced, PaneCount };

    explicit MGPreferencePanel(QObject* parent = nullptr);
    ~MGPreferencePanel() override;

    // The pane views, set before awakeFromNib(). The panel owns them from
    // then on.
    void setPane(Pane pane, QWidget* view);
    QWidget* pane(Pane pane) const;

    // Sets up the toolbar, shows the General pane and centres the window.
    void awakeFromNib();
    void mapViewsToToolbar();
    void firstPane();

    // The toolbar's action: shows the pane of the sender's tag.
    void changePanes(QObject* sender);

    QWidget* window() const { return m_window; }
    QWidget* contentView() const { return m_contentView; }
    QToolBar* toolbar() const { return m_toolbar; }
    // The toolbar item of each pane, in toolbar order.
    QList<QAction*> toolbarItems() const;

private:
    void showPane(QWidget* view);

    QPointer<QWidget> m_window;
    QWidget* m_contentView = nullptr;
    QToolBar* m_toolbar = nullptr;
    QWidget* m_panes[PaneCount] = {};
};
