#pragma once

#include <QColor>
#include <QFrame>

// A box that answers the pointer: a faint fill while the pointer is outside,
// none while it is over the box. Qt tracks entering and leaving over the
// whole box, whatever size it has grown to.
class BWBox : public QFrame
{
    Q_OBJECT

public:
    explicit BWBox(QWidget* parent = nullptr);

    bool isMouseOver() const { return m_isMouseOver; }
    // No caller in the program; the box draws by isMouseOver().
    void setIsMouseOver(bool over);
    // The fill the next drawing uses.
    QColor fillColor() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_isMouseOver = false;
};
