#pragma once

#include "BGHUDButtonCell.h"

#include <QRadioButton>

// A radio button in the HUD look.
class BGHUDRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit BGHUDRadioButton(const QString& text = QString(), QWidget* parent = nullptr);

    BGHUDButtonCell& cell() { return cell_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    BGHUDButtonCell cell_;
};
