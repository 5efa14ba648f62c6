#pragma once

#include <QList>
#include <QSplitter>

// A split view whose dividers keep their distance from both ends: a divider
// stops `fromStart` points after the start and `fromEnd` points before the
// end, and dragged more than half-way past such a limit it collapses the
// pane there. A double click on a divider collapses the pane after it (and
// opens it again) only when that is the view's second pane.
class BWLimitedSplitView : public QSplitter
{
    Q_OBJECT

public:
    explicit BWLimitedSplitView(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setDividerLimits(int fromStart, int fromEnd);
    // Where a divider dragged to `position` goes in a view `length` long.
    int limitedPosition(int position, int length) const;

    // The double click's toggle of the second pane.
    void toggleSecondPane();

protected:
    QSplitterHandle* createHandle() override;

private:
    class Handle;

    int m_fromStart = 0;
    int m_fromEnd = 0;
    QList<int> m_sizesBeforeCollapse;
};
