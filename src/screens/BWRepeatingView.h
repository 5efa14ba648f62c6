#pragma once

#include <QColor>
#include <QWidget>

// A background filler in the controls' background colour.
class BWRepeatingView : public QWidget
{
    Q_OBJECT

public:
    explicit BWRepeatingView(QWidget* parent = nullptr);

    QColor customBackgroundColor() const { return m_customBackgroundColor; }
    void setCustomBackgroundColor(const QColor& color) { m_customBackgroundColor = color; }

protected:
    // Takes the controls' background colour, whatever was set before, and
    // fills the whole view with it.
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_customBackgroundColor = Qt::white;
};
