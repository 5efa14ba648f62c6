#include "BGHUDSearchField.h"

#include <QMouseEvent>
#include <QPainter>

BGHUDSearchField::BGHUDSearchField(QWidget* parent)
    : QLineEdit(parent)
{
    // The cell's border, glow and icons replace the platform frame.
    setFrame(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setMouseTracking(true);
    applyCellColours(cellState());
}

BGHUDTextFieldCell::State BGHUDSearchField::cellState() const
{
    BGHUDTextFieldCell::State state;
    state.enabled = isEnabled();
    state.showsFirstResponder = hasFocus();
    state.inKeyWindow = isActiveWindow();
    return state;
}

void BGHUDSearchField::paintEvent(QPaintEvent* event)
{
    const BGHUDTextFieldCell::State state = cellState();
    applyCellColours(state);
    applyTextMargins();
    {
        QPainter painter(this);
        cell_.draw(painter, rect(), state, showsCancelButton());
    }
    QLineEdit::paintEvent(event);
}

void BGHUDSearchField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && isOverCancelButton(event->position())) {
        clear();
        // The same signal typing away the text gives, so a filter follows.
        emit textEdited(QString());
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void BGHUDSearchField::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(isOverCancelButton(event->position()) ? Qt::ArrowCursor : Qt::IBeamCursor);
    QLineEdit::mouseMoveEvent(event);
}

bool BGHUDSearchField::isOverCancelButton(const QPointF& position) const
{
    return showsCancelButton() && cell_.cancelButtonRect(rect()).contains(position);
}

// The theme is read at every paint; the palette is only touched when it
// differs, because a palette change schedules another repaint.
void BGHUDSearchField::applyCellColours(const BGHUDTextFieldCell::State& state)
{
    const QPalette wanted = cell_.textPalette(palette(), state);
    if (wanted != palette())
        setPalette(wanted);
}

void BGHUDSearchField::applyTextMargins()
{
    const QRectF text = cell_.textFrame(rect());
    const QMargins wanted(qRound(text.left()), qRound(text.top()), qRound(width() - text.right()),
                          qRound(height() - text.bottom()));
    if (wanted != textMargins())
        setTextMargins(wanted);
}
