#include "MAAttachedWindow.h"

#include "BGThemeManager.h"
#include "BWFlippedGeometry.h"

#include <QBitmap>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr qreal hudCornerRadius = 10;
constexpr int hudFillAlpha = 245;

// Screen space runs y up from y = 0, so the flip needs no screen height.
constexpr qreal screenFlipHeight = 0;

QRectF yUpScreenRect(const QRect& qtRect)
{
    return BWFlippedGeometry::toScreen(QRectF(qtRect), screenFlipHeight);
}

}  // namespace

MAAttachedWindow* MAAttachedWindow::create(QWidget* view, const QPointF& point, QWidget* window,
                                           MAAttachedSide side, qreal distance)
{
    return view ? new MAAttachedWindow(view, point, window, side, distance) : nullptr;
}

MAAttachedWindow* MAAttachedWindow::create(QWidget* view, const QPointF& point, QWidget* window, qreal distance)
{
    return create(view, point, window, MAAttachedSide::Automatic, distance);
}

MAAttachedWindow::MAAttachedWindow(QWidget* view, const QPointF& point, QWidget* window, MAAttachedSide side,
                                   qreal distance)
    : QWidget(window ? window->window() : nullptr, Qt::Tool | Qt::FramelessWindowHint),
      m_bubble(view->size()),
      m_view(view),
      m_window(window),
      m_point(point),
      m_side(side),
      m_distance(distance)
{
    setAttribute(Qt::WA_TranslucentBackground);
    // Showing the bubble leaves the keyboard where it was; a click makes it
    // the active window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    view->setParent(this);
    if (m_side == MAAttachedSide::Automatic)
        m_side = bestSideForAutomaticPosition();
    placeWindow();
    view->show();
    // A child window moves with its parent; Qt's tool windows do not, so
    // the bubble follows the parent's moves itself.
    if (window)
        window->window()->installEventFilter(this);
}

void MAAttachedWindow::useHUDLook()
{
    const std::shared_ptr<const BGTheme> theme =
        BGThemeManager::keyedManager().themeForKey(BGThemeManager::GradientThemeKey);
    QColor fill = theme->darkStrokeColor();
    fill.setAlpha(hudFillAlpha);
    setBackgroundColor(fill);
    setBorderColor(theme->strokeColor());
    setBorderWidth(1);
    setCornerRadius(hudCornerRadius);
}

QPointF MAAttachedWindow::screenPoint() const
{
    return screenPointOf(m_point);
}

QPointF MAAttachedWindow::screenPointOf(const QPointF& point) const
{
    const QPointF global = m_window ? m_window->mapToGlobal(point) : point;
    return BWFlippedGeometry::toScreen(global, screenFlipHeight);
}

MAAttachedSide MAAttachedWindow::bestSideForAutomaticPosition() const
{
    const QScreen* screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen();
    const QRectF screenArea = screen ? yUpScreenRect(screen->availableGeometry()) : QRectF();
    const QRectF reference = m_window ? yUpScreenRect(m_window->window()->frameGeometry()) : screenArea;
    return m_bubble.automaticSide(screenPoint(), m_distance, screenArea, reference);
}

