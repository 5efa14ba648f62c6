#pragma once

#include "KBButtonCell.h"

#include <QPushButton>

// A push button filled with one of the coloured button colours.
class KBButton : public QPushButton {
    Q_OBJECT
public:
    // A disabled button is drawn light grey, faded to this opacity.
    static constexpr qreal DisabledOpacity = 0.45;

    explicit KBButton(const QString& text = QString(), QWidget* parent = nullptr);
    // A button of one of the KBButtonType colours.
    KBButton(const QString& text, std::int32_t type, QWidget* parent);

    KBButtonCell& cell() { return cell_; }
    // Takes effect at the next repaint; the button is not repainted here.
    void setKBButtonType(std::int32_t type) { cell_.setKBButtonType(type); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KBButtonCell cell_;
};
