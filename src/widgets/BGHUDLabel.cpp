#include "BGHUDLabel.h"

BGHUDLabel::BGHUDLabel(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    // Set before the text: labels show names and notes as the user typed
    // them, never read as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

QColor BGHUDLabel::currentTextColor() const
{
    const auto theme = this->theme();
    return isEnabled() ? theme->textColor() : theme->disabledTextColor();
}

void BGHUDLabel::paintEvent(QPaintEvent* event)
{
    // Every colour group gets the one colour, so the label looks the same in
    // active and inactive windows; it is only set when it changed, since a
    // palette change schedules another repaint.
    const QColor colour = currentTextColor();
    if (palette().color(QPalette::WindowText) != colour
        || palette().color(QPalette::Disabled, QPalette::WindowText) != colour) {
        QPalette changed = palette();
        changed.setColor(QPalette::All, QPalette::WindowText, colour);
        setPalette(changed);
    }
    QLabel::paintEvent(event);
}
