#include "BWLimitedSplitView.h"

#include <QMouseEvent>

#include <algorithm>

// Drags the divider through the view's limits; a double click on the
// divider before the second pane toggles that pane.
class BWLimitedSplitView::Handle : public QSplitterHandle
{
public:
    Handle(Qt::Orientation orientation, BWLimitedSplitView* view)
        : QSplitterHandle(orientation, view), m_view(view)
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            m_pressOffset = along(event->position().toPoint());
        QSplitterHandle::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton))
            return;
        const QPoint inView = mapToParent(event->position().toPoint());
        const int position = (orientation() == Qt::Horizontal ? inView.x() : inView.y()) - m_pressOffset;
        const QSize size = m_view->size();
        moveSplitter(m_view->limitedPosition(position, orientation() == Qt::Horizontal ? size.width() : size.height()));
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (m_view->indexOf(this) == 1)
            m_view->toggleSecondPane();
        event->accept();
    }

private:
    int along(const QPoint& point) const { return orientation() == Qt::Horizontal ? point.x() : point.y(); }

    BWLimitedSplitView* m_view;
    int m_pressOffset = 0;
};

BWLimitedSplitView::BWLimitedSplitView(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent)
{
}

void BWLimitedSplitView::setDividerLimits(int fromStart, int fromEnd)
{
    m_fromStart = fromStart;
    m_fromEnd = fromEnd;
}

int BWLimitedSplitView::limitedPosition(int position, int length) const
{
    if (position < m_fromStart / 2)
        return 0;
    if (position > length - m_fromEnd / 2)
        return length;
    // A view too short for both limits lets the divider go anywhere in it.
    if (length - m_fromEnd < m_fromStart)
        return std::clamp(position, 0, length);
    return std::clamp(position, m_fromStart, length - m_fromEnd);
}

void BWLimitedSplitView::toggleSecondPane()
{
    if (count() < 2)
        return;
    QList<int> now = sizes();
    if (now.at(1) > 0) {
        m_sizesBeforeCollapse = now;
        now[0] += now[1];
        now[1] = 0;
        setSizes(now);
        return;
    }
    if (m_sizesBeforeCollapse.size() == now.size())
        setSizes(m_sizesBeforeCollapse);
}

QSplitterHandle* BWLimitedSplitView::createHandle()
{
    return new Handle(orientation(), this);
}
