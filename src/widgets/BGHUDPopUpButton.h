#pragma once

#include "BGHUDPopUpButtonCell.h"

#include <QComboBox>

// A pop-up button in the flat HUD look. The menu, selection and keyboard
// stay Qt's; the arrows, title and image come from its BGHUDPopUpButtonCell.
class BGHUDPopUpButton : public QComboBox {
    Q_OBJECT
public:
    explicit BGHUDPopUpButton(QWidget* parent = nullptr);

    BGHUDPopUpButtonCell& cell() { return cell_; }

    BGHUDPopUpButtonCell::State cellState() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    void showPopup() override;
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BGHUDPopUpButtonCell cell_;
    bool menuOpen_ = false;
};
