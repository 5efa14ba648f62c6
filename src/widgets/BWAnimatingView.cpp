#include "BWAnimatingView.h"

#include "BWFlippedGeometry.h"

#include <QPropertyAnimation>
#include <QWidget>

namespace BWAnimatingView {

namespace {

const QString animationName = QStringLiteral("BWAnimatingViewSlide");

QSizeF parentSize(const QWidget* view)
{
    const QWidget* parent = view->parentWidget();
    return parent ? QSizeF(parent->size()) : QSizeF(0, 0);
}

QRect toParentGeometry(const QWidget* view, const QRectF& yUpFrame)
{
    return BWFlippedGeometry::toScreen(yUpFrame, parentSize(view).height()).toRect();
}

// A new placement takes over from the running slide: stopping it skips its
// end, so an earlier slide out of sight cannot hide the view again.
void stopRunningAnimation(QWidget* view)
{
    delete runningAnimation(view);
}

enum class Ending { Stay, Hide };

void place(QWidget* view, const QRectF& yUpFrame, bool animated, Ending ending = Ending::Stay)
{
    if (animated) {
        setFrameAnimated(view, yUpFrame, ending == Ending::Hide);
        return;
    }
    stopRunningAnimation(view);
    view->setGeometry(toParentGeometry(view, yUpFrame));
}

QRectF movedTo(const QWidget* view, qreal x, qreal y)
{
    return QRectF(QPointF(x, y), frame(view).size());
}

}  // namespace

qreal defaultPadding(const QWidget*)
{
    return 0;
}

qreal topDistance(const QWidget* view)
{
    return parentSize(view).height() - view->height() - defaultPadding(view);
}

qreal leftDistance(const QWidget* view)
{
    return defaultPadding(view);
}

qreal rightDistance(const QWidget* view)
{
    return parentSize(view).width() - view->width() - defaultPadding(view);
}

qreal bottomDistance(const QWidget* view)
{
    return defaultPadding(view);
}

qreal flushTop(const QWidget* view)
{
    return parentSize(view).height() - view->height();
}

qreal flushBottom(const QWidget*)
{
    return 0;
}

qreal offTop(const QWidget* view)
{
    return parentSize(view).height();
}

qreal offBottom(const QWidget* view)
{
    return -view->height();
}

qreal offLeft(const QWidget* view)
{
    return -view->width();
}

qreal offRight(const QWidget* view)
{
    return parentSize(view).width();
}

QRectF frame(const QWidget* view)
{
    return BWFlippedGeometry::toScreen(QRectF(view->geometry()), parentSize(view).height());
}

void setLocationTopLeftAnimated(QWidget* view, bool animated, qreal padding)
{
    place(view, movedTo(view, leftDistance(view), topDistance(view) - padding), animated);
}

void setAbsoluteLocationTopLeftAnimated(QWidget* view, bool animated, qreal padding)
{
    const QWidget* parent = view->parentWidget();
    const qreal parentX = parent ? parent->x() : 0;
    place(view, movedTo(view, parentX, topDistance(view) - padding), animated);
}

void setLocationTopRightAnimated(QWidget* view, bool animated, qreal padding)
{
    place(view, movedTo(view, rightDistance(view), topDistance(view) - padding), animated);
}

void setLocationBottomLeftAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, leftDistance(view), bottomDistance(view)), animated);
}

void setLocationBottomRightAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, rightDistance(view), bottomDistance(view)), animated);
}

void setLocationFlushTopAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, 0, flushTop(view)), animated);
}

void setLocationFlushBottomAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, 0, flushBottom(view)), animated);
}

void setLocationOffScreenTopAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, frame(view).x(), offTop(view)), animated, Ending::Hide);
}

void setLocationOffScreenBottomAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, frame(view).x(), offBottom(view)), animated, Ending::Hide);
}

void setAbsoluteLocationOffScreenBottomAnimated(QWidget* view, bool animated)
{
    setLocationOffScreenBottomAnimated(view, animated);
}

void setLocationOffScreenLeftAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, offLeft(view), frame(view).y()), animated, Ending::Hide);
}

void setLocationOffScreenRightAnimated(QWidget* view, bool animated)
{
    place(view, movedTo(view, offRight(view), frame(view).y()), animated, Ending::Hide);
}

void maximizeItemHeightAnimated(QWidget* view, bool animated, qreal padding)
{
    QRectF target = frame(view);
    target.setHeight(parentSize(view).height() - padding);
    place(view, target, animated);
}

void maximizeItemWidthAnimated(QWidget* view, bool animated, qreal padding)
{
    QRectF target = frame(view);
    target.setWidth(parentSize(view).width() - padding);
    place(view, target, animated);
}

void setFrameAnimated(QWidget* view, const QRectF& yUpFrame, bool remove, int durationMs)
{
    stopRunningAnimation(view);
    view->setHidden(false);
    auto* slide = new QPropertyAnimation(view, QByteArrayLiteral("geometry"), view);
    slide->setObjectName(animationName);
    slide->setDuration(durationMs);
    slide->setStartValue(view->geometry());
    slide->setEndValue(toParentGeometry(view, yUpFrame));
    QObject::connect(slide, &QPropertyAnimation::finished, view, [view, slide, remove] {
        slide->setObjectName(QString());
        slide->deleteLater();
        if (remove)
            view->hide();
    });
    slide->start();
}

QPropertyAnimation* runningAnimation(const QWidget* view)
{
    return view->findChild<QPropertyAnimation*>(animationName, Qt::FindDirectChildrenOnly);
}

}  // namespace BWAnimatingView
