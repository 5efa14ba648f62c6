#pragma once

#include "BGHUDButtonCell.h"

#include <QPushButton>

// A push button in the HUD look. A checkable button draws as a toggle (the
// highlight fill while on); otherwise the pushed fill shows while pressed.
class BGHUDButton : public QPushButton {
    Q_OBJECT
public:
    explicit BGHUDButton(const QString& text = QString(), QWidget* parent = nullptr);

    BGHUDButtonCell& cell() { return cell_; }

    // What the style asks for the title and icon, plus the margin the bezel
    // leaves inside the frame: a layout must not squeeze the title off the
    // drawn button.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void syncCellWithButton();

    BGHUDButtonCell cell_;
};
