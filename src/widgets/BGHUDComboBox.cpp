#include "BGHUDComboBox.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

BGHUDComboBox::BGHUDComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    lineEdit()->setFrame(false);
    lineEdit()->setAttribute(Qt::WA_MacShowFocusRect, false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
}

BGHUDTextFieldCell::State BGHUDComboBox::cellState() const
{
    BGHUDTextFieldCell::State state;
    state.enabled = isEnabled();
    state.showsFirstResponder = hasFocus() || lineEdit()->hasFocus();
    state.inKeyWindow = isActiveWindow();
    return state;
}

void BGHUDComboBox::paintEvent(QPaintEvent*)
{
    const BGHUDTextFieldCell::State state = cellState();
    // Only set when it differs: a palette change schedules another repaint.
    const QPalette wanted = cell_.textPalette(lineEdit()->palette(), state);
    if (wanted != lineEdit()->palette())
        lineEdit()->setPalette(wanted);
    placeEditor();
    QPainter painter(this);
    cell_.draw(painter, rect(), state);
}

void BGHUDComboBox::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    placeEditor();
}

void BGHUDComboBox::placeEditor()
{
    const QRect text = cell_.textFrame(rect()).adjusted(3, 1, 0, -1).toAlignedRect();
    if (lineEdit()->geometry() != text)
        lineEdit()->setGeometry(text);
}

void BGHUDComboBox::mousePressEvent(QMouseEvent* event)
{
    const QRectF button = cell_.buttonRect(BGHUDComboBoxCell::insetFrame(rect()));
    if (event->button() == Qt::LeftButton && button.contains(event->position())) {
        showPopup();
        event->accept();
        return;
    }
    QComboBox::mousePressEvent(event);
}
