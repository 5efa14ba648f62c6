#pragma once

#include "BGThemeKeyed.h"

#include <QWidget>

// The small square beside a HUD table's header row, above its vertical
// scroll bar, drawn like an empty header.
class BGHUDTableCornerView : public QWidget, public BGThemeKeyed {
    Q_OBJECT
public:
    explicit BGHUDTableCornerView(const QString& themeKey, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