// The free area of the screen the point lies on.
QRect MAAttachedWindow::availableScreenArea() const
{
    const QPointF global = m_window ? m_window->mapToGlobal(m_point) : m_point;
    const QScreen* screen = QGuiApplication::screenAt(global.toPoint());
    if (!screen)
        screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Where no side has room, the bubble is moved onto the screen, its arrow
// then pointing a little beside the point: all of it in sight matters more.
void MAAttachedWindow::placeWindow()
{
    m_bubble.setViewSize(m_view->size());
    m_placement = m_bubble.place(m_side, screenPoint(), m_distance);
    const QRectF frame = BWFlippedGeometry::toScreen(m_placement.windowFrame, screenFlipHeight);
    QRect shown = frame.toRect();
    if (const QRect area = availableScreenArea(); m_keptOnScreen && !area.isEmpty()) {
        shown.moveLeft(std::clamp(shown.left(), area.left(), std::max(area.left(), area.right() + 1 - shown.width())));
        shown.moveTop(std::clamp(shown.top(), area.top(), std::max(area.top(), area.bottom() + 1 - shown.height())));
    }
    setGeometry(shown);
    m_view->setGeometry(BWFlippedGeometry::toScreen(m_placement.viewFrame, frame.height()).toRect());
    // A hidden bubble (most are, most of the time) takes its shape when it
    // shows; drawing it for each change of a hidden one slowed the start.
    if (isVisible())
        updateShape();
}

// Without a compositor the see-through corners and the room beside the
// arrow would show black: only the bubble itself belongs to the window. The
// mask is in window pixels, whatever the screen's scale.
void MAAttachedWindow::updateShape()
{
    setMask(QBitmap::fromImage(m_bubble.render(m_side, m_placement).createAlphaMask()));
}

void MAAttachedWindow::showEvent(QShowEvent* event)
{
    updateShape();
    QWidget::showEvent(event);
}

// Placing the window resizes it, which brings us back here; the guard keeps
// that from recursing.
void MAAttachedWindow::redisplay()
{
    if (m_resizing)
        return;
    m_resizing = true;
    placeWindow();
    update();
    m_resizing = false;
}

void MAAttachedWindow::setPoint(const QPointF& point, MAAttachedSide side)
{
    m_point = point;
    m_side = side;
    redisplay();
}

void MAAttachedWindow::setPointWithinScreen(const QPointF& point, const QPointF& pointAcross, MAAttachedSide side)
{
    m_keptOnScreen = true;
    m_bubble.setViewSize(m_view->size());
    const QRectF area = yUpScreenRect(availableScreenArea());
    MAAttachedBubble::Aim aim{side, false};
    if (!area.isEmpty())
        aim = m_bubble.aimWithin(side, screenPointOf(point), screenPointOf(pointAcross), m_distance, area);
    m_point = aim.atPointAcross ? pointAcross : point;
    m_side = aim.side;
    redisplay();
}

void MAAttachedWindow::setBackgroundColor(const QColor& color)
{
    if (m_bubble.fill() == QBrush(color))
        return;
    m_bubble.setFill(color);
    update();
}

void MAAttachedWindow::setBackgroundImage(const QImage& image)
{
    if (image.isNull())
        return;
    m_bubble.setFill(QBrush(image));
    update();
}

void MAAttachedWindow::setBorderColor(const QColor& color)
{
    if (color == m_bubble.borderColor())
        return;
    m_bubble.setBorderColor(color);
    update();
}

void MAAttachedWindow::setBorderWidth(qreal width)
{
    if (width == m_bubble.borderWidth())
        return;
    m_bubble.setBorderWidth(width);
    update();
}

void MAAttachedWindow::setViewMargin(qreal margin)
{
    if (margin == m_bubble.viewMargin())
        return;
    m_bubble.setViewMargin(margin);
    redisplay();
}

void MAAttachedWindow::setCornerRadius(qreal radius)
{
    m_bubble.setCornerRadius(radius);
    redisplay();
}

void MAAttachedWindow::setArrowBaseWidth(qreal width)
{
    m_bubble.setArrowBaseWidth(width);
    redisplay();
}

void MAAttachedWindow::setArrowHeight(qreal height)
{
    if (height == m_bubble.arrowHeight())
        return;
    m_bubble.setArrowHeight(height);
    redisplay();
}

void MAAttachedWindow::setHasArrow(bool hasArrow)
{
    if (hasArrow == m_bubble.hasArrow())
        return;
    m_bubble.setHasArrow(hasArrow);
    redisplay();
}

void MAAttachedWindow::setDrawsRoundCornerBesideArrow(bool round)
{
    if (round == m_bubble.drawsRoundCornerBesideArrow())
        return;
    m_bubble.setDrawsRoundCornerBesideArrow(round);
    redisplay();
}

QImage MAAttachedWindow::bubbleImage() const
{
    return m_bubble.render(m_side, m_placement, devicePixelRatioF());
}

void MAAttachedWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, bubbleImage());
}

void MAAttachedWindow::resizeEvent(QResizeEvent*)
{
    redisplay();
}

bool MAAttachedWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move && m_window && watched == m_window->window())
        redisplay();
    return QWidget::eventFilter(watched, event);
}
