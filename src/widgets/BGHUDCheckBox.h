#pragma once

#include "BGHUDButtonCell.h"

#include <QCheckBox>

// A check box in the HUD look; a tristate box shows its partial state as a
// dash.
class BGHUDCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit BGHUDCheckBox(const QString& text = QString(), QWidget* parent = nullptr);

    BGHUDButtonCell& cell() { return cell_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    BGHUDButtonCell cell_;
};
