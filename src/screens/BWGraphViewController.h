#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QVariantMap>

#include <optional>

#include "screens/BWBarGraphView.h"
#include "screens/BWMonthlyGraphManager.h"
#include "store/BWStoreEnvironment.h"

class BWGraphCellView;
class BWPopupButton;
class BWTransparentView;
class QScrollArea;

// The bill page's payment bar graph: one row of 24 columns ("M01" the
// oldest to "M24" the newest, which is scrolled into view), showing either
// the totals of the last 24 calendar months or the last payments one by one,
// as the mode pop-up chooses.
class BWGraphViewController : public QObject
{
    Q_OBJECT

public:
    explicit BWGraphViewController(const BWStoreEnvironment& env, QObject* parent = nullptr);
    ~BWGraphViewController() override;

    // The pane: the mode pop-up over the scrolling row of bars.
    BWBarGraphView* view() const { return m_view; }
    QScrollArea* graphScrollView() const { return m_graphScrollView; }
    BWTransparentView* graphTableView() const { return m_graphTableView; }
    BWPopupButton* graphTypePopup() const { return m_graphTypePopup; }

    void setBill(const QVariantMap& bill) { m_bill = bill; }
    QVariantMap bill() const { return m_bill; }
    // The row of the last build; nothing before the first.
    std::optional<BWMonthlyGraphManager::GraphRow> dataSource() const { return m_dataSource; }

    // Builds the row for the bill in the chosen mode and fills the columns.
    void prepareGraph();
    // The row takes the scroll view's height (after a window resize ended).
    void updateGraphHeight();
    // The row hides while the window is being resized.
    void graphResizing();
    // A bar's size for a height fraction of the tallest bar.
    QSize returnNewSizeWithHeightMultiplier(double fraction) const;

protected:
    // The row follows the scroll view's height.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildView();
    void fillColumns();
    int rowHeight() const;
    void scrollNewestIntoView();

    BWStoreEnvironment m_env;
    QVariantMap m_bill;
    std::optional<BWMonthlyGraphManager::GraphRow> m_dataSource;

    QPointer<BWBarGraphView> m_view;
    QScrollArea* m_graphScrollView = nullptr;
    BWTransparentView* m_graphTableView = nullptr;
    BWPopupButton* m_graphTypePopup = nullptr;
    QList<BWGraphCellView*> m_cells;  // "M01" first
};
