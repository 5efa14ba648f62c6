#pragma once

#include "KBButtonCell.h"

#include <QComboBox>

// A pop-up button drawn as a coloured button: the current item's title on the
// coloured bezel, with the pop-up arrows at its right end. Choosing, keyboard
// handling and accessibility are the combo box's.
class BWPopupButton : public QComboBox {
    Q_OBJECT
public:
    explicit BWPopupButton(QWidget* parent = nullptr);

    KBButtonCell& cell() { return cell_; }
    // Takes effect at the next repaint; the button is not repainted here.
    void setKBButtonType(std::int32_t type) { cell_.setKBButtonType(type); }

    void showPopup() override;
    void hidePopup() override;

    // Where the title and the arrows go inside `bounds`.
    static QRectF titleFrame(const QRectF& bounds);
    static QRectF arrowsFrame(const QRectF& bounds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawArrows(QPainter& painter, const QRectF& frame) const;

    KBButtonCell cell_;
    bool menuShown_ = false;
};
