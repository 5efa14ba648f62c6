#include "BGHUDTextField.h"

#include <QPainter>

BGHUDTextField::BGHUDTextField(QWidget* parent)
    : QLineEdit(parent)
{
    // The cell's border and glow replace the platform frame and focus ring.
    setFrame(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    applyCellColours(cellState());
}

BGHUDTextFieldCell::State BGHUDTextField::cellState() const
{
    BGHUDTextFieldCell::State state;
    state.enabled = isEnabled();
    state.showsFirstResponder = hasFocus();
    state.inKeyWindow = isActiveWindow();
    return state;
}

void BGHUDTextField::paintEvent(QPaintEvent* event)
{
    const BGHUDTextFieldCell::State state = cellState();
    applyCellColours(state);
    applyInteriorMargins();
    {
        QPainter painter(this);
        cell_.draw(painter, rect(), state);
        if (hasOwnBackground()) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(cell_.outlinePath(rect()), backgroundColor_);
        }
    }
    QLineEdit::paintEvent(event);
}

// The theme is read at every paint; the palette is only touched when it
// differs, because a palette change schedules another repaint.
void BGHUDTextField::setBackgroundColor(const QColor& color)
{
    if (color == backgroundColor_)
        return;
    backgroundColor_ = color;
    update();
}

void BGHUDTextField::applyCellColours(const BGHUDTextFieldCell::State& state)
{
    QPalette wanted = cell_.textPalette(palette(), state);
    if (hasOwnBackground()) {
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            wanted.setColor(group, QPalette::Text, Qt::black);
    }
    if (wanted != palette())
        setPalette(wanted);
}

void BGHUDTextField::applyInteriorMargins()
{
    const QRectF interior = cell_.interiorFrame(rect());
    const QMargins wanted(qRound(interior.left()), qRound(interior.top()),
                          qRound(width() - interior.right()), qRound(height() - interior.bottom()));
    if (wanted != textMargins())
        setTextMargins(wanted);
}
